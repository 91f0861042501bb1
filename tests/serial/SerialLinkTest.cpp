// The real Qt serial port adapter against a simulated gauge on a pseudo-terminal.
#include "SimulatedGauge.h"
#include "SimulatedStation.h"
#include "serial/OpeningFailure.h"
#include "serial/QtSerialPort.h"
#include "serial/SystemPortMap.h"
#include "support/Fakes.h"
#include "support/TempDir.h"
#include "transfer/Link.h"
#include "transfer/PortMap.h"

#include <QCoreApplication>
#include <QSerialPort>
#include <QTest>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace gauge::test {
namespace {

// Send Data, and the wait for the transfer's end on the event loop, as the window waits.
void sendAndWait(MainWindowModel &model)
{
    model.sendData();
    ASSERT_TRUE(QTest::qWaitFor([&model] { return model.takesCommands(); }, 5000));
}

using sim::ReplyMode;
using sim::SimulatedGauge;

class SerialLink : public testing::Test
{
protected:
    explicit SerialLink(ReplyMode mode = ReplyMode::Correct)
        : station(Platform {messages, dialogs, windows}, mode)
    {
        station.plugGaugeIn(3);
        station.plugGaugeIn(12);
        ports.set(5, {"/dev/no-such-serial-device", ""});
        model.start();
    }

    // COM3 chosen, and a Voltmeter set up: ready to send.
    void readyToSend()
    {
        model.choosePort(3);
        model.chooseGaugeType(Voltmeter);
        model.chooseOption(Choice::Sender, 0);
    }

    void send()
    {
        messages.shown.clear();
        sendAndWait(model);
    }

    std::string lastMessage() const
    {
        return messages.shown.empty() ? std::string() : messages.shown.back().text;
    }

    FakeMessages messages;
    FakeFileDialogs dialogs;
    FakeWindows windows;
    SimulatedStation station;
    SimulatedGauge &gauge = *station.gauge;
    FixedPortMap &ports = station.ports;
    QtSerialPort &port = station.port;
    MainWindowModel &model = station.model;
};

// The probe enables only the ports that open and leaves them closed; a choice opens one.
TEST_F(SerialLink, TheProbeLeavesPortsClosedAndAChoiceOpensOne)
{
    EXPECT_TRUE(model.portMenuItem(3).enabled);
    EXPECT_TRUE(model.portMenuItem(12).enabled);
    EXPECT_FALSE(model.portMenuItem(5).enabled);
    EXPECT_FALSE(model.portMenuItem(1).enabled);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(model.statusText(), "Serial Port Not Chosen yet or not available");

    model.choosePort(3);
    EXPECT_EQ(model.statusText(), "COM3 Active");
    EXPECT_TRUE(model.portMenuItem(3).checked);
    EXPECT_TRUE(port.isOpen());

    model.choosePort(12);
    EXPECT_EQ(model.statusText(), "COM12 Active");
    EXPECT_FALSE(model.portMenuItem(3).checked);
    model.choosePort(12);
    EXPECT_EQ(model.statusText(), "COM12 Active");
    EXPECT_TRUE(model.portMenuItem(12).checked);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SerialLink, SendDataProgramsTheGauge)
{
    readyToSend();
    send();
    EXPECT_EQ(lastMessage(), "Data has been sent successfully ");
    EXPECT_EQ(model.statusText(), "Data has been sent successfully ");
    EXPECT_EQ(model.progressValue(), 100);

    const auto packets = gauge.packets();
    ASSERT_EQ(packets.size(), 1u);
    const wire::Packet expected = model.setup().configuration().packet();
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), packets[0].begin()));
    EXPECT_EQ(packets[0][2], 8);
    EXPECT_EQ(packets[0][5], 9);

    // A second transfer over the same open port works as well.
    send();
    EXPECT_EQ(lastMessage(), "Data has been sent successfully ");
    EXPECT_EQ(gauge.packets().size(), 2u);
}

// Line noise, and what an interrupted transfer left half sent, come before the packet: the gauge
// finds the packet's start and answers that packet.
TEST_F(SerialLink, SendDataAfterLineNoiseProgramsTheGauge)
{
    readyToSend();
    const wire::Packet packet = model.setup().configuration().packet();
    const std::uint8_t noise[] = {0x00, 0x55, 0xAA};
    ASSERT_TRUE(port.write(noise));
    ASSERT_TRUE(port.write(std::span(packet).first(wire::PacketSize / 2)));
    send();
    EXPECT_EQ(lastMessage(), "Data has been sent successfully ");
    const auto packets = gauge.packets();
    ASSERT_EQ(packets.size(), 1u);
    EXPECT_TRUE(std::equal(packet.begin(), packet.end(), packets[0].begin()));
}

