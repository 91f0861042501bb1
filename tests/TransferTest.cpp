// Send Data and the port menu, against serial devices in memory.
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace gauge::test {
namespace {

class Transfer : public testing::Test
{
protected:
    void SetUp() override { f.model.choosePort(3); }

    void configureVoltmeter()
    {
        f.choose(8);
        f.click(Choice::Sender, 0);
    }

    StartedWindow f {{1, 2, 3, 12}};
};

TEST_F(Transfer, SendsThePacketAndReportsSuccess)
{
    configureVoltmeter();
    std::vector<int> progress;
    f.model.setChangeListener([&] { progress.push_back(f.model.progressValue()); });
    f.sendData();

    const wire::Packet expected = f.config().packet();
    ASSERT_EQ(f.port.written.size(), 37u);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), f.port.written.begin()));
    EXPECT_EQ(f.port.written[2], 8);
    EXPECT_EQ(f.messages.texts(), std::vector<std::string> {"Data has been sent successfully "});
    EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(f.model.statusText(), "Data has been sent successfully ");
    EXPECT_TRUE(f.messages.questions.empty());
    EXPECT_TRUE(f.model.progressVisible());
    EXPECT_EQ(f.model.progressValue(), 100);
    EXPECT_TRUE(f.model.takesCommands());

    // 0, 1, 3, 4 ... while sending, 49 after the last byte, back to 47 at the first reply byte.
    std::vector<int> steps;
    for (int value : progress) {
        if (steps.empty() || steps.back() != value)
            steps.push_back(value);
    }
    ASSERT_GE(steps.size(), 6u);
    EXPECT_EQ(std::vector<int>(steps.begin(), steps.begin() + 4), (std::vector<int> {0, 1, 3, 4}));
    const auto at49 = std::find(steps.begin(), steps.end(), 49);
    ASSERT_NE(at49, steps.end());
    EXPECT_EQ(*(at49 + 1), 47);
    EXPECT_EQ(steps.back(), 100);
}

// The window stays on its own event loop while the gauge has not answered yet, and takes no
// other command until the transfer has ended and its outcome has been told.
TEST_F(Transfer, NoOtherCommandRunsUntilTheTransferEnds)
{
    configureVoltmeter();
    f.model.sendData();
    ASSERT_FALSE(f.model.takesCommands());
    EXPECT_EQ(f.model.statusText(), "Set in progress.....");
    EXPECT_EQ(f.model.progressValue(), 49);

    f.model.chooseGaugeType(FuelLevel);
    f.click(Choice::MaximumAlarm, 1);
    f.model.choosePort(1);
    f.model.lookAtPorts();
    f.model.exitProgram(ExitFrom::Menu);
    EXPECT_FALSE(f.model.windowMayClose());
    f.model.sendData();
    EXPECT_EQ(f.config().gaugeType, Voltmeter);
    EXPECT_EQ(f.config().maximumAlarm, 800);
    EXPECT_EQ(f.port.openDevice, WindowFixture::devicePath(3));
    EXPECT_EQ(f.windows.mainWindowClosed, 0);
    EXPECT_EQ(f.port.written.size(), 37u);
    EXPECT_FALSE(f.model.portMenuItem(1).enabled);
    EXPECT_FALSE(f.model.gaugeTypeOffered(FuelLevel));
    EXPECT_TRUE(f.messages.shown.empty());

    // Nor while its outcome's message is up.
    f.messages.whileShown = [this] { f.model.chooseGaugeType(FuelLevel); };
    f.finishTransfer();
    EXPECT_EQ(f.messages.texts(), std::vector<std::string> {"Data has been sent successfully "});
    EXPECT_EQ(f.config().gaugeType, Voltmeter);
    EXPECT_TRUE(f.model.portMenuItem(1).enabled);
    f.model.chooseGaugeType(FuelLevel);
    EXPECT_EQ(f.config().gaugeType, FuelLevel);
}

TEST_F(Transfer, RefusesWithoutAPortBeforeLookingAtTheConfiguration)
{
    StartedWindow g;
    g.sendData();
    EXPECT_EQ(g.messages.texts(),
              std::vector<std::string> {"Serial Port not chosen yet or not available"});
    EXPECT_EQ(g.model.statusText(), "Serial Port not chosen yet or not available");
    EXPECT_TRUE(g.port.written.empty());
}

TEST_F(Transfer, RefusesAnIncompleteConfigurationLeavingTheStatus)
{
    f.choose(3);
    f.sendData();
    EXPECT_EQ(f.messages.texts(),
              std::vector<std::string> {"Attention: Setting Parameters not complete"});
    EXPECT_EQ(f.model.statusText(), "COM3 Active");
    EXPECT_TRUE(f.port.written.empty());
}

