#pragma once

#include <QString>
#include <QStringList>

// What the tool's command line asks for. A file manager names the record to open there.
struct CommandLine
{
    QString record; // empty: none
    QString error;  // set when the command line could not be read
    bool helpShown = false;
};

// Reads the arguments (the program's name first); --help and --version are answered on the way.
CommandLine readCommandLine(const QStringList &arguments);
