// The gauge type selection: what each type puts on the gauge frame.
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gauge::test {
namespace {

enum State { On, Off, AfterUnit, Hidden };

struct Sender
{
    std::string caption;
    std::string toolTip;
    State state;
};

struct TypeCase
{
    int code;
    std::string title;
    int code12;
    int code24;
    int unitCount;
    int senderCount;
    std::vector<std::string> units;
    bool unitSelected;
    std::vector<Sender> senders;
};

const std::string Klt = "NOTICE!! ONLY FOR KLT CAP Code Qnnnnnn1A ";
const std::string Std = "NOTICE!! FOR ALL SENSOR STD COMPATIBLE, EXCEPT Qnnnnnn1A ";

const std::vector<Sender> LevelSenders = {
    {"Code Qnnnnnn1A Capacitive 240-33 Ohm", Klt, On},
    {"Code Qnnnnnn1A Capacitive 10-180 Ohm", Klt, On},
    {"Reed 240-22 Ohm (Obsoleto)", "", Off},
    {"Reed 10-180 Ohm (Obsoleto)", "", Off},
    {"Capacitive Code Qnnnnnn2A + STD 240-33 Ohm", Std, On},
    {"Capacitive Code Qnnnnnn2A + VDO 10-180 Ohm", Std, On},
    {"Capacitive Code Qnnnnnn4-20", "", On},
};

std::vector<Sender> temperatureSenders(State zor, State zorSensor)
{
    return {
        {"VDO 11.97", "11.97 801/1/6", AfterUnit},
        {"VDO 11.04", "11.04 801/4/39", AfterUnit},
        {"ZOR", "", zor},
        {"Teleflex 1010", "1010 p/n 52320E010", AfterUnit},
        {"Teleflex 4004", "4004 p/n 52320E017", AfterUnit},
        {"Faria TS4042", "Faria TS4042", AfterUnit},
        {"Faria TS2029", "Faria TS2029", AfterUnit},
        {"Faria TS1029", "Faria TS1029", AfterUnit},
        {"Faria TS3044", "Faria TS3044", AfterUnit},
        {"ZOR Sensor", "ZOR", zorSensor},
    };
}

// clang-format off
const std::vector<TypeCase> Types = {
    {1, "Fuel Level", 1, 51, 1, 6, {"%"}, true, LevelSenders},
    {2, "Consuption", 2, 52, 1, 1, {"%"}, true, {{"DRAV Sensor", "", On}}},
    {3, "Oil pressure", 3, 53, 3, 8, {"PSI", "ATM", "BAR"}, false,
     {{"Faria 80PSI SD0003", "", AfterUnit},
      {"Faria 100PSI SD0006", "", AfterUnit},
      {"Teleflex  80PSI 4HD", "", AfterUnit},
      {"VDO 5BAR 12.04", "", AfterUnit},
      {"VDO 5BAR 1.06 32/2", "", AfterUnit},
      {"VDO 10BAR 10.00 29/10", "", AfterUnit},
      {"VDO 25BAR 10.03", "", AfterUnit},
      {"VDO 25BAR 10.05", "", AfterUnit}}},
    {4, "Water Level", 4, 54, 1, 6, {"%"}, true, LevelSenders},
    {5, "Air Temperature", 5, 55, 2, 1, {"°C", "°F"}, false, {{"ZOR Sensor", "", AfterUnit}}},
    {6, "Oil Temperature", 6, 56, 2, 9, {"°C", "°F"}, false, temperatureSenders(Hidden, Hidden)},
    {7, "Water Temperature", 7, 57, 2, 9, {"°C", "°F"}, false, temperatureSenders(AfterUnit, Off)},
    {8, "Voltometer", 8, 58, 1, 2, {"Volt"}, true, {{"ZOR Digital Gauge", "", On}}},
    {9, "Ammetter", 9, 59, 1, 1, {"Ampere"}, true,
     {{"ZOR Sender 200 Amp", "", On}, {"ZOR Sender 50 Amp", "", On}}},
    {10, "Waste Lavel", 10, 60, 1, 6, {"%"}, true, LevelSenders},
};
// clang-format on

void PrintTo(const TypeCase &type, std::ostream *out)
{
    *out << "gauge type " << type.code;
}

class GaugeTypeSetup : public testing::TestWithParam<TypeCase>
{
};

TEST_P(GaugeTypeSetup, FillsTheFrameFromTheCatalogue)
{
    const TypeCase &type = GetParam();
    StartedWindow f;
    // A type with many senders first, so that leftovers of it would show.
    f.choose(7);
    f.choose(type.code);

    EXPECT_TRUE(f.model.gaugeFrameVisible());
    EXPECT_EQ(f.model.gaugeFrameCaption(), type.title);
    EXPECT_EQ(f.config().gaugeType, type.code);
    EXPECT_EQ(f.config().gaugeCode, type.code12);
    EXPECT_EQ(f.config().unitCount, type.unitCount);
    EXPECT_EQ(f.config().senderCount, type.senderCount);
    EXPECT_EQ(f.config().supplyVoltage, 0);

    for (int i = 0; i < 4; ++i) {
        const OptionView unit = f.option(Choice::Unit, i);
        const bool shown = i < static_cast<int>(type.units.size());
        EXPECT_EQ(unit.visible, shown) << "unit " << i;
        if (shown) {
            EXPECT_EQ(unit.caption, type.units[static_cast<std::size_t>(i)]);
        }
    }
    EXPECT_EQ(f.selected(Choice::Unit), type.unitSelected ? 0 : int {NotChosen});
    EXPECT_EQ(f.config().unitIndex, type.unitSelected ? 0 : NotChosen);

    for (int i = 0; i < 20; ++i) {
        const OptionView option = f.option(Choice::Sender, i);
        SCOPED_TRACE("sender " + std::to_string(i));
        if (i >= static_cast<int>(type.senders.size())) {
            EXPECT_FALSE(option.visible);
            continue;
        }
        const Sender &sender = type.senders[static_cast<std::size_t>(i)];
        EXPECT_EQ(option.visible, sender.state != Hidden);
        if (sender.state == Hidden)
            continue;
        EXPECT_EQ(option.caption, sender.caption);
        EXPECT_EQ(option.toolTip, sender.toolTip);
        EXPECT_EQ(option.enabled, sender.state == On);
    }

    // Only Consumption's setup chooses a sender itself.
    const bool senderChosen = type.code == 2;
    EXPECT_EQ(f.selected(Choice::Sender), senderChosen ? 0 : int {NotChosen});
    EXPECT_EQ(f.config().senderIndex, senderChosen ? 0 : NotChosen);
    EXPECT_EQ(f.config().complete(), senderChosen);
}

TEST_P(GaugeTypeSetup, DedicatedSupplyAddsFiftyToTheGaugeCode)
{
    const TypeCase &type = GetParam();
    StartedWindow f;
    f.choose(type.code);
    f.click(Choice::Supply, 1);
    EXPECT_EQ(f.config().supplyVoltage, 1);
    EXPECT_EQ(f.config().gaugeCode, type.code24);
    EXPECT_EQ(f.model.gaugeFrameCaption(), type.title);
}

TEST_P(GaugeTypeSetup, AUnitChoiceEnablesTheSendersBelowTheCount)
{
    const TypeCase &type = GetParam();
    StartedWindow f;
    f.choose(type.code);
    const int last = static_cast<int>(type.units.size()) - 1;
    f.click(Choice::Unit, last);
    if (type.unitSelected && last == 0) {
        // Already selected: nothing runs, nothing changes.
        EXPECT_EQ(f.config().unitIndex, 0);
        return;
    }
    EXPECT_EQ(f.config().unitIndex, last);
    EXPECT_EQ(f.config().senderIndex, NotChosen);
    for (int i = 0; i < static_cast<int>(type.senders.size()); ++i) {
        const Sender &sender = type.senders[static_cast<std::size_t>(i)];
        EXPECT_EQ(f.option(Choice::Sender, i).visible, sender.state != Hidden);
        if (sender.state == Hidden)
            continue;
        const bool expected
            = sender.state == On || (sender.state == AfterUnit && i < type.senderCount);
        EXPECT_EQ(f.option(Choice::Sender, i).enabled, expected) << "sender " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryType, GaugeTypeSetup, testing::ValuesIn(Types),
                         [](const auto &info) { return "Type" + std::to_string(info.param.code); });

TEST(GaugeTypeSetup, VoltageOptionsAreCaptionedAndOnlyTwoShown)
{
    StartedWindow f;
    f.choose(1);
    EXPECT_EQ(f.option(Choice::Supply, 0).caption, "12 Vdc");
    EXPECT_EQ(f.option(Choice::Supply, 1).caption, "24 Vdc (Dedicated)");
    EXPECT_TRUE(f.option(Choice::Supply, 1).visible);
    EXPECT_FALSE(f.option(Choice::Supply, 2).visible);
    EXPECT_FALSE(f.option(Choice::Supply, 3).visible);
    EXPECT_EQ(f.selected(Choice::Supply), 0);
}

TEST(GaugeTypeSetup, DefaultAlarmAndOutputOptionsAreSelected)
{
    StartedWindow f;
    f.choose(3);
    EXPECT_EQ(f.selected(Choice::MinimumAlarm), 1);
    EXPECT_EQ(f.selected(Choice::MaximumAlarm), 3);
    EXPECT_EQ(f.selected(Choice::Blinking), 1);
    EXPECT_EQ(f.selected(Choice::AlarmOutput), 0);
    EXPECT_EQ(f.selected(Choice::Contact), 0);
    EXPECT_EQ(f.config().minimumAlarm, 200);
    EXPECT_EQ(f.config().maximumAlarm, 800);
    EXPECT_EQ(f.config().blinking, 1);
    EXPECT_EQ(f.config().alarmOutput, 0);
    EXPECT_EQ(f.config().contact, 0);
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(GaugeTypeSetup, TheFirstChoiceRunsTheSupplyHandlerAndItsNestedSelectionOnce)
{
    StartedWindow f;
    ASSERT_EQ(f.config().supplyVoltage, NotChosen);
    f.choose(3);
    // The nested run for the old type (255) stopped before touching the frame's caption; the
    // outer run finished the setup for Oil Pressure.
    EXPECT_EQ(f.config().supplyVoltage, 0);
    EXPECT_EQ(f.config().gaugeType, 3);
    EXPECT_EQ(f.model.gaugeFrameCaption(), "Oil pressure");
    EXPECT_EQ(f.config().gaugeCode, 3);
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(GaugeTypeSetup, SwitchingToTwentyFourVoltsNoticesAndRestoresDefaults)
{
    StartedWindow f;
    f.choose(3);
    f.click(Choice::Unit, 2);
    f.click(Choice::Sender, 5);
    f.click(Choice::MinimumAlarm, 3);
    f.click(Choice::Blinking, 0);
    f.click(Choice::Contact, 1);
    ASSERT_TRUE(f.config().complete());

    f.click(Choice::Supply, 1);
    EXPECT_EQ(f.messages.texts(), std::vector<std::string> {"Attention:Only For Dedicated Gauge"});
    EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(f.config().supplyVoltage, 1);
    EXPECT_EQ(f.config().gaugeCode, 53);
    EXPECT_EQ(f.selected(Choice::Supply), 1);
    EXPECT_EQ(f.selected(Choice::Unit), NotChosen);
    EXPECT_EQ(f.selected(Choice::Sender), NotChosen);
    EXPECT_EQ(f.config().unitIndex, NotChosen);
    EXPECT_EQ(f.config().senderIndex, NotChosen);
    EXPECT_EQ(f.config().minimumAlarm, 200);
    EXPECT_EQ(f.config().blinking, 1);
    EXPECT_EQ(f.config().contact, 0);
    EXPECT_FALSE(f.option(Choice::Sender, 0).enabled);

    f.click(Choice::Supply, 0);
    EXPECT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.config().supplyVoltage, 0);
    EXPECT_EQ(f.config().gaugeCode, 3);
}

TEST(GaugeTypeSetup, TwentyFourVoltsOnFuelLevelReselectsTheUnit)
{
    StartedWindow f;
    f.choose(1);
    f.click(Choice::Sender, 4);
    f.click(Choice::Supply, 1);
    EXPECT_EQ(f.config().gaugeCode, 51);
    EXPECT_EQ(f.config().senderIndex, NotChosen);
    EXPECT_EQ(f.selected(Choice::Unit), 0);
    EXPECT_EQ(f.config().unitIndex, 0);
}

TEST(GaugeTypeSetup, ANewTypeKeepsTheChosenSupplyVoltage)
{
    StartedWindow f;
    f.choose(1);
    f.click(Choice::Supply, 1);
    f.choose(8);
    EXPECT_EQ(f.config().gaugeCode, 58);
    EXPECT_EQ(f.selected(Choice::Supply), 1);
    EXPECT_EQ(f.messages.shown.size(), 1u);
}

TEST(GaugeTypeSetup, UnitCodesFollowTypeAndUnit)
{
    struct Case
    {
        int type;
        int unit;
        int code;
    };
    const Case cases[]
        = {{1, 0, 8}, {2, 0, 10}, {3, 0, 5}, {3, 1, 6}, {3, 2, 7}, {4, 0, 8}, {5, 0, 3}, {5, 1, 4},
           {6, 0, 3}, {6, 1, 4},  {7, 0, 3}, {7, 1, 4}, {8, 0, 1}, {9, 0, 2}, {10, 0, 8}};
    for (const Case &c : cases) {
        StartedWindow f;
        f.choose(c.type);
        f.click(Choice::Unit, c.unit);
        EXPECT_EQ(f.config().unitCode, c.code) << "type " << c.type << " unit " << c.unit;
    }
}

TEST(GaugeTypeSetup, OilPressureSendersWaitForAUnit)
{
    StartedWindow f;
    f.choose(3);
    for (int i = 0; i < 8; ++i)
        EXPECT_FALSE(f.option(Choice::Sender, i).enabled);
    f.click(Choice::Unit, 2);
    EXPECT_EQ(f.config().unitCode, 7);
    EXPECT_EQ(f.config().unitIndex, 2);
    EXPECT_EQ(f.selected(Choice::Sender), NotChosen);
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(f.option(Choice::Sender, i).enabled);
}

TEST(GaugeTypeSetup, AnotherUnitClearsTheSenderChoice)
{
    StartedWindow f;
    f.choose(7);
    f.click(Choice::Unit, 0);
    f.click(Choice::Sender, 3);
    ASSERT_TRUE(f.config().complete());
    f.click(Choice::Unit, 1);
    EXPECT_FALSE(f.config().complete());
    EXPECT_EQ(f.selected(Choice::Sender), NotChosen);
    EXPECT_FALSE(f.option(Choice::Sender, 9).enabled);
}

TEST(GaugeTypeSetup, ATooltipFromAnEarlierTypeDoesNotLinger)
{
    StartedWindow f;
    f.choose(1);
    ASSERT_FALSE(f.option(Choice::Sender, 0).toolTip.empty());
    f.choose(9);
    EXPECT_EQ(f.option(Choice::Sender, 0).toolTip, "");
    EXPECT_EQ(f.option(Choice::Sender, 1).toolTip, "");
}

TEST(GaugeTypeSetup, OutputGroupsAreIndependent)
{
    StartedWindow f;
    f.choose(1);
    f.click(Choice::AlarmOutput, 1);
    EXPECT_EQ(f.selected(Choice::Contact), 0);
    f.click(Choice::Contact, 1);
    EXPECT_EQ(f.selected(Choice::AlarmOutput), 1);
    EXPECT_EQ(f.config().alarmOutput, 1);
    EXPECT_EQ(f.config().contact, 1);
    f.click(Choice::Blinking, 0);
    EXPECT_EQ(f.config().blinking, 0);
    EXPECT_EQ(f.config().alarmOutput, 1);
}

} // namespace
} // namespace gauge::test
