#pragma once

#include <QString>

#include <string>

// A command-line argument on its way through QCommandLineParser and back: each byte goes in as
// one character and comes back unchanged, so a file name that is not UTF-8 (on Linux a name is
// bytes, whatever its encoding) still names its file.
QString argumentText(const std::string &argument);
std::string argumentBytes(const QString &text);
