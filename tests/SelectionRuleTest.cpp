// The selection rule of an option group, and the alarm threshold cross-checks built on it.
#include "support/Fakes.h"

#include <gtest/gtest.h>

namespace gauge::test {
namespace {

struct RecordingGroup
{
    RecordingGroup()
    {
        group.setHandler([this](int index) { calls.push_back(index); });
    }
    OptionGroup group {"optTest", 3};
    std::vector<int> calls;
};

TEST(SelectionRule, SelectingRunsTheHandlerOnlyOnATransition)
{
    RecordingGroup g;
    g.group.select(1);
    g.group.select(1);
    g.group.select(2);
    EXPECT_EQ(g.calls, (std::vector<int> {1, 2}));
    EXPECT_EQ(g.group.selectedIndex(), 2);
    EXPECT_FALSE(g.group.option(1).selected);
}

TEST(SelectionRule, DeselectingRunsNothingAndCanLeaveNoSelection)
{
    RecordingGroup g;
    g.group.select(0);
    g.group.deselect(0);
    EXPECT_EQ(g.group.selectedIndex(), -1);
    g.group.select(0);
    EXPECT_EQ(g.calls, (std::vector<int> {0, 0}));
}

TEST(SelectionRule, IndexesOutsideTheGroupAreIgnored)
{
    RecordingGroup g;
    g.group.select(-1);
    g.group.select(3);
    g.group.deselect(7);
    EXPECT_TRUE(g.calls.empty());
    EXPECT_EQ(g.group.selectedIndex(), -1);
}

TEST(SelectionRule, HandlerSeesTheNewSelection)
{
    OptionGroup group("optTest", 2);
    int seen = -2;
    group.setHandler([&](int) { seen = group.selectedIndex(); });
    group.select(1);
    EXPECT_EQ(seen, 1);
}

class AlarmThresholds : public testing::Test
{
protected:
    void SetUp() override
    {
        f.load();
        f.choose(1);
    }
    FormFixture f;
};

TEST_F(AlarmThresholds, CaptionsMatchTheirValues)
{
    const char *minCaptions[] = {"0% ", "20%", "40%", "60%", "80%"};
    const char *maxCaptions[] = {"20%", "40%", "60%", "80 %", "100%"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(f.option(GroupId::optMinAll, i).caption, minCaptions[i]);
        EXPECT_EQ(f.option(GroupId::optAllMax, i).caption, maxCaptions[i]);
    }
    const float minValues[] = {0, 200, 400, 600, 800};
    const float maxValues[] = {200, 400, 600, 800, 0};
    for (int i = 0; i < 5; ++i) {
        f.click(GroupId::optAllMax, 4);
        f.click(GroupId::optMinAll, i);
        EXPECT_EQ(f.config().MinAlarm, minValues[i]);
        f.click(GroupId::optMinAll, 0);
        f.click(GroupId::optAllMax, i);
        EXPECT_EQ(f.config().MaxAlarm, maxValues[i]);
    }
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(AlarmThresholds, MaximumBelowMinimumIsRejected)
{
    f.click(GroupId::optAllMax, 4);
    f.click(GroupId::optMinAll, 4); // 80%
    f.click(GroupId::optAllMax, 0); // 20%
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, "Error: Maximum Alarm is minor than Minimum Alarm");
    EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(f.selected(GroupId::optAllMax), -1);
    EXPECT_EQ(f.config().MaxAlarm, 0);
    EXPECT_EQ(f.config().MinAlarm, 800);
    EXPECT_EQ(f.selected(GroupId::optMinAll), 4);
}

TEST_F(AlarmThresholds, MinimumAboveMaximumIsRejected)
{
    f.click(GroupId::optAllMax, 1); // 40%
    f.click(GroupId::optMinAll, 3); // 60%
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, "Error: Minimu Alarm is greater than Maximum Alarm");
    EXPECT_EQ(f.selected(GroupId::optMinAll), -1);
    EXPECT_EQ(f.config().MinAlarm, 0);
    EXPECT_EQ(f.config().MaxAlarm, 400);
    EXPECT_EQ(f.selected(GroupId::optAllMax), 1);
}

TEST_F(AlarmThresholds, EqualAndOrderedThresholdsAreAccepted)
{
    f.click(GroupId::optMinAll, 2);
    f.click(GroupId::optAllMax, 2); // 400 / 600
    f.click(GroupId::optMinAll, 3); // 600 / 600
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.config().MinAlarm, 600);
    EXPECT_EQ(f.config().MaxAlarm, 600);
}

TEST_F(AlarmThresholds, AnAlarmThatIsOffNeverConflicts)
{
    f.click(GroupId::optAllMax, 4); // 100%: off
    f.click(GroupId::optMinAll, 4);
    f.click(GroupId::optMinAll, 0); // 0%: off
    f.click(GroupId::optAllMax, 0);
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.config().MinAlarm, 0);
    EXPECT_EQ(f.config().MaxAlarm, 200);
}

} // namespace
} // namespace gauge::test
