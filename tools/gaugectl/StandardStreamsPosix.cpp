#include "StandardStreams.h"

#include "ExitStatus.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

// A new descriptor takes the lowest free number. Read-only /dev/null takes the closed stream's
// number, so writes to it fail and are reported.
void keepStandardStreamsClosed()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) == -1 && ::open("/dev/null", O_RDONLY) != fd)
            std::_Exit(ExitUsage);
    }
}

void reportOutputFailuresInsteadOfEnding()
{
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}

bool inputIsTerminal()
{
    return ::isatty(STDIN_FILENO) == 1;
}

// A terminal shows the bytes in its own encoding, which the locale names: nothing to set.
void useUtf8OnTheConsole()
{
}
