#include "CommandLine.h"
#include "DesktopApplication.h"
#include "DesktopTexts.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>

namespace {

// What the command line asked for could not be made sense of.
constexpr int ExitUsage = 2;

std::vector<std::string> argumentsOf(int argc, char *argv[])
{
    return {argv, argv + argc};
}

int commandLineError(const std::string &error)
{
    std::fprintf(stderr, desktopText::CommandLineError, error.c_str());
    return ExitUsage;
}

// Where X11 and Wayland are the only windowing systems, neither announced means no display, and
// Qt would give up on the spot.
bool displayReachable(const std::vector<std::string> &arguments)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
        || qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
        || std::find(arguments.begin(), arguments.end(), "-platform") != arguments.end();
#else
    Q_UNUSED(arguments);
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    // --help and --version are answered before a display is asked for: over ssh or in a container
    // there is none. Qt's own options (-platform, -style...) are known to QApplication only, so a
    // complaint about the command line waits for it, unless there is no display to wait for.
    {
        QCoreApplication reader(argc, argv);
        QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
        const gauge::Result<CommandLine> firstLook = readCommandLine(argumentsOf(argc, argv));
        if (firstLook && firstLook.value().helpShown)
            return 0;
        if (!firstLook && !displayReachable(argumentsOf(argc, argv)))
            return commandLineError(firstLook.error().reason);
    }

    // QApplication takes its own options out of argv.
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    const gauge::Result<CommandLine> commandLine = readCommandLine(argumentsOf(argc, argv));
    if (!commandLine)
        return commandLineError(commandLine.error().reason);
    if (commandLine.value().helpShown)
        return 0;

    DesktopApplication tool;
    tool.start();
    if (!commandLine.value().record.empty())
        tool.window().openRecordFile(commandLine.value().record);
    return QApplication::exec();
}
