// gaugectl: the gauge programmer's engine without a window, for production lines and support.
#include "Commands.h"
#include "Console.h"
#include "StandardStreams.h"
#include "Texts.h"
#include "UsageTexts.h"
#include "platform/ArgumentText.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int runCommand(const std::string &command, const Arguments &arguments)
{
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(usage::Gaugectl, stdout);
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
    return usageError(usage::UnknownCommand + printable(command), usage::Gaugectl);
}

} // namespace

int main(int argc, char *argv[])
{
    keepStandardStreamsClosed();
    useUtf8OnTheConsole();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    const std::vector<std::string> arguments = programArguments(argc, argv);
    if (arguments.size() < 2)
        return usageError(usage::NoCommand, usage::Gaugectl);
    const int status = runCommand(arguments[1], Arguments(arguments.begin() + 2, arguments.end()));
    // Output that never arrived is a failure, even after the gauge was programmed: whoever reads
    // it (a person or a production script) must not take silence for success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, text::OutputFailed, std::strerror(errno));
        return status == ExitSuccess ? ExitNotConfirmed : status;
    }
    return status;
}
