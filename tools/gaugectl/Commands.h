#pragma once

#include <string>
#include <vector>

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

bool wantsHelp(const Arguments &arguments);
int usageError(const std::string &problem, const char *usage);
