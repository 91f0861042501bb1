#pragma once

#include "common/Result.h"

#include <string>
#include <vector>

// What the tool's command line asks for. A file manager names the record to open there.
struct CommandLine
{
    std::string record; // as platform/ArgumentText holds a name; empty: none
    // The help or the version, when asked for: the tool tells it instead of starting.
    std::string answer;
};

// Reads the arguments (the program's name first), as platform/ArgumentText gives them. Needs an
// application object, not a display.
gauge::Result<CommandLine> readCommandLine(const std::vector<std::string> &arguments);

// Tell what the command line asked for (the help, the version) and what is wrong with it, before
// any window: on the console the tool was started from. On Windows a window program has no
// console, and these come in a message box, which needs a QApplication.
void tellAnswer(const std::string &answer);
void tellCommandLineError(const std::string &error);