struct FaultCase
{
    ReplyMode mode;
    std::string message;
    std::string status;
    int progress;
};

void PrintTo(const FaultCase &c, std::ostream *out)
{
    *out << sim::modeName(c.mode);
}

class GaugeFaults : public SerialLink, public testing::WithParamInterface<FaultCase>
{
protected:
    GaugeFaults()
        : SerialLink(GetParam().mode)
    {
    }
};

TEST_P(GaugeFaults, EndWithTheirOwnMessage)
{
    const FaultCase &c = GetParam();
    readyToSend();

    sendAndWait(model);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, c.message);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(model.statusText(), c.status);
    EXPECT_EQ(model.progressValue(), c.progress);
}

const std::string NoCommunication = "Error: No Comunication with Digital Gauge ";
const std::string NoCommunicationStatus = "No Communication with Digital Gauge";

INSTANTIATE_TEST_SUITE_P(
    EachMode, GaugeFaults,
    testing::Values(
        FaultCase {ReplyMode::BadHeader, "Error: Data not sent", "Data not sent!!!", 100},
        FaultCase {ReplyMode::BadEcho, "Error: Data not sent", "Data not sent!!!", 100},
        FaultCase {ReplyMode::BadTrailer, "Error: Data not sent", "Data not sent!!!", 100},
        FaultCase {ReplyMode::Short, NoCommunication, NoCommunicationStatus, 49},
        FaultCase {ReplyMode::Long, NoCommunication, NoCommunicationStatus, 49},
        FaultCase {ReplyMode::Silent, NoCommunication, NoCommunicationStatus, 49},
        FaultCase {ReplyMode::HangUp, NoCommunication, NoCommunicationStatus, 49}),
    [](const auto &info) {
        std::string name(sim::modeName(info.param.mode));
        std::erase(name, '-');
        return name;
    });

TEST_F(SerialLink, ARealLineRateReplyIsReceived)
{
    gauge.setMode(ReplyMode::LineRate);
    readyToSend();
    send();
    EXPECT_EQ(lastMessage(), "Data has been sent successfully ");
}

TEST_F(SerialLink, AlarmOffAnsweredNoSendsNothing)
{
    readyToSend();
    model.chooseOption(Choice::MaximumAlarm, 4);
    messages.answer = false;
    send();
    EXPECT_EQ(messages.questions.size(), 1u);
    EXPECT_TRUE(gauge.packets().empty());

    messages.answer = true;
    send();
    ASSERT_EQ(gauge.packets().size(), 1u);
    EXPECT_EQ(gauge.packets()[0][14], 0);
    EXPECT_EQ(gauge.packets()[0][15], 0);
}

TEST_F(SerialLink, APortHeldByAnotherProgramIsBusy)
{
    QSerialPort other(QString::fromStdString(gauge.devicePath()));
    ASSERT_TRUE(other.open(QIODevice::ReadWrite)) << other.errorString().toStdString();
    model.choosePort(3);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error : Port is busy");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_NE(messages.shown[0].detail.find("another program"), std::string::npos);
    EXPECT_FALSE(model.portMenuItem(3).enabled);
    for (int n = 1; n <= 12; ++n)
        EXPECT_FALSE(model.portMenuItem(n).checked);
    send();
    EXPECT_EQ(lastMessage(), "Serial Port not chosen yet or not available");
}

TEST_F(SerialLink, AnExclusiveHoldIsBusyToo)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root opens a device whatever its exclusive flag";
    const int fd = ::open(gauge.devicePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ioctl(fd, TIOCEXCL), 0);
    model.choosePort(3);
    ::close(fd);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error : Port is busy");
}

// Joining the device's group is advised only where that group may read and write the device,
// and never root's group. Permission bits do not stop root, so the group is read off the device
// for every user; a refused opening names it where the bits do stop us.
TEST_F(SerialLink, PermissionAdviceNamesAGroupOnlyWhereItHelps)
{
    const std::string device = gauge.devicePath();
    const bool root = geteuid() == 0;
    // The owner's own bits decide for the owner, so a group of ours stands for one we are not in.
    const gid_t group = root ? 4242 : getegid();
    const ::group *entry = ::getgrgid(group);
    const std::string groupName = entry ? entry->gr_name : std::to_string(group);
    ASSERT_EQ(::chown(device.c_str(), static_cast<uid_t>(-1), group), 0);
    ASSERT_EQ(::chmod(device.c_str(), 0060), 0);
    EXPECT_EQ(groupThatMayUse(device), groupName);
    if (!root) {
        const Opening groupMay = port.probe(PortDevice {device});
        ASSERT_FALSE(groupMay.ok());
        EXPECT_EQ(groupMay.error().failure, OpenFailure::NoPermission);
        EXPECT_EQ(groupMay.error().accessGroup, groupName);
    }
    for (const mode_t mode : {0040, 0020, 0}) {
        ASSERT_EQ(::chmod(device.c_str(), mode), 0);
        EXPECT_EQ(groupThatMayUse(device), "") << mode;
        if (root)
            continue;
        const Opening nobodyMay = port.probe(PortDevice {device});
        ASSERT_FALSE(nobodyMay.ok()) << mode;
        EXPECT_EQ(nobodyMay.error().failure, OpenFailure::NoPermission) << mode;
        EXPECT_EQ(nobodyMay.error().accessGroup, "") << mode;
    }
    if (root) {
        ASSERT_EQ(::chown(device.c_str(), static_cast<uid_t>(-1), 0), 0);
        ASSERT_EQ(::chmod(device.c_str(), 0660), 0);
        EXPECT_EQ(groupThatMayUse(device), "");
    }
}

