// Start-up, help mode, and the Clear, Close and Exit commands.
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <functional>

namespace gauge::test {
namespace {

TEST(Startup, GivesTheConfigurationItsDefaults)
{
    StartedWindow f;
    const GaugeConfiguration &c = f.config();
    EXPECT_FALSE(c.complete());
    EXPECT_EQ(c.minimumAlarm, 0);
    EXPECT_EQ(c.maximumAlarm, 0);
    EXPECT_EQ(c.blinking, 1);
    EXPECT_EQ(c.alarmOutput, 0);
    EXPECT_EQ(c.contact, 0);
    EXPECT_EQ(c.gaugeType, NotChosen);
    EXPECT_EQ(c.supplyVoltage, NotChosen);
    EXPECT_FALSE(f.model.helpMode());
    EXPECT_FALSE(f.model.gaugeFrameVisible());
    EXPECT_FALSE(f.model.progressVisible());
    for (int choice = 0; choice < ChoiceCount; ++choice)
        EXPECT_EQ(f.selected(static_cast<Choice>(choice)), NotChosen);
}

TEST(Startup, WithAPortTheStatusKeepsItsFirstText)
{
    StartedWindow f({2});
    EXPECT_EQ(f.model.statusText(), "Serial Port Not Chosen yet or not available");
    EXPECT_TRUE(f.model.sendDataEnabled());
}

TEST(Startup, WithoutAnyPortSendDataIsDisabled)
{
    StartedWindow f(std::set<int> {});
    EXPECT_EQ(f.model.statusText(), "Attention: Serial Port Not Available");
    EXPECT_FALSE(f.model.sendDataEnabled());
    for (int n = 1; n <= 12; ++n)
        EXPECT_FALSE(f.model.portMenuItem(n).enabled);
    // The rest of the tool still works.
    f.choose(2);
    EXPECT_TRUE(f.config().complete());
}

TEST(HelpMode, EachButtonExplainsItselfAndRunsNothing)
{
    struct Case
    {
        std::function<void(MainWindowModel &)> click;
        std::string text;
    };
    const Case cases[] = {
        {&MainWindowModel::sendData, "Transfer the data on Digital Instrument "},
        {&MainWindowModel::clearConfiguration, "Clear the gauge parameter "},
        {&MainWindowModel::closeGauge, "Close the gauge parameter screen "},
        {[](MainWindowModel &model) { model.exitProgram(ExitFrom::ToolBar); },
         "Exit to the programme"},
    };
    for (const Case &c : cases) {
        StartedWindow f;
        f.choose(1);
        f.click(Choice::Sender, 4);
        f.model.enterHelpMode();
        EXPECT_EQ(f.model.statusText(), "Help on line: Click on component");
        EXPECT_EQ(f.model.mousePointer(), MousePointer::WhatsThis);
        c.click(f.model);
        EXPECT_EQ(f.model.statusText(), c.text);
        EXPECT_EQ(f.model.mousePointer(), MousePointer::Default);
        EXPECT_FALSE(f.model.helpMode());
        EXPECT_TRUE(f.model.gaugeFrameVisible());
        EXPECT_EQ(f.config().senderIndex, 4);
        EXPECT_EQ(f.windows.mainWindowClosed, 0);
        EXPECT_TRUE(f.messages.shown.empty());
    }
}

TEST(HelpMode, OtherCommandsRunAndKeepHelpModeOn)
{
    StartedWindow f;
    f.model.enterHelpMode();
    f.choose(3);
    f.click(Choice::Unit, 0);
    EXPECT_EQ(f.config().gaugeType, 3);
    EXPECT_TRUE(f.model.helpMode());
    EXPECT_EQ(f.model.mousePointer(), MousePointer::WhatsThis);
    f.model.clearConfiguration();
    EXPECT_EQ(f.model.statusText(), "Clear the gauge parameter ");
    EXPECT_EQ(f.config().unitIndex, 0);
    f.model.clearConfiguration();
    EXPECT_EQ(f.config().unitIndex, NotChosen);
}

TEST(HelpMode, TheExitMenuEntryExitsEvenInHelpMode)
{
    StartedWindow f;
    f.model.enterHelpMode();
    f.model.exitProgram(ExitFrom::Menu);
    EXPECT_EQ(f.windows.mainWindowClosed, 1);
    f.model.exitProgram(ExitFrom::ToolBar);
    EXPECT_EQ(f.windows.mainWindowClosed, 1);
    f.model.exitProgram(ExitFrom::ToolBar);
    EXPECT_EQ(f.windows.mainWindowClosed, 2);
}

class Clear : public testing::Test
{
protected:
    void expectDefaultAlarms()
    {
        EXPECT_EQ(f.selected(Choice::MinimumAlarm), 1);
        EXPECT_EQ(f.selected(Choice::MaximumAlarm), 3);
        EXPECT_EQ(f.selected(Choice::Blinking), 1);
        EXPECT_EQ(f.selected(Choice::AlarmOutput), 0);
        EXPECT_EQ(f.config().minimumAlarm, 200);
        EXPECT_EQ(f.config().maximumAlarm, 800);
        EXPECT_EQ(f.config().blinking, 1);
        EXPECT_EQ(f.config().alarmOutput, 0);
    }

