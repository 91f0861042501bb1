#include "CommandLine.h"
#include "DesktopApplication.h"

#include <QApplication>

#include <cstdio>

namespace {

std::vector<std::string> argumentsOf(int argc, char *argv[])
{
    return {argv, argv + argc};
}

} // namespace

int main(int argc, char *argv[])
{
    // --help and --version are answered before a display is asked for: over ssh or in a container
    // there is none. Qt's own options (-platform, -style...) are known to QApplication only, so a
    // complaint about the command line waits for it.
    {
        QCoreApplication reader(argc, argv);
        QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
        if (readCommandLine(argumentsOf(argc, argv)).helpShown)
            return 0;
    }

    // QApplication takes its own options out of argv.
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    const CommandLine commandLine = readCommandLine(argumentsOf(argc, argv));
    if (commandLine.helpShown)
        return 0;
    if (!commandLine.error.empty()) {
        std::fprintf(stderr, "gauge-programmer: %s\n", commandLine.error.c_str());
        return 2;
    }

    DesktopApplication tool;
    tool.start();
    if (!commandLine.record.empty())
        tool.window().openRecordFile(commandLine.record);
    return QApplication::exec();
}