TEST_F(SerialLink, AMissingDeviceShowsTheSystemErrorNumber)
{
    // The device was there at start-up and is gone when chosen.
    model.choosePort(5);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error : 2");
    EXPECT_NE(messages.shown[0].detail.find("COM5 (/dev/no-such-serial-device)"),
              std::string::npos);
    EXPECT_FALSE(model.portMenuItem(5).enabled);
}

TEST_F(SerialLink, AfterAFailedChoiceSendDataFindsNoGauge)
{
    readyToSend();
    model.choosePort(5);
    send();
    EXPECT_EQ(lastMessage(), NoCommunication);
    EXPECT_EQ(model.statusText(), NoCommunicationStatus);
    EXPECT_TRUE(gauge.packets().empty());
}

TEST_F(SerialLink, AVanishedPortIsClosedAndTheToolCarriesOn)
{
    gauge.setMode(ReplyMode::HangUp);
    readyToSend();
    // Half a reply, then the line goes: nothing more can come, so the wait ends there rather
    // than at the time limit.
    const auto sending = std::chrono::steady_clock::now();
    send();
    EXPECT_LT(std::chrono::steady_clock::now() - sending, std::chrono::milliseconds(1500));
    EXPECT_EQ(lastMessage(), NoCommunication);
    EXPECT_FALSE(port.isOpen());

    // The next attempt fails at once instead of waiting out the time limit.
    const auto start = std::chrono::steady_clock::now();
    send();
    EXPECT_EQ(lastMessage(), NoCommunication);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    model.chooseGaugeType(FuelLevel);
    EXPECT_EQ(model.setup().configuration().gaugeType, FuelLevel);
}

// Keeps back the calls queued to an object, such as the adapter's passing on of arrived bytes.
struct QueuedCallsKeptBack : QObject
{
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::MetaCall)
            return false;
        ++kept;
        return true;
    }
    int kept = 0;
};

// A gauge may hang up right after its whole reply, after the adapter has read it but before it
// was passed on from the event loop: it comes with the news of the line lost. (What the adapter
// has not read by then is gone: the system drops a pseudo-terminal's input when its far end
// closes, as it does a USB adapter's when it is pulled.)
TEST_F(SerialLink, AReplyThatArrivedWholeSurvivesTheLineDropping)
{
    std::vector<std::uint8_t> received;
    std::vector<std::uint8_t> receivedWhenLost;
    bool lost = false;
    port.setEvents({[&](std::span<const std::uint8_t> bytes) {
                        received.insert(received.end(), bytes.begin(), bytes.end());
                    },
                    [&](std::span<const std::uint8_t> lastBytes) {
                        received.insert(received.end(), lastBytes.begin(), lastBytes.end());
                        lost = true;
                        receivedWhenLost = received;
                    }});
    ASSERT_TRUE(openLink(port, *ports.device(3)).ok());
    QueuedCallsKeptBack passingOn;
    port.installEventFilter(&passingOn);
    const wire::Packet packet = wire::buildPacket({});
    ASSERT_TRUE(port.write(packet));
    ASSERT_TRUE(QTest::qWaitFor([&passingOn] { return passingOn.kept > 0; }));
    port.removeEventFilter(&passingOn);
    gauge.hangUp();
    ASSERT_TRUE(QTest::qWaitFor([&lost] { return lost; }));

    EXPECT_FALSE(port.isOpen());
    ASSERT_EQ(receivedWhenLost.size(), wire::ReplySize);
    wire::Reply reply {};
    std::copy(received.begin(), received.end(), reply.begin());
    EXPECT_TRUE(wire::replyHeaderValid(reply));
    EXPECT_TRUE(wire::replyEchoValid(reply, packet));
}

// The lock that keeps a second program off a port is named after what is opened: a link to the
// device and the device itself must not make two locks.
TEST_F(SerialLink, TwoNamesForOneDeviceShareOneLock)
{
    TempDir dir;
    const std::string link = dir.path("gauge");
    std::filesystem::create_symlink(gauge.devicePath(), link);
    QtSerialPort viaLink;
    ASSERT_TRUE(openLink(viaLink, PortDevice {link}).ok());

    model.choosePort(3);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error : Port is busy");
}