TEST_F(Transfer, AsksWhenAnAlarmIsOff)
{
    configureVoltmeter();
    f.click(Choice::MinimumAlarm, 0);
    f.messages.answer = false;
    f.sendData();
    EXPECT_EQ(
        f.messages.questions,
        std::vector<std::string> {"Minimum or/and Maximum Alarm are OFF, do you want continue?"});
    EXPECT_TRUE(f.port.written.empty());
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.model.statusText(), "COM3 Active");

    f.messages.answer = true;
    f.sendData();
    ASSERT_EQ(f.port.written.size(), 37u);
    EXPECT_EQ(f.port.written[10], 0);
    EXPECT_EQ(f.port.written[11], 0);
    EXPECT_EQ(f.model.statusText(), "Data has been sent successfully ");
}

// The wait is "more than two seconds" and no more: a gauge that never answers is given up on
// then, not later.
TEST_F(Transfer, SilenceIsNoCommunicationAtTwoSeconds)
{
    configureVoltmeter();
    f.port.answers = false;
    const auto start = f.clock.current;
    f.sendData();
    EXPECT_GT(f.clock.current - start, std::chrono::seconds(2));
    EXPECT_LE(f.clock.current - start, std::chrono::milliseconds(2005));
    EXPECT_EQ(f.messages.texts(),
              std::vector<std::string> {"Error: No Comunication with Digital Gauge "});
    EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(f.model.statusText(), "No Communication with Digital Gauge");
    EXPECT_EQ(f.model.progressValue(), 49);
}

TEST_F(Transfer, ATimerThatFiresEarlyDoesNotEndTheWait)
{
    configureVoltmeter();
    f.port.answers = false;
    f.model.sendData();
    f.clock.current += std::chrono::milliseconds(1990);
    f.timer.fireEarly();
    EXPECT_TRUE(f.timer.pending());
    EXPECT_FALSE(f.model.takesCommands());
    f.port.replyChunks = {properReply(f.config().packet())};
    f.finishTransfer();
    EXPECT_EQ(f.model.statusText(), "Data has been sent successfully ");
}

// Whatever came in before the packet, or while it was handed over, is not the reply.
TEST_F(Transfer, LineNoiseIsNotTakenForTheReply)
{
    configureVoltmeter();
    f.port.unheard = {0x55, 0xAA};
    f.port.noiseWhileWriting = {0x00};
    f.sendData();
    EXPECT_EQ(f.messages.texts(), std::vector<std::string> {"Data has been sent successfully "});
}

TEST_F(Transfer, ReplyLengthMustBeExact)
{
    configureVoltmeter();
    const auto proper = properReply(f.config().packet());
    for (std::size_t length : {41u, 43u}) {
        f.messages.shown.clear();
        f.port.replyChunks = {proper};
        f.port.replyChunks.front().resize(length, 0);
        f.port.answers = false;
        f.sendData();
        EXPECT_EQ(f.model.statusText(), "No Communication with Digital Gauge") << length;
    }
    // The wait ends at the 42nd byte; what comes after it is no longer looked at.
    f.port.replyChunks = {std::vector<std::uint8_t>(proper.begin(), proper.end() - 2),
                          {proper.end() - 2, proper.end()},
                          {0}};
    f.sendData();
    EXPECT_EQ(f.model.statusText(), "Data has been sent successfully ");
}

TEST_F(Transfer, AWrongHeaderOrEchoIsDataNotSent)
{
    configureVoltmeter();
    const auto proper = properReply(f.config().packet());
    for (std::size_t corrupt : {3u, 20u, 41u}) {
        f.messages.shown.clear();
        f.port.replyChunks = {proper};
        f.port.replyChunks.front()[corrupt] ^= 0x01;
        f.port.answers = false;
        f.sendData();
        EXPECT_EQ(f.messages.texts(), std::vector<std::string> {"Error: Data not sent"}) << corrupt;
        EXPECT_EQ(f.model.statusText(), "Data not sent!!!");
    }
}

TEST_F(Transfer, HelpModeExplainsInsteadOfSending)
{
    f.model.enterHelpMode();
    f.sendData();
    EXPECT_EQ(f.model.statusText(), "Transfer the data on Digital Instrument ");
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_TRUE(f.port.written.empty());
    EXPECT_FALSE(f.model.helpMode());
    EXPECT_EQ(f.model.mousePointer(), MousePointer::Default);

    configureVoltmeter();
    f.sendData();
    EXPECT_EQ(f.port.written.size(), 37u);
}

