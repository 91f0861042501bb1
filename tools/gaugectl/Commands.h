#pragma once

#include <optional>
#include <string>
#include <vector>

class QCommandLineParser;
class QString;

// Exit statuses of every command.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitNotConfirmed = 1; // the gauge did not confirm, the port failed, or the
                                           // output could not be written
inline constexpr int ExitUsage = 2;        // bad usage, or a refused record

using Arguments = std::vector<std::string>;

int runShow(const Arguments &arguments);
int runSend(const Arguments &arguments);
int runPorts(const Arguments &arguments);
int runSimulate(const Arguments &arguments);
int runLogSummary(const Arguments &arguments);

// Reads a command's arguments with the options added to the parser. --help is answered with the
// command's usage, and an argument the parser does not take is a usage error: both give the exit
// status. Nothing when the command is to run.
std::optional<int> parseArguments(QCommandLineParser &parser, const Arguments &arguments,
                                  const char *usage);
int usageError(const std::string &problem, const char *usage);

// An argument as the bytes it was given in: on Linux a file or device name is bytes, whatever its
// encoding.
std::string argumentBytes(const QString &value);
