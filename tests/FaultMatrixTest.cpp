// Every fault a technician can run into, one row each. After each: a clear message (or, where the
// fault is the user's own cancel, none), the window still takes commands, the configuration on
// screen is unchanged, and the record file on disk is untouched.
#include "ConnectionHelpWindow.h"
#include "EndOnSignal.h"
#include "MainWindow.h"
#include "QtWindowCommands.h"
#include "SimulatedGauge.h"
#include "SimulatedStation.h"
#include "serial/QtSerialPort.h"
#include "support/Fakes.h"
#include "support/TempDir.h"
#include "transfer/PortMap.h"

#include <QAction>
#include <QPushButton>
#include <QSerialPort>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace gauge::test {
namespace {

using sim::ReplyMode;

const std::vector<unsigned char> KeptRecord = {100, 108, 100, 100, 101, 103, 101, 100, 100};

// The desktop window with the real serial adapter on a simulated gauge (COM1), a second one
// (COM2) that was there at start-up, and a record file on disk; configured for a Voltmeter, with
// COM1 open.
struct Rig
{
    explicit Rig(ReplyMode mode)
        : spare(std::make_unique<sim::SimulatedGauge>())
        , station(Platform {messages, dialogs, windows}, mode)
    {
        // The spare is reached through a link of the test's own: a pseudo-terminal's name can be
        // taken again by another test's the moment it goes.
        std::filesystem::create_symlink(spare->devicePath(), dir.path("spare"));
        station.plugGaugeIn(1, "");
        ports.set(2, {dir.path("spare"), ""});
        window = std::make_unique<MainWindow>(model);
        windows.setMainWindow(window.get());
        window->startUp();
        window->show();
        trigger("SerialPort(1)");
        trigger("Gauge(8)");
        model.chooseOption(Choice::Sender, 0);
        writeAll(record(), KeptRecord);
        messages.shown.clear();
    }

    void trigger(const char *action) { window->findChild<QAction *>(action)->trigger(); }
    void click(const char *button) { window->findChild<QPushButton *>(button)->click(); }
    std::string record() const { return dir.path("kept.gag"); }

