// Send Data and the port menu, against a serial port in memory.
#include "support/Fakes.h"

#include <gtest/gtest.h>

namespace gauge::test {
namespace {

class Transfer : public testing::Test
{
protected:
    void SetUp() override
    {
        f.port.openable = {1, 2, 3, 12};
        f.load();
        f.model.choosePort(3);
    }

    void configureVoltmeter()
    {
        f.choose(8);
        f.click(Choice::Sender, 0);
    }

    WindowFixture f;
};

TEST_F(Transfer, SendsThePacketAndReportsSuccess)
{
    configureVoltmeter();
    std::vector<int> progress;
    f.model.setChangeListener([&] { progress.push_back(f.model.progressValue()); });
    f.model.sendData();

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
    EXPECT_FALSE(f.model.transferInProgress());

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

TEST_F(Transfer, RefusesWithoutAPortBeforeLookingAtTheConfiguration)
{
    WindowFixture g;
    g.load();
    g.model.sendData();
    EXPECT_EQ(g.messages.texts(),
              std::vector<std::string> {"Serial Port not chosen yet or not available"});
    EXPECT_EQ(g.model.statusText(), "Serial Port not chosen yet or not available");
    EXPECT_TRUE(g.port.written.empty());
}

TEST_F(Transfer, RefusesAnIncompleteConfigurationLeavingTheStatus)
{
    f.choose(3);
    f.model.sendData();
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
    f.model.sendData();
    EXPECT_EQ(
        f.messages.questions,
        std::vector<std::string> {"Minimum or/and Maximum Alarm are OFF, do you want continue?"});
    EXPECT_TRUE(f.port.written.empty());
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.model.statusText(), "COM3 Active");

    f.messages.answer = true;
    f.model.sendData();
    ASSERT_EQ(f.port.written.size(), 37u);
    EXPECT_EQ(f.port.written[10], 0);
    EXPECT_EQ(f.port.written[11], 0);
    EXPECT_EQ(f.model.statusText(), "Data has been sent successfully ");
}

TEST_F(Transfer, SilenceIsNoCommunicationAfterTwoSeconds)
{
    configureVoltmeter();
    f.port.answers = false;
    const auto start = f.clock.current;
    f.model.sendData();
    EXPECT_GT(f.clock.current - start, std::chrono::seconds(2));
    EXPECT_EQ(f.messages.texts(),
              std::vector<std::string> {"Error: No Comunication with Digital Gauge "});
    EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(f.model.statusText(), "No Communication with Digital Gauge");
    EXPECT_EQ(f.model.progressValue(), 49);
}

TEST_F(Transfer, ReplyLengthMustBeExact)
{
    configureVoltmeter();
    const auto proper = properReply(f.config().packet());
    for (std::size_t length : {41u, 43u}) {
        f.messages.shown.clear();
        f.port.replyChunks = {proper};
        f.port.replyChunks.front().resize(length, 0);
        f.model.sendData();
        EXPECT_EQ(f.model.statusText(), "No Communication with Digital Gauge") << length;
    }
}

TEST_F(Transfer, AWrongHeaderOrEchoIsDataNotSent)
{
    configureVoltmeter();
    const auto proper = properReply(f.config().packet());
    for (std::size_t corrupt : {3u, 20u, 41u}) {
        f.messages.shown.clear();
        f.port.replyChunks = {proper};
        f.port.replyChunks.front()[corrupt] ^= 0x01;
        f.model.sendData();
        EXPECT_EQ(f.messages.texts(), std::vector<std::string> {"Error: Data not sent"}) << corrupt;
        EXPECT_EQ(f.model.statusText(), "Data not sent!!!");
    }
}

TEST_F(Transfer, HelpModeExplainsInsteadOfSending)
{
    f.model.enterHelpMode();
    f.model.sendData();
    EXPECT_EQ(f.model.statusText(), "Transfer the data on Digital Instrument ");
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_TRUE(f.port.written.empty());
    EXPECT_FALSE(f.model.helpMode());
    EXPECT_EQ(f.model.mousePointer(), MousePointer::Default);

    configureVoltmeter();
    f.model.sendData();
    EXPECT_EQ(f.port.written.size(), 37u);
}

TEST_F(Transfer, PortChoiceOpensTheLinkAndMarksTheItem)
{
    EXPECT_EQ(f.model.statusText(), "COM3 Active");
    EXPECT_TRUE(f.model.portMenuItem(3).checked);
    EXPECT_EQ(f.port.lineSettings, LinkLineSettings);
    EXPECT_EQ(f.port.receiveSettings, ReceiveSettings {});

    f.model.choosePort(12);
    EXPECT_EQ(f.model.statusText(), "COM12 Active");
    EXPECT_FALSE(f.model.portMenuItem(3).checked);
    EXPECT_TRUE(f.model.portMenuItem(12).checked);

    const int opens = f.port.opens;
    f.model.choosePort(12);
    EXPECT_EQ(f.port.opens, opens + 1);
    EXPECT_TRUE(f.model.portMenuItem(12).checked);
    EXPECT_EQ(f.model.statusText(), "COM12 Active");
}

TEST_F(Transfer, ABusyPortIsReportedAndDisabled)
{
    f.port.busy = {2};
    f.model.choosePort(2);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, "Error : Port is busy");
    EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Information);
    EXPECT_FALSE(f.model.portMenuItem(2).enabled);
    for (int n = 1; n <= 12; ++n)
        EXPECT_FALSE(f.model.portMenuItem(n).checked) << n;
    EXPECT_EQ(f.model.statusText(), "COM3 Active");
}

