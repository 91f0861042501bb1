// Renders the README's pictures of the main window and the connection help, off screen:
//   QT_QPA_PLATFORM=offscreen screenshots OUTPUT_FOLDER
#include "ConnectionHelpWindow.h"
#include "MainWindow.h"
#include "QtWindowCommands.h"
#include "QuietSeams.h"
#include "SimulatedStation.h"
#include "gauge/Catalogue.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

namespace {

bool save(QWidget *widget, const QString &path)
{
    const bool saved = widget->grab().save(path);
    std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir output(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    // COM1 is a simulated gauge, as a programming cable would be on a workshop PC; the machine's
    // own ports are left alone.
    QuietMessages messages(false);
    NoFileDialogs dialogs;
    QtWindowCommands windows;
    SimulatedStation station(gauge::Platform {messages, dialogs, windows});
    station.plugGaugeIn(1, "USB-Serial Controller");
    gauge::MainWindowModel &model = station.model;
    MainWindow window(model);
    windows.setMainWindow(&window);
    window.startUp();
    window.show();

    model.choosePort(1);
    model.chooseGaugeType(gauge::OilPressure);
    model.chooseOption(gauge::Choice::Unit, 2);
    model.chooseOption(gauge::Choice::Sender, 5);
    bool ok = save(&window, output.filePath(QStringLiteral("main-window.png")));

    model.showConnectionHelp();
    ok = save(windows.connectionHelp(), output.filePath(QStringLiteral("connection-help.png")))
        && ok;
    return ok ? 0 : 1;
}