    TempDir dir;
    std::unique_ptr<sim::SimulatedGauge> spare;
    FakeMessages messages;
    FakeFileDialogs dialogs;
    QtWindowCommands windows;
    SimulatedStation station;
    std::unique_ptr<sim::SimulatedGauge> &gauge = station.gauge;
    FixedPortMap &ports = station.ports;
    QtSerialPort &port = station.port;
    MainWindowModel &model = station.model;
    std::unique_ptr<MainWindow> window;
};

struct Fault
{
    std::string name;
    ReplyMode mode;
    std::function<void(Rig &)> act;
    std::string message; // a part of the one message expected; empty: no message at all
    bool needsNonRoot = false;
};

void PrintTo(const Fault &fault, std::ostream *out)
{
    *out << fault.name;
}

// Send Data, and the wait until the transfer has ended, on the window's own event loop.
void sendData(Rig &rig)
{
    rig.click("cmdTransfer");
    ASSERT_TRUE(QTest::qWaitFor([&rig] { return rig.model.takesCommands(); }));
}

void openFile(Rig &rig, const std::string &path)
{
    rig.dialogs.nextFileName = path;
    rig.trigger("GaugPar");
}

void saveTo(Rig &rig, const std::string &path)
{
    rig.dialogs.nextFileName = path;
    rig.trigger("SalvaConfigurazione");
}

const std::string NoCommunication = "Error: No Comunication with Digital Gauge ";

const Fault Faults[] = {
    {"PortVanishesMidWrite", ReplyMode::Correct,
     [](Rig &rig) {
         rig.gauge.reset(); // the cable is pulled: the writes go nowhere
         sendData(rig);
     },
     NoCommunication},
    {"PortVanishesMidRead", ReplyMode::HangUp, sendData, NoCommunication},
    {"ReplyGarbage", ReplyMode::BadEcho, sendData, "Error: Data not sent"},
    {"ReplyTooLong", ReplyMode::Long, sendData, NoCommunication},
    {"PortBusy", ReplyMode::Correct,
     [](Rig &rig) {
         QSerialPort other(QString::fromStdString(rig.spare->devicePath()));
         ASSERT_TRUE(other.open(QIODevice::ReadWrite));
         rig.trigger("SerialPort(2)");
     },
     "Error : Port is busy"},
    {"DeviceMissing", ReplyMode::Correct,
     [](Rig &rig) {
         rig.spare.reset(); // unplugged after start-up
         rig.trigger("SerialPort(2)");
     },
     "Error : 2"},
    {"PermissionDenied", ReplyMode::Correct,
     [](Rig &rig) {
         ::chmod(rig.ports.device(2)->path.c_str(), 0);
         rig.trigger("SerialPort(2)");
     },
     "Error : 13", true},
    {"SaveToADevice", ReplyMode::Correct, [](Rig &rig) { saveTo(rig, "/dev/full"); },
     "Not a regular file"},
    {"OpenAFifo", ReplyMode::Correct,
     [](Rig &rig) {
         ASSERT_EQ(::mkfifo(rig.dir.path("fifo.gag").c_str(), 0600), 0);
         openFile(rig, rig.dir.path("fifo.gag"));
     },
     "Not a regular file"},
    {"OpenRecordWithAlarmsInConflict", ReplyMode::Correct,
     [](Rig &rig) {
         writeAll(rig.dir.path("conflict.gag"), {100, 101, 100, 100, 103, 101, 101, 100, 100});
         openFile(rig, rig.dir.path("conflict.gag"));
     },
     "minimum alarm 60% lies above the maximum alarm 40%"},
    {"OpenSenderNoClickCanChoose", ReplyMode::Correct,
     [](Rig &rig) {
         writeAll(rig.dir.path("zor.gag"), {100, 107, 109, 100, 101, 103, 101, 100, 100});
         openFile(rig, rig.dir.path("zor.gag"));
     },
     "sender 9 has no curve for Water Temperature"},
    {"SaveToAFolder", ReplyMode::Correct, [](Rig &rig) { saveTo(rig, rig.dir.root().string()); },
     "Is a directory"},
    {"OpenMissingFile", ReplyMode::Correct,
     [](Rig &rig) { openFile(rig, rig.dir.path("missing.gag")); }, "No such file or directory"},
    {"OpenEmptyFile", ReplyMode::Correct,
     [](Rig &rig) {
         writeAll(rig.dir.path("empty.gag"), {});
         openFile(rig, rig.dir.path("empty.gag"));
     },
     "it holds 0 bytes"},
    {"OpenShortFile", ReplyMode::Correct,
     [](Rig &rig) {
         writeAll(rig.dir.path("short.gag"), {100, 101, 100});
         openFile(rig, rig.dir.path("short.gag"));
     },
     "it holds 3 bytes"},
    {"OpenOversizedFile", ReplyMode::Correct,
     [](Rig &rig) {
         writeAll(rig.dir.path("big.gag"), std::vector<unsigned char>(4 << 20, 0xFF));
         openFile(rig, rig.dir.path("big.gag"));
     },
     "byte 0: supply voltage 155 does not exist"},
    {"OpenUnreadableFile", ReplyMode::Correct,
     [](Rig &rig) {
         writeAll(rig.dir.path("locked.gag"), KeptRecord);
         std::filesystem::permissions(rig.dir.path("locked.gag"), std::filesystem::perms::none);
         openFile(rig, rig.dir.path("locked.gag"));
     },
     "Permission denied", true},
    {"CancelledDialogs", ReplyMode::Correct,
     [](Rig &rig) {
         saveTo(rig, "");
         openFile(rig, "");
     },
     ""},
};

class FaultMatrix : public testing::TestWithParam<Fault>
{
};

TEST_P(FaultMatrix, IsReportedAndChangesNothingElse)
{
    const Fault &fault = GetParam();
    if (fault.needsNonRoot && ::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    Rig rig(fault.mode);
    const WindowSnapshot before = snapshot(rig.model);

    fault.act(rig);

    if (fault.message.empty()) {
        EXPECT_TRUE(rig.messages.shown.empty());
    } else {
        ASSERT_EQ(rig.messages.shown.size(), 1u);
        EXPECT_NE(rig.messages.shown[0].text.find(fault.message), std::string::npos)
            << rig.messages.shown[0].text;
    }
    const WindowSnapshot after = snapshot(rig.model);
    EXPECT_EQ(after.options, before.options);
    EXPECT_EQ(after.configuration, before.configuration);
    EXPECT_EQ(readAll(rig.record()), KeptRecord);
    EXPECT_TRUE(rig.model.takesCommands());

    // The window still takes commands.
    rig.trigger("Gauge(1)");
    EXPECT_EQ(rig.model.gaugeFrameCaption(), "Fuel Level");
    openFile(rig, rig.record());
    EXPECT_EQ(rig.model.setup().configuration().gaugeType, Voltmeter);
}

INSTANTIATE_TEST_SUITE_P(EachFault, FaultMatrix, testing::ValuesIn(Faults),
                         [](const auto &info) { return info.param.name; });

// The session closing, or a kill, ends the tool as Exit does, the port let go with its lock, even
// while a transfer waits for the gauge and the help window is open.
TEST(FaultMatrixExit, ASignalToEndLetsGoOfThePort)
{
    for (const int signal : {SIGTERM, SIGHUP}) {
        // Heard even when the suite itself was started with the hang-up ignored (nohup).
        std::signal(signal, SIG_DFL);
        Rig rig(ReplyMode::Silent);
        EndOnSignal endOnSignal(rig.port);
        rig.trigger("HelpConnection");
        rig.click("cmdTransfer");
        ASSERT_FALSE(rig.model.takesCommands());
        QTimer::singleShot(0, [signal] { std::raise(signal); });
        QTimer giveUp;
        giveUp.callOnTimeout([] { QCoreApplication::exit(1); });
        giveUp.start(5000);
        EXPECT_EQ(QCoreApplication::exec(), 0) << signal;
        EXPECT_FALSE(rig.port.isOpen());
        QSerialPort other(QString::fromStdString(rig.ports.device(1)->path));
        EXPECT_TRUE(other.open(QIODevice::ReadWrite)) << other.errorString().toStdString();
    }
}

TEST(FaultMatrixExit, WithTheQtWindowCommandsOpenClosesTheMainWindowOnly)
{
    Rig rig(ReplyMode::Correct);
    rig.trigger("HelpConnection");
    rig.trigger("About");
    rig.click("cmdExit");
    EXPECT_FALSE(rig.window->isVisible());
    ASSERT_NE(rig.windows.connectionHelp(), nullptr);
    EXPECT_TRUE(rig.windows.connectionHelp()->isVisible());
    // The help window still answers its own button.
    rig.windows.connectionHelp()->findChild<QPushButton *>("cmdClose")->click();
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(readAll(rig.record()), KeptRecord);
}

} // namespace
} // namespace gauge::test