TEST_F(Transfer, OtherOpeningFailuresShowTheErrorNumber)
{
    f.model.choosePort(5);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, "Error : 2");
    EXPECT_EQ(f.messages.shown[0].detail, "detail for 2");
}

TEST_F(Transfer, AfterAFailedChoiceSendDataFindsNoGauge)
{
    configureVoltmeter();
    f.port.busy = {2};
    f.model.choosePort(2);
    f.messages.shown.clear();
    f.model.sendData();
    EXPECT_EQ(f.messages.texts(),
              std::vector<std::string> {"Error: No Comunication with Digital Gauge "});
    EXPECT_EQ(f.model.statusText(), "No Communication with Digital Gauge");
}

TEST_F(Transfer, ProbeEnablesOnlyThePortsThatOpen)
{
    for (int n = 1; n <= 12; ++n) {
        const bool opens = n == 1 || n == 2 || n == 3 || n == 12;
        EXPECT_EQ(f.model.portMenuItem(n).enabled, opens) << n;
    }
}

// The Serial Port menu reads the ports anew each time it opens. The port open for the link is
// not tried again: it stays open, enabled and checked.
TEST_F(Transfer, ThePortMenuFindsPortsAnewAndKeepsTheOpenOne)
{
    f.port.openable = {1, 5, 12}; // COM2 unplugged, COM5 plugged in since the start
    f.model.refreshPorts();
    for (int n = 1; n <= 12; ++n) {
        const bool usable = n == 1 || n == 3 || n == 5 || n == 12;
        EXPECT_EQ(f.model.portMenuItem(n).enabled, usable) << n;
        EXPECT_EQ(f.model.portMenuItem(n).checked, n == 3) << n;
    }
    EXPECT_TRUE(f.port.isOpen());
    EXPECT_EQ(f.port.portNumber, 3);
    EXPECT_EQ(f.model.statusText(), "COM3 Active");
}

TEST(PortMenu, APortPluggedInAfterTheStartMakesSendDataAvailable)
{
    WindowFixture f(std::set<int> {});
    f.load();
    ASSERT_FALSE(f.model.sendDataEnabled());
    f.port.openable = {2};
    f.model.refreshPorts();
    EXPECT_TRUE(f.model.sendDataEnabled());
    EXPECT_TRUE(f.model.portMenuItem(2).enabled);
    EXPECT_EQ(f.model.statusText(), "Serial Port Not Chosen yet or not available");
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