    StartedWindow f;
};

TEST_F(Clear, FuelLevelDropsTheSenderAndKeepsUnitAndContact)
{
    f.choose(1);
    f.click(Choice::Sender, 4);
    f.click(Choice::MaximumAlarm, 4);
    f.click(Choice::MinimumAlarm, 4);
    f.click(Choice::Blinking, 0);
    f.click(Choice::AlarmOutput, 1);
    f.click(Choice::Contact, 1);
    f.click(Choice::Supply, 0);
    f.model.clearConfiguration();
    expectDefaultAlarms();
    EXPECT_EQ(f.selected(Choice::Sender), NotChosen);
    EXPECT_EQ(f.config().senderIndex, NotChosen);
    EXPECT_EQ(f.selected(Choice::Unit), 0);
    EXPECT_EQ(f.config().unitIndex, 0);
    EXPECT_EQ(f.selected(Choice::Contact), 1);
    EXPECT_EQ(f.config().contact, 1);
    EXPECT_EQ(f.config().gaugeType, 1);
    EXPECT_TRUE(f.model.gaugeFrameVisible());
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(Clear, TheLastLevelSenderIsDeselectedToo)
{
    f.choose(1);
    f.click(Choice::Sender, 6);
    f.model.clearConfiguration();
    EXPECT_EQ(f.selected(Choice::Sender), NotChosen);
    EXPECT_EQ(f.config().senderIndex, NotChosen);
}

TEST_F(Clear, SingleSenderTypesStayComplete)
{
    for (int type : {2, 9}) {
        f.choose(type);
        f.click(Choice::Sender, 0);
        f.model.clearConfiguration();
        EXPECT_EQ(f.selected(Choice::Sender), 0) << type;
        EXPECT_EQ(f.config().senderIndex, 0);
        EXPECT_TRUE(f.config().complete());
        expectDefaultAlarms();
    }
}

TEST_F(Clear, SeveralUnitsLeaveUnitsAndSendersUnselectedAndSendersGreyed)
{
    f.choose(3);
    f.click(Choice::Unit, 1);
    f.click(Choice::Sender, 2);
    f.model.clearConfiguration();
    EXPECT_EQ(f.selected(Choice::Unit), NotChosen);
    EXPECT_EQ(f.selected(Choice::Sender), NotChosen);
    EXPECT_EQ(f.config().unitIndex, NotChosen);
    EXPECT_EQ(f.config().senderIndex, NotChosen);
    for (int i = 0; i < 8; ++i)
        EXPECT_FALSE(f.option(Choice::Sender, i).enabled) << i;
    expectDefaultAlarms();
}

TEST_F(Clear, WithoutAGaugeTypeOnlyTheHiddenOptionsChange)
{
    f.model.clearConfiguration();
    EXPECT_FALSE(f.model.gaugeFrameVisible());
    EXPECT_EQ(f.config().unitIndex, NotChosen);
    EXPECT_EQ(f.config().senderIndex, NotChosen);
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(Close, HidesTheFrameAndForgetsTheGaugeType)
{
    StartedWindow f;
    f.choose(8);
    f.click(Choice::Supply, 1);
    f.click(Choice::Sender, 0);
    f.model.closeGauge();
    EXPECT_FALSE(f.model.gaugeFrameVisible());
    EXPECT_EQ(f.config().gaugeType, NotChosen);
    EXPECT_EQ(f.config().senderIndex, NotChosen);
    EXPECT_EQ(f.config().unitIndex, NotChosen);
    EXPECT_EQ(f.config().supplyVoltage, 1);
    EXPECT_EQ(f.config().maximumAlarm, 800);
    EXPECT_EQ(f.selected(Choice::Sender), 0);

    f.model.saveRecord();
    EXPECT_EQ(f.messages.texts().back(), "Error: Configure the instrument before.");
    EXPECT_TRUE(f.dialogs.filters.empty());
}

TEST(SecondaryWindows, MenuEntriesAskForThem)
{
    StartedWindow f;
    f.model.showAbout();
    f.model.showConnectionHelp();
    EXPECT_EQ(f.windows.aboutShown, 1);
    EXPECT_EQ(f.windows.connectionHelpShown, 1);
}

} // namespace
} // namespace gauge::test