TEST_F(Transfer, PortChoiceOpensTheLinkAndMarksTheItem)
{
    EXPECT_EQ(f.model.statusText(), "COM3 Active");
    EXPECT_TRUE(f.model.portMenuItem(3).checked);
    EXPECT_EQ(f.port.openDevice, WindowFixture::devicePath(3));
    EXPECT_EQ(f.port.lineSettings, LinkLineSettings);

    f.model.choosePort(12);
    EXPECT_EQ(f.model.statusText(), "COM12 Active");
    EXPECT_FALSE(f.model.portMenuItem(3).checked);
    EXPECT_TRUE(f.model.portMenuItem(12).checked);

    const std::ptrdiff_t opens = f.openingsOf(12);
    f.model.choosePort(12);
    EXPECT_EQ(f.openingsOf(12), opens + 1);
    EXPECT_TRUE(f.model.portMenuItem(12).checked);
    EXPECT_EQ(f.model.statusText(), "COM12 Active");
}

TEST_F(Transfer, ABusyPortIsReportedAndDisabled)
{
    f.refuse(2, OpenFailure::Busy, PortBusyError);
    f.model.choosePort(2);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, "Error : Port is busy");
    EXPECT_EQ(f.messages.shown[0].detail,
              "COM2 (/dev/fake2) is in use by another program. Close that program, or choose "
              "another port.");
    EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Information);
    EXPECT_FALSE(f.model.portMenuItem(2).enabled);
    for (int n = 1; n <= 12; ++n)
        EXPECT_FALSE(f.model.portMenuItem(n).checked) << n;
    EXPECT_EQ(f.model.statusText(), "COM3 Active");
    EXPECT_FALSE(f.port.isOpen());
}

TEST_F(Transfer, OtherOpeningFailuresShowTheErrorNumber)
{
    f.model.choosePort(5);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, "Error : 2");
    EXPECT_EQ(f.messages.shown[0].detail,
              "No serial device answers as COM5. Check that the programming cable is plugged in.");
}

TEST_F(Transfer, AfterAFailedChoiceSendDataFindsNoGauge)
{
    configureVoltmeter();
    f.refuse(2, OpenFailure::Busy, PortBusyError);
    f.model.choosePort(2);
    f.messages.shown.clear();
    f.sendData();
    EXPECT_EQ(f.messages.texts(),
              std::vector<std::string> {"Error: No Comunication with Digital Gauge "});
    EXPECT_EQ(f.model.statusText(), "No Communication with Digital Gauge");
}

// The menu shows the last look at the ports: what stands behind each entry, and the link's port
// checked.
TEST_F(Transfer, ThePortMenuShowsTheLastLookAtThePorts)
{
    f.unplug(2);
    f.plugIn(5);
    f.model.lookAtPorts();
    for (int n = 1; n <= 12; ++n) {
        const bool usable = n == 1 || n == 3 || n == 5 || n == 12;
        EXPECT_EQ(f.model.portMenuItem(n).enabled, usable) << n;
        EXPECT_EQ(f.model.portMenuItem(n).checked, n == 3) << n;
    }
    EXPECT_EQ(f.model.portMenuItem(2).description, "No serial device found for this port");
    EXPECT_EQ(f.model.portMenuItem(5).description, "/dev/fake5 – fake serial device");
    EXPECT_EQ(f.port.openDevice, WindowFixture::devicePath(3));
    EXPECT_EQ(f.model.statusText(), "COM3 Active");

    // A failed choice greys its entry, and leaves Send Data and the status bar as they were.
    f.refuse(12, OpenFailure::Other, EIO);
    f.model.choosePort(12);
    f.model.lookAtPorts();
    EXPECT_FALSE(f.model.portMenuItem(12).enabled);
    EXPECT_TRUE(f.model.sendDataEnabled());
    EXPECT_EQ(f.model.statusText(), "COM3 Active");
}

TEST(PortMenu, APortPluggedInAfterTheStartMakesSendDataAvailable)
{
    StartedWindow f(std::set<int> {});
    ASSERT_FALSE(f.model.sendDataEnabled());
    f.plugIn(2);
    f.model.lookAtPorts();
    EXPECT_TRUE(f.model.sendDataEnabled());
    EXPECT_TRUE(f.model.portMenuItem(2).enabled);
    EXPECT_EQ(f.model.statusText(), "Serial Port Not Chosen yet or not available");
}

// Joining the device's group helps only where that group may read and write it; the menu says
// so on the greyed item, too.
TEST(PortMenu, APermissionRefusalSaysWhyAndWhatHelps)
{
    WindowFixture f({1, 2});
    f.port.refusals[WindowFixture::devicePath(1)] = {OpenFailure::NoPermission, EACCES, "dialout"};
    f.port.refusals[WindowFixture::devicePath(2)] = {OpenFailure::NoPermission, EACCES, ""};
    f.startUp();
    EXPECT_FALSE(f.model.portMenuItem(1).enabled);
    EXPECT_EQ(f.model.portMenuItem(1).description,
              "You may not use COM1 (/dev/fake1): the device belongs to the group \"dialout\". "
              "Add your user to that group (for example: sudo usermod -aG dialout $USER), then "
              "log out and in again.");
    const std::string noGroup = f.model.portMenuItem(2).description;
    EXPECT_NE(noGroup.find("udev rule"), std::string::npos) << noGroup;
    EXPECT_EQ(noGroup.find("usermod"), std::string::npos) << noGroup;
}

