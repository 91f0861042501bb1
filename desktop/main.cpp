#include "CommandLine.h"
#include "DesktopApplication.h"
#include "platform/ArgumentText.h"

#include <QApplication>

#include <algorithm>

namespace {

// What the command line asked for could not be made sense of.
constexpr int ExitUsage = 2;

int commandLineError(const std::string &error)
{
    tellCommandLineError(error);
    return ExitUsage;
}

#ifndef Q_OS_WIN
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
#endif

} // namespace

int main(int argc, char *argv[])
{
#ifndef Q_OS_WIN
    // --help and --version are answered before a display is asked for: over ssh or in a container
    // there is none. Qt's own options (-platform, -style...) are known to QApplication only, so a
    // complaint about the command line waits for it, unless there is no display to wait for.
    // (Windows always has a display, and tells all of these in message boxes, which need it.)
    {
        QCoreApplication reader(argc, argv);
        QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
        const std::vector<std::string> arguments = programArguments(argc, argv);
        const gauge::Result<CommandLine> firstLook = readCommandLine(arguments);
        if (firstLook && !firstLook.value().answer.empty()) {
            tellAnswer(firstLook.value().answer);
            return 0;
        }
        if (!firstLook && !displayReachable(arguments))
            return commandLineError(firstLook.error().reason);
    }
#endif

    // QApplication takes its own options out of argv.
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    const gauge::Result<CommandLine> commandLine = readCommandLine(programArguments(argc, argv));
    if (!commandLine)
        return commandLineError(commandLine.error().reason);
    if (!commandLine.value().answer.empty()) {
        tellAnswer(commandLine.value().answer);
        return 0;
    }

    DesktopApplication tool;
    tool.start();
    if (!commandLine.value().record.empty())
        tool.window().openRecordFile(commandLine.value().record);
    return QApplication::exec();
}
