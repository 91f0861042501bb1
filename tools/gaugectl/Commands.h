#pragma once

#include "Arguments.h"
#include "ExitStatus.h"

// The commands main() hands the arguments after the command's name to; each gives the exit
// status.
int runShow(const Arguments &arguments);
int runSend(const Arguments &arguments);
int runPorts(const Arguments &arguments);
int runSimulate(const Arguments &arguments);
int runLogSummary(const Arguments &arguments);