TEST_F(Transfer, ALostDeviceIsNoLongerShownActive)
{
    configureVoltmeter();
    int changes = 0;
    f.model.setChangeListener([&changes] { ++changes; });
    f.port.loseDevice();
    EXPECT_GT(changes, 0);
    for (int n = 1; n <= 12; ++n)
        EXPECT_FALSE(f.model.portMenuItem(n).checked) << n;
    EXPECT_EQ(f.model.statusText(), "Serial Port Not Chosen yet or not available");
    EXPECT_TRUE(f.model.portMenuItem(3).enabled);
    EXPECT_TRUE(f.config().complete());
    EXPECT_TRUE(f.messages.shown.empty());

    f.model.choosePort(3);
    EXPECT_TRUE(f.model.portMenuItem(3).checked);
    EXPECT_EQ(f.model.statusText(), "COM3 Active");
}

// A port that refuses a byte gets no more of the packet, and the transfer does not wait for a
// reply to a packet the gauge never had.
TEST_F(Transfer, APacketThePortRefusesEndsTheTransferAtOnce)
{
    configureVoltmeter();
    f.port.refusesWrites = true;
    const auto start = f.clock.current;
    f.sendData();
    EXPECT_EQ(f.clock.current, start);
    EXPECT_TRUE(f.port.written.empty());
    EXPECT_EQ(f.messages.texts(),
              std::vector<std::string> {"Error: No Comunication with Digital Gauge "});
    EXPECT_EQ(f.model.statusText(), "No Communication with Digital Gauge");
    EXPECT_EQ(f.model.progressValue(), 49);
}

// A device going away mid-packet: the port takes ten bytes, refuses one, and would take the rest
// again, which would reach the gauge as a broken packet.
struct PortRefusingOneByte final : SerialPort
{
    void setEvents(PortEvents) override { }
    Opening open(const PortDevice &, const LineSettings &) override { return {}; }
    bool isOpen() const override { return true; }
    void close() override { }
    Opening probe(const PortDevice &) override { return {}; }
    void discardInput() override { }
    bool write(std::span<const std::uint8_t>) override { return ++offered != 11; }

    int offered = 0;
};

TEST(TransferOnAFailingPort, NothingMoreGoesOutOnceAByteIsRefused)
{
    FakeClock clock;
    FakeTimer timer {clock};
    PortRefusingOneByte port;
    gauge::Transfer transfer(port, clock, timer);
    std::optional<TransferOutcome> outcome;
    transfer.start(wire::buildPacket({}), {}, [&outcome](TransferOutcome end) { outcome = end; });
    timer.fire();
    EXPECT_EQ(port.offered, 11);
    EXPECT_EQ(outcome, TransferOutcome::NoCommunication);
}

TEST_F(Transfer, ALineLostDuringTheTransferEndsItAtOnce)
{
    configureVoltmeter();
    f.model.sendData();
    const auto start = f.clock.current;
    f.port.loseDevice();
    EXPECT_TRUE(f.model.takesCommands());
    EXPECT_EQ(f.clock.current, start);
    EXPECT_EQ(f.messages.texts(),
              std::vector<std::string> {"Error: No Comunication with Digital Gauge "});
    EXPECT_FALSE(f.model.portMenuItem(3).checked);
}

// A gauge may hang up right after its whole reply: the reply counts, and the menu shows the port
// gone, the status bar the transfer's outcome.
TEST_F(Transfer, AWholeReplyBeforeTheLineWentCounts)
{
    configureVoltmeter();
    f.model.sendData();
    f.port.loseDevice(properReply(f.config().packet()));
    EXPECT_EQ(f.messages.texts(), std::vector<std::string> {"Data has been sent successfully "});
    EXPECT_EQ(f.model.statusText(), "Data has been sent successfully ");
    EXPECT_FALSE(f.model.portMenuItem(3).checked);
}

TEST_F(Transfer, ExitLetsGoOfThePortAtOnce)
{
    f.model.enterHelpMode();
    f.model.exitProgram(ExitFrom::ToolBar);
    EXPECT_TRUE(f.port.isOpen());
    f.model.exitProgram(ExitFrom::ToolBar);
    EXPECT_FALSE(f.port.isOpen());
    EXPECT_EQ(f.windows.mainWindowClosed, 1);

    f.model.choosePort(3);
    f.model.exitProgram(ExitFrom::Menu);
    EXPECT_FALSE(f.port.isOpen());
    EXPECT_EQ(f.windows.mainWindowClosed, 2);
}

} // namespace
} // namespace gauge::test
