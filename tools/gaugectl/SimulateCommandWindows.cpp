#include "Commands.h"
#include "Texts.h"

#include <cstdio>

// The simulated gauge plays on a pseudo-terminal, which Windows does not have: it runs on Linux,
// where a Windows PC's COM port can be linked to it (under wine, or through a null-modem cable).
int runSimulate(const Arguments &)
{
    std::fputs(text::SimulateNotOnWindows, stderr);
    return ExitUsage;
}
