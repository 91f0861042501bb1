// The look at the serial devices, against devices in memory that count their openings. Opening a
// device raises its modem lines, so what matters is which devices are opened, and how often.
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

namespace gauge::test {
namespace {

class Survey : public testing::Test
{
protected:
    std::ptrdiff_t openingsOf(int number) const
    {
        return std::count(f.port.openings.begin(), f.port.openings.end(),
                          WindowFixture::devicePath(number));
    }
    void expectUsable(std::set<int> usable) const
    {
        for (int n = 1; n <= PortCount; ++n)
            EXPECT_EQ(f.survey.entry(n).usable, usable.contains(n)) << n;
    }

    WindowFixture f {{1, 2, 3, 12}};
};

TEST_F(Survey, TheProbeOffersOnlyThePortsThatOpenAndLeavesThemClosed)
{
    f.refuse(2, OpenFailure::NotSerial, ENOTTY);
    f.survey.probeAll();
    expectUsable({1, 3, 12});
    EXPECT_EQ(f.port.openings.size(), 4u);
    EXPECT_FALSE(f.port.isOpen());
}

// Only a device plugged in since the last look is opened, once; the link's own port is left
// alone even when its device was plugged in again meanwhile.
TEST_F(Survey, ALookOpensOnlyDevicesPluggedInSinceAndNeverTheLinksOwn)
{
    f.survey.probeAll();
    ASSERT_TRUE(f.survey.openLink(3).opened());
    const std::vector<std::string> before = f.port.openings;
    f.survey.look();
    f.survey.look();
    EXPECT_EQ(f.port.openings, before);

    f.unplug(2);
    f.plugIn(5);
    f.plugIn(3);
    f.survey.look();
    f.survey.look();
    EXPECT_EQ(f.port.openings.size(), before.size() + 1);
    EXPECT_EQ(f.port.openings.back(), WindowFixture::devicePath(5));
    expectUsable({1, 3, 5, 12});
    EXPECT_EQ(f.survey.linkPort(), 3);
    EXPECT_EQ(f.port.openDevice, WindowFixture::devicePath(3));
}

// An opening refused as busy, locked or forbidden never reached the device: the next look tries
// it again, until it opens; from then on no look opens it.
TEST_F(Survey, ARefusalThatNeverReachedTheDeviceIsTriedAgainUntilItOpens)
{
    f.refuse(2, OpenFailure::Busy, PortBusyError);
    f.port.refusals[WindowFixture::devicePath(12)] = {OpenFailure::NoPermission, EACCES, "dialout"};
    f.survey.probeAll();
    f.survey.look();
    expectUsable({1, 3});
    EXPECT_EQ(openingsOf(2), 2);
    EXPECT_EQ(openingsOf(12), 2);

    f.port.refusals.clear();
    f.survey.look();
    f.survey.look();
    expectUsable({1, 2, 3, 12});
    EXPECT_EQ(openingsOf(2), 3);
    EXPECT_EQ(openingsOf(12), 3);
    EXPECT_EQ(openingsOf(1), 1);
}

// Any other refusal may have reached the device: it stays greyed while the device stays plugged
// in, and plugging it in again, even between two looks, gives it a fresh test.
TEST_F(Survey, AnyOtherRefusalStaysGreyedUntilReplugged)
{
    f.survey.probeAll();
    f.refuse(1, OpenFailure::Other, EIO);
    EXPECT_FALSE(f.survey.openLink(1).opened());
    f.port.refusals.clear();
    f.survey.look();
    EXPECT_FALSE(f.survey.entry(1).usable);
    EXPECT_EQ(openingsOf(1), 2);

    f.unplug(1);
    f.plugIn(1);
    f.survey.look();
    EXPECT_TRUE(f.survey.entry(1).usable);
}

} // namespace
} // namespace gauge::test