// The help windows may keep the program running after Exit; the port must be free at once.
TEST_F(SerialLink, ExitLetsGoOfThePortAtOnce)
{
    model.choosePort(3);
    model.exitProgram(ExitFrom::Menu);
    QSerialPort other(QString::fromStdString(gauge.devicePath()));
    EXPECT_TRUE(other.open(QIODevice::ReadWrite)) << other.errorString().toStdString();
}

// Qt has seen the line go, but the model has not heard of it yet when Send Data comes: the
// transfer meets the loss in order, and the status bar ends on the transfer's outcome.
TEST_F(SerialLink, SendDataRightAfterTheLineWentEndsOnItsOwnOutcome)
{
    readyToSend();
    gauge.hangUp();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    QCoreApplication::processEvents();
    send();
    EXPECT_EQ(lastMessage(), NoCommunication);
    EXPECT_EQ(model.statusText(), NoCommunicationStatus);
    EXPECT_FALSE(model.portMenuItem(3).checked);
}

TEST_F(SerialLink, ALostDeviceIsNoLongerShownActive)
{
    readyToSend();
    gauge.hangUp();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !model.portMenuItem(3).checked; }));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(model.statusText(), "Serial Port Not Chosen yet or not available");
    EXPECT_TRUE(model.setup().configuration().complete());
    EXPECT_TRUE(messages.shown.empty());
}

// The system's serial devices as sysfs lists them: a reserved port without hardware behind it
// (type 0), and a terminal with no device at all, get no COM number.
TEST(SystemPorts, OnlyTtysWithHardwareBehindThemAreNumbered)
{
    TempDir sys;
    namespace fs = std::filesystem;
    const auto tty = [&sys](const std::string &name, const char *type) {
        fs::create_directories(sys.path("class/tty/" + name));
        if (type)
            std::ofstream(sys.path("class/tty/" + name + "/type")) << type << "\n";
    };
    tty("tty0", nullptr);
    tty("ttyS0", "0");
    tty("ttyS1", "4");
    fs::create_directory(sys.path("class/tty/ttyS0/device"));
    fs::create_directory(sys.path("class/tty/ttyS1/device"));
    fs::create_directories(sys.path("usb/1-1/1-1:1.0"));
    std::ofstream(sys.path("usb/1-1/product")) << "Programming cable\n";
    std::ofstream(sys.path("usb/1-1/busnum")) << "1\n";
    std::ofstream(sys.path("usb/1-1/devnum")) << "7\n";
    tty("ttyUSB0", nullptr);
    fs::create_directory_symlink(sys.path("usb/1-1/1-1:1.0"), sys.path("class/tty/ttyUSB0/device"));

    SystemPortMap ports(sys.path("class/tty"));
    ports.rescan();
    ASSERT_TRUE(ports.device(1));
    EXPECT_EQ(ports.device(1)->path, "/dev/ttyUSB0");
    EXPECT_EQ(ports.device(1)->description, "Programming cable");
    EXPECT_EQ(ports.device(1)->plugging, "1-7");
    ASSERT_TRUE(ports.device(2));
    EXPECT_EQ(ports.device(2)->path, "/dev/ttyS1");
    for (int n = 3; n <= PortCount; ++n)
        EXPECT_FALSE(ports.device(n)) << n;
}

TEST(SimulatedGaugeReplies, FollowTheirMode)
{
    const std::vector<std::uint8_t> packet(37, 7);
    const auto correct = sim::replyTo(packet, ReplyMode::Correct);
    ASSERT_EQ(correct.size(), 42u);
    EXPECT_EQ(correct[0], 170);
    EXPECT_EQ(correct[1], 170);
    EXPECT_EQ(correct[3], 84);
    EXPECT_EQ(correct[4], 7);
    EXPECT_EQ(correct[41], 0);
    EXPECT_EQ(sim::replyTo(packet, ReplyMode::Correct, 1)[3], 85);
    EXPECT_EQ(sim::replyTo(packet, ReplyMode::Short).size(), 41u);
    EXPECT_EQ(sim::replyTo(packet, ReplyMode::Long).size(), 43u);
    EXPECT_TRUE(sim::replyTo(packet, ReplyMode::Silent).empty());
    EXPECT_EQ(sim::replyTo(packet, ReplyMode::BadTrailer)[41], 1);
    EXPECT_EQ(sim::modeFromName("line-rate"), ReplyMode::LineRate);
    EXPECT_EQ(sim::modeFromName("bogus"), std::nullopt);
}

} // namespace
} // namespace gauge::test
