// gaugectl: the gauge programmer's engine without a window, for production lines and support.
#include "Commands.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char *Usage = R"(Usage: gaugectl COMMAND [OPTIONS]

Programs digital panel gauges with the same engine as the desktop tool.

Commands:
  show FILE.gag                       print a record in words and the packet it sends
  send --port PORT [--yes] [--each] FILE.gag
                                      program a gauge (or gauge after gauge) with a record
  ports                               list COM1 to COM12 and the devices behind them
  simulate [--mode MODE] [--link PATH]
                                      play a gauge on a pseudo-terminal

Run "gaugectl COMMAND --help" for a command's options.

Exit status: 0 success, 1 the gauge did not confirm, 2 bad usage or a refused record.
)";

} // namespace

bool wantsHelp(const Arguments &arguments)
{
    for (const std::string &argument : arguments) {
        if (argument == "--help" || argument == "-h")
            return true;
    }
    return false;
}

int usageError(const std::string &problem, const char *usage)
{
    std::fprintf(stderr, "gaugectl: %s\n\n%s", problem.c_str(), usage);
    return ExitUsage;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return usageError("no command given", Usage);
    const std::string command = argv[1];
    const Arguments arguments(argv + 2, argv + argc);
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(Usage, stdout);
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
    return usageError("unknown command " + command, Usage);
}
