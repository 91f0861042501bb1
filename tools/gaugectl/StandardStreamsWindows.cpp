#include "StandardStreams.h"

#include <windows.h>

// Nothing to do: files and devices are opened as Windows handles (Qt, the production log), which
// never take a standard stream's place the way a POSIX descriptor takes the lowest free number.
void keepStandardStreamsClosed()
{
}

// A write to a pipe whose reader went away, or to a full disk, fails with an error here; no
// signal ends the program.
void reportOutputFailuresInsteadOfEnding()
{
}

bool inputIsTerminal()
{
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}
