// The selection rule of an option group, and the alarm threshold cross-checks built on it.
#include "support/Fakes.h"

#include <gtest/gtest.h>

namespace gauge::test {
namespace {

struct RecordingGroup
{
    OptionGroup group {3, [this](int index) { calls.push_back(index); }};
    std::vector<int> calls;
};

TEST(SelectionRule, SelectingRunsTheHandlerOnlyOnATransition)
{
    RecordingGroup g;
    g.group.select(1);
    g.group.select(1);
    g.group.select(2);
    EXPECT_EQ(g.calls, (std::vector<int> {1, 2}));
    EXPECT_EQ(g.group.selected(), 2);
    EXPECT_FALSE(g.group.isSelected(1));
}

TEST(SelectionRule, DeselectingRunsNothingAndCanLeaveNoSelection)
{
    RecordingGroup g;
    g.group.select(0);
    g.group.deselect(1);
    EXPECT_EQ(g.group.selected(), 0);
    g.group.deselect(0);
    EXPECT_EQ(g.group.selected(), NotChosen);
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
    EXPECT_EQ(g.group.selected(), NotChosen);
}

TEST(SelectionRule, HandlerSeesTheNewSelection)
{
    int seen = -2;
    OptionGroup *self = nullptr;
    OptionGroup group(2, [&](int) { seen = self->selected(); });
    self = &group;
    group.select(1);
    EXPECT_EQ(seen, 1);
}

class AlarmThresholds : public testing::Test
{
protected:
    void SetUp() override { f.choose(1); }
    StartedWindow f;
};

TEST_F(AlarmThresholds, CaptionsMatchTheirValues)
{
    const char *minCaptions[] = {"0% ", "20%", "40%", "60%", "80%"};
    const char *maxCaptions[] = {"20%", "40%", "60%", "80 %", "100%"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(f.option(Choice::MinimumAlarm, i).caption, minCaptions[i]);
        EXPECT_EQ(f.option(Choice::MaximumAlarm, i).caption, maxCaptions[i]);
    }
    const int minValues[] = {0, 200, 400, 600, 800};
    const int maxValues[] = {200, 400, 600, 800, 0};
    for (int i = 0; i < 5; ++i) {
        f.click(Choice::MaximumAlarm, 4);
        f.click(Choice::MinimumAlarm, i);
        EXPECT_EQ(f.config().minimumAlarm, minValues[i]);
        f.click(Choice::MinimumAlarm, 0);
        f.click(Choice::MaximumAlarm, i);
        EXPECT_EQ(f.config().maximumAlarm, maxValues[i]);
    }
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(AlarmThresholds, MaximumBelowMinimumIsRejected)
{
    f.click(Choice::MaximumAlarm, 4);
    f.click(Choice::MinimumAlarm, 4); // 80%
    f.click(Choice::MaximumAlarm, 0); // 20%
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, "Error: Maximum Alarm is minor than Minimum Alarm");
    EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(f.selected(Choice::MaximumAlarm), NotChosen);
    EXPECT_EQ(f.config().maximumAlarm, 0);
    EXPECT_EQ(f.config().minimumAlarm, 800);
    EXPECT_EQ(f.selected(Choice::MinimumAlarm), 4);
}

TEST_F(AlarmThresholds, MinimumAboveMaximumIsRejected)
{
    f.click(Choice::MaximumAlarm, 1); // 40%
    f.click(Choice::MinimumAlarm, 3); // 60%
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, "Error: Minimu Alarm is greater than Maximum Alarm");
    EXPECT_EQ(f.selected(Choice::MinimumAlarm), NotChosen);
    EXPECT_EQ(f.config().minimumAlarm, 0);
    EXPECT_EQ(f.config().maximumAlarm, 400);
    EXPECT_EQ(f.selected(Choice::MaximumAlarm), 1);
}

TEST_F(AlarmThresholds, EqualAndOrderedThresholdsAreAccepted)
{
    f.click(Choice::MinimumAlarm, 2);
    f.click(Choice::MaximumAlarm, 2); // 400 / 600
    f.click(Choice::MinimumAlarm, 3); // 600 / 600
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.config().minimumAlarm, 600);
    EXPECT_EQ(f.config().maximumAlarm, 600);
}

TEST_F(AlarmThresholds, AnAlarmThatIsOffNeverConflicts)
{
    f.click(Choice::MaximumAlarm, 4); // 100%: off
    f.click(Choice::MinimumAlarm, 4);
    f.click(Choice::MinimumAlarm, 0); // 0%: off
    f.click(Choice::MaximumAlarm, 0);
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.config().minimumAlarm, 0);
    EXPECT_EQ(f.config().maximumAlarm, 200);
}

} // namespace
} // namespace gauge::test
