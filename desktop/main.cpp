#include "DesktopApplication.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));

    DesktopApplication tool;
    tool.start();
    return QApplication::exec();
}
