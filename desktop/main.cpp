#include "CommandLine.h"
#include "DesktopApplication.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));

    const CommandLine commandLine = readCommandLine(QApplication::arguments());
    if (commandLine.helpShown)
        return 0;
    if (!commandLine.error.isEmpty()) {
        std::fprintf(stderr, "gauge-programmer: %s\n", qPrintable(commandLine.error));
        return 2;
    }

    DesktopApplication tool;
    tool.start();
    if (!commandLine.record.isEmpty())
        tool.window().openRecordFile(commandLine.record);
    return QApplication::exec();
}
