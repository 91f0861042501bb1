// Renders the README's pictures of the main window and the connection help, off screen:
//   QT_QPA_PLATFORM=offscreen screenshots OUTPUT_FOLDER
#include "FrmAbout.h"
#include "SimulatedGauge.h"
#include "FrmMain.h"
#include "FrmShow.h"
#include "HelpWindows.h"
#include "serial/Clock.h"
#include "serial/PortMap.h"
#include "serial/QtSerialPort.h"
#include "shell/FileDialogs.h"
#include "shell/Messages.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

namespace {

// COM1 is a simulated gauge, as a programming cable would be on a workshop PC; the machine's own
// ports are left alone.
class ExamplePorts final : public gauge::PortMap
{
public:
    explicit ExamplePorts(std::string path)
        : m_path(std::move(path))
    {
    }
    std::optional<gauge::PortDevice> device(int number) const override
    {
        if (number == 1)
            return gauge::PortDevice {m_path, "USB-Serial Controller"};
        return std::nullopt;
    }

private:
    std::string m_path;
};

class PrintedMessages final : public gauge::Messages
{
public:
    void show(gauge::MessageIcon, const std::string &text, const std::string &) override
    {
        std::fprintf(stderr, "message: %s\n", text.c_str());
    }
    bool ask(const std::string &) override { return false; }
};

class NoDialogs final : public gauge::FileDialogs
{
public:
    std::string openFileName(const std::string &, const std::string &) override { return {}; }
    std::string saveFileName(const std::string &, const std::string &) override { return {}; }
};

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

    gauge::sim::SimulatedGauge gauge;
    ExamplePorts ports(gauge.devicePath());
    QtSerialPort serialPort(ports);
    gauge::SteadyClock clock;
    PrintedMessages messages;
    NoDialogs dialogs;
    HelpWindows windows(messages, QDir::temp().filePath(QStringLiteral("gag.hlp")));
    gauge::MainForm form(gauge::Platform {messages, dialogs, serialPort, windows, clock});
    FrmMain window(form, ports);
    windows.setMainWindow(&window);
    window.load();
    window.show();
    bool ok = save(&window, output.filePath(QStringLiteral("start.png")));

    form.SerialPort_Click(1);
    form.Gauge_Click(3);
    form.select(gauge::GroupId::optUnit, 2);
    form.select(gauge::GroupId::optSender, 5);
    window.syncFromModel();
    ok = save(&window, output.filePath(QStringLiteral("main-window.png"))) && ok;

    form.HelpConnection_Click();
    ok = save(windows.connectionHelp(), output.filePath(QStringLiteral("connection-help.png"))) && ok;
    form.About_Click();
    ok = save(windows.about(), output.filePath(QStringLiteral("about.png"))) && ok;
    return ok ? 0 : 1;
}
