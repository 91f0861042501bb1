// Start-up, help mode, and the Clear, Close and Exit commands.
#include "support/Fakes.h"

#include <gtest/gtest.h>

namespace gauge::test {
namespace {

TEST(Startup, GivesTheConfigurationItsDefaults)
{
    FormFixture f;
    f.load();
    const GaugeConfiguration &c = f.config();
    EXPECT_FALSE(ConfigurationComplete(c));
    EXPECT_EQ(c.MinAlarm, 0);
    EXPECT_EQ(c.MaxAlarm, 0);
    EXPECT_EQ(c.BlkSetting, 1);
    EXPECT_EQ(c.AlarmOutput, 0);
    EXPECT_EQ(c.ContactType, 0);
    EXPECT_EQ(c.GaugeType, NotChosen);
    EXPECT_EQ(c.SupplyVoltage, NotChosen);
    EXPECT_EQ(c.PacketLength, 37);
    EXPECT_EQ(c.ReplyHeaderLength, 4);
    EXPECT_EQ(c.FrameStartByte, 170);
    EXPECT_FALSE(c.PortReady);
    EXPECT_EQ(c.HelpTexts[0], "Transfer the data on Digital Instrument ");
    EXPECT_EQ(c.HelpTexts[6], "Exit to the programm");
    EXPECT_EQ(c.HelpTexts[7], "");
    EXPECT_NE(c.CoefficientTable.entry(2, 0, 0), CoefficientTable::Entry {});
    EXPECT_FALSE(f.form.gaugeFrameVisible());
    EXPECT_FALSE(f.form.progressVisible());
    for (GroupId id : {GroupId::optVoltage, GroupId::optUnit, GroupId::optSender,
                       GroupId::optMinAll, GroupId::optAllMax, GroupId::optBLK,
                       GroupId::optAlLOut, GroupId::optNO_NC})
        EXPECT_EQ(f.selected(id), -1);
}

TEST(Startup, WithAPortTheStatusKeepsItsFirstText)
{
    FormFixture f({2});
    f.load();
    EXPECT_EQ(f.form.statusText(), "Serial Port Not Chosen yet or not available");
    EXPECT_TRUE(f.form.transferButtonEnabled());
}

TEST(Startup, WithoutAnyPortSendDataIsDisabled)
{
    FormFixture f(std::set<int> {});
    f.load();
    EXPECT_EQ(f.form.statusText(), "Attention: Serial Port Not Available");
    EXPECT_FALSE(f.form.transferButtonEnabled());
    for (int n = 1; n <= 12; ++n)
        EXPECT_FALSE(f.form.serialPortItem(n).enabled);
    // The rest of the tool still works.
    f.choose(2);
    EXPECT_TRUE(ConfigurationComplete(f.config()));
}

TEST(Startup, TheConnectionHelpComesUpOnceOnTheTimer)
{
    FormFixture f;
    f.load();
    EXPECT_EQ(f.windows.connectionHelpShown, 0);
    EXPECT_EQ(f.form.timer1Interval(), 100);
    f.form.Timer1_Timer();
    EXPECT_EQ(f.form.timer1Interval(), 0);
    f.form.Timer1_Timer();
    EXPECT_EQ(f.windows.connectionHelpShown, 1);
}

TEST(HelpMode, EachButtonExplainsItselfAndRunsNothing)
{
    struct Case
    {
        void (MainForm::*click)();
        std::string text;
    };
    const Case cases[] = {
        {&MainForm::cmdTransfer_Click, "Transfer the data on Digital Instrument "},
        {&MainForm::cmdClearCofn_Click, "Clear the gauge parameter "},
        {&MainForm::cmdClose_Click, "Close the gauge parameter screen "},
        {&MainForm::cmdExit_Click, "Exit to the programme"},
    };
    for (const Case &c : cases) {
        FormFixture f;
        f.load();
        f.choose(1);
        f.click(GroupId::optSender, 4);
        f.form.Aiuto_Click();
        EXPECT_EQ(f.form.statusText(), "Help on line: Click on component");
        EXPECT_EQ(f.form.mousePointer(), MousePointer::WhatsThis);
        (f.form.*c.click)();
        EXPECT_EQ(f.form.statusText(), c.text);
        EXPECT_EQ(f.form.mousePointer(), MousePointer::Default);
        EXPECT_FALSE(f.config().HelpMode);
        EXPECT_TRUE(f.form.gaugeFrameVisible());
        EXPECT_EQ(f.config().SenderIndex, 4);
        EXPECT_EQ(f.windows.mainWindowClosed, 0);
        EXPECT_TRUE(f.messages.shown.empty());
    }
}

TEST(HelpMode, OtherCommandsRunAndKeepHelpModeOn)
{
    FormFixture f;
    f.load();
    f.form.Aiuto_Click();
    f.choose(3);
    f.click(GroupId::optUnit, 0);
    EXPECT_EQ(f.config().GaugeType, 3);
    EXPECT_TRUE(f.config().HelpMode);
    EXPECT_EQ(f.form.mousePointer(), MousePointer::WhatsThis);
    f.form.cmdClearCofn_Click();
    EXPECT_EQ(f.form.statusText(), "Clear the gauge parameter ");
    EXPECT_EQ(f.config().UnitIndex, 0);
    f.form.cmdClearCofn_Click();
    EXPECT_EQ(f.config().UnitIndex, NotChosen);
}

TEST(HelpMode, TheExitMenuEntryExitsEvenInHelpMode)
{
    FormFixture f;
    f.load();
    f.form.Aiuto_Click();
    f.form.Uscita_Click();
    EXPECT_EQ(f.windows.mainWindowClosed, 1);
    f.form.cmdExit_Click();
    EXPECT_EQ(f.windows.mainWindowClosed, 1);
    f.form.cmdExit_Click();
    EXPECT_EQ(f.windows.mainWindowClosed, 2);
}

class Clear : public testing::Test
{
protected:
    void SetUp() override { f.load(); }

