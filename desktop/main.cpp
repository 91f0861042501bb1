#include "FrmMain.h"
#include "FrmShow.h"
#include "HelpWindows.h"
#include "QtFileDialogs.h"
#include "QtMessages.h"
#include "artwork/Artwork.h"
#include "serial/Clock.h"
#include "serial/QtSerialPort.h"
#include "serial/SystemPortMap.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gauge-programmer"));
    QApplication::setApplicationDisplayName(QStringLiteral("Digital Instrument"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    QApplication::setWindowIcon(Artwork::applicationIcon());

    SystemPortMap portMap;
    QtSerialPort serialPort(portMap);
    gauge::SteadyClock clock;
    QtMessages messages;
    QtFileDialogs fileDialogs;
    HelpWindows windows(messages, FrmShow::defaultStartupFlagPath());
    gauge::MainForm form(gauge::Platform {messages, fileDialogs, serialPort, windows, clock});

    FrmMain window(form, portMap);
    messages.setWindow(&window, [&window] { window.syncFromModel(); });
    fileDialogs.setWindow(&window);
    windows.setMainWindow(&window);

    window.load();
    window.show();
    return QApplication::exec();
}
