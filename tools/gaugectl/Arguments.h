#pragma once

#include "platform/ArgumentText.h"

#include <optional>
#include <string>
#include <vector>

class QCommandLineParser;

// A command's arguments, after the command's name, as the bytes they were given in.
using Arguments = std::vector<std::string>;

// Reads a command's arguments with the options added to the parser. --help is answered with the
// command's usage, and an argument the parser does not take is a usage error: both give the exit
// status. Nothing when the command is to run.
std::optional<int> parseArguments(QCommandLineParser &parser, const Arguments &arguments,
                                  const char *usage);
int usageError(const std::string &problem, const char *usage);
