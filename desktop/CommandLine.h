#pragma once

#include "common/Result.h"

#include <string>
#include <vector>

// What the tool's command line asks for. A file manager names the record to open there.
struct CommandLine
{
    std::string record; // as the bytes it was given in; empty: none
    bool helpShown = false;
};

// Reads the arguments (the program's name first); --help and --version are answered on the way.
// Needs an application object, not a display.
gauge::Result<CommandLine> readCommandLine(const std::vector<std::string> &arguments);
