#pragma once

#include <QString>

// Who runs the program, as the system knows them: the production log's "operator".
QString userName();