    void expectDefaultAlarms()
    {
        EXPECT_EQ(f.selected(GroupId::optMinAll), 1);
        EXPECT_EQ(f.selected(GroupId::optAllMax), 3);
        EXPECT_EQ(f.selected(GroupId::optBLK), 1);
        EXPECT_EQ(f.selected(GroupId::optAlLOut), 0);
        EXPECT_EQ(f.config().MinAlarm, 200);
        EXPECT_EQ(f.config().MaxAlarm, 800);
        EXPECT_EQ(f.config().BlkSetting, 1);
        EXPECT_EQ(f.config().AlarmOutput, 0);
    }

    FormFixture f;
};

TEST_F(Clear, FuelLevelDropsTheSenderAndKeepsUnitAndContact)
{
    f.choose(1);
    f.click(GroupId::optSender, 4);
    f.click(GroupId::optAllMax, 4);
    f.click(GroupId::optMinAll, 4);
    f.click(GroupId::optBLK, 0);
    f.click(GroupId::optAlLOut, 1);
    f.click(GroupId::optNO_NC, 1);
    f.click(GroupId::optVoltage, 0);
    f.form.cmdClearCofn_Click();
    expectDefaultAlarms();
    EXPECT_EQ(f.selected(GroupId::optSender), -1);
    EXPECT_EQ(f.config().SenderIndex, NotChosen);
    EXPECT_EQ(f.selected(GroupId::optUnit), 0);
    EXPECT_EQ(f.config().UnitIndex, 0);
    EXPECT_EQ(f.selected(GroupId::optNO_NC), 1);
    EXPECT_EQ(f.config().ContactType, 1);
    EXPECT_EQ(f.config().GaugeType, 1);
    EXPECT_TRUE(f.form.gaugeFrameVisible());
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(Clear, TheLastLevelSenderIsDeselectedToo)
{
    f.choose(1);
    f.click(GroupId::optSender, 6);
    f.form.cmdClearCofn_Click();
    EXPECT_EQ(f.selected(GroupId::optSender), -1);
    EXPECT_EQ(f.config().SenderIndex, NotChosen);
}

TEST_F(Clear, SingleSenderTypesStayComplete)
{
    for (int type : {2, 9}) {
        f.choose(type);
        f.click(GroupId::optSender, 0);
        f.form.cmdClearCofn_Click();
        EXPECT_EQ(f.selected(GroupId::optSender), 0) << type;
        EXPECT_EQ(f.config().SenderIndex, 0);
        EXPECT_TRUE(ConfigurationComplete(f.config()));
        expectDefaultAlarms();
    }
}

TEST_F(Clear, SeveralUnitsLeaveUnitsAndSendersUnselectedAndSendersGreyed)
{
    f.choose(3);
    f.click(GroupId::optUnit, 1);
    f.click(GroupId::optSender, 2);
    f.form.cmdClearCofn_Click();
    EXPECT_EQ(f.selected(GroupId::optUnit), -1);
    EXPECT_EQ(f.selected(GroupId::optSender), -1);
    EXPECT_EQ(f.config().UnitIndex, NotChosen);
    EXPECT_EQ(f.config().SenderIndex, NotChosen);
    for (int i = 0; i < 8; ++i)
        EXPECT_FALSE(f.option(GroupId::optSender, i).enabled) << i;
    expectDefaultAlarms();
}

TEST_F(Clear, WithoutAGaugeTypeOnlyTheHiddenOptionsChange)
{
    f.form.cmdClearCofn_Click();
    EXPECT_FALSE(f.form.gaugeFrameVisible());
    EXPECT_EQ(f.config().UnitIndex, NotChosen);
    EXPECT_EQ(f.config().SenderIndex, NotChosen);
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(Close, HidesTheFrameAndForgetsTheGaugeType)
{
    FormFixture f;
    f.load();
    f.choose(8);
    f.click(GroupId::optVoltage, 1);
    f.click(GroupId::optSender, 0);
    f.form.cmdClose_Click();
    EXPECT_FALSE(f.form.gaugeFrameVisible());
    EXPECT_EQ(f.config().GaugeType, NotChosen);
    EXPECT_EQ(f.config().SenderIndex, NotChosen);
    EXPECT_EQ(f.config().UnitIndex, NotChosen);
    EXPECT_EQ(f.config().SupplyVoltage, 1);
    EXPECT_EQ(f.config().MaxAlarm, 800);
    EXPECT_EQ(f.selected(GroupId::optSender), 0);

    f.form.SalvaConfigurazione_Click();
    EXPECT_EQ(f.messages.texts().back(), "Error: Configure the instrument before.");
    EXPECT_TRUE(f.dialogs.filters.empty());
}

TEST(SecondaryWindows, MenuEntriesAskForThem)
{
    FormFixture f;
    f.load();
    f.form.About_Click();
    f.form.HelpConnection_Click();
    EXPECT_EQ(f.windows.aboutShown, 1);
    EXPECT_EQ(f.windows.connectionHelpShown, 1);
}

} // namespace
} // namespace gauge::test
