#include "StandardStreams.h"

#include <cstdlib>
#include <windows.h>

namespace {

UINT codePageFound = 0;

void restoreConsoleCodePage()
{
    ::SetConsoleOutputCP(codePageFound);
}

} // namespace

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

// A console shows bytes in its output code page, an OEM one unless changed. The console is the
// shell's too, which gets its own code page back when gaugectl ends.
void useUtf8OnTheConsole()
{
    codePageFound = ::GetConsoleOutputCP();
    // No console to show anything (a program started without one), or UTF-8 already.
    if (codePageFound == 0 || codePageFound == CP_UTF8)
        return;
    if (::SetConsoleOutputCP(CP_UTF8))
        std::atexit(&restoreConsoleCodePage);
}
