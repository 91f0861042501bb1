// gaugectl: the gauge programmer's engine without a window, for production lines and support.
#include "Commands.h"
#include "Console.h"
#include "StandardStreams.h"
#include "Texts.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

#ifdef _WIN32
#define GAUGECTL_SIMULATE_NOTE " (Linux build only)"
#else
#define GAUGECTL_SIMULATE_NOTE ""
#endif

constexpr const char *Usage = R"(Usage: gaugectl COMMAND [OPTIONS]

Programs digital panel gauges with the same engine as the desktop tool.

Commands:
  show [--json] FILE.gag              print a record in words and the packet it sends
  send --port PORT [--yes] [--each] [--ask-unit | --unit ID] [--json] [--log FILE] FILE.gag
                                      program a gauge (or gauge after gauge) with a record
  ports [--json]                      list COM1 to COM12 and the devices behind them
  simulate [--mode MODE] [--link PATH]
                                      play a gauge on a pseudo-terminal)" GAUGECTL_SIMULATE_NOTE R"(
  log-summary [--json] FILE...        sum up production logs: outcomes, units not sent

Run "gaugectl COMMAND --help" for a command's options, "gaugectl --version" for the version.

Exit status: 0 success, 1 the gauge did not confirm, the port failed, the output could not be
written, or (log-summary) a unit was not sent, 2 bad usage, a refused record or an unreadable log.
)";

int runCommand(const std::string &command, const Arguments &arguments)
{
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(Usage, stdout);
        return ExitSuccess;
    }
    if (command == "--version" || command == "-v") {
        std::printf("gaugectl %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return ExitSuccess;
    }
    if (command == "show")
        return runShow(arguments);
    if (command == "send")
        return runSend(arguments);
    if (command == "ports")
        return runPorts(arguments);
    if (command == "simulate")
        return runSimulate(arguments);
    if (command == "log-summary")
        return runLogSummary(arguments);
    return usageError("unknown command " + printable(command), Usage);
}

} // namespace

int main(int argc, char *argv[])
{
    keepStandardStreamsClosed();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    if (argc < 2)
        return usageError("no command given", Usage);
    const int status = runCommand(argv[1], Arguments(argv + 2, argv + argc));
    // Output that never arrived is a failure, even after the gauge was programmed: whoever reads
    // it (a person or a production script) must not take silence for success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, text::OutputFailed, std::strerror(errno));
        return status == ExitSuccess ? ExitNotConfirmed : status;
    }
    return status;
}
