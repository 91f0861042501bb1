// The look at the serial devices, against devices in memory that count their openings: opening a
// device raises its modem lines, so which devices are opened, and how often, is the point.
#include "support/Fakes.h"
#include "transfer/PortProbes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <deque>
#include <utility>

namespace gauge::test {
namespace {

// Answers that wait until the test gives them, as a Bluetooth port whose device is away does.
class SlowProbes final : public PortProbes
{
public:
    explicit SlowProbes(SerialPort &port)
        : m_port(port)
    {
    }

    void probe(const PortDevice &device, Answer answered) override
    {
        m_waiting.emplace_back(device, std::move(answered));
    }
    // The oldest question is answered with what the port says of its device now.
    void answerOldest()
    {
        auto [device, answered] = std::move(m_waiting.front());
        m_waiting.pop_front();
        answered(m_port.probe(device));
    }
    std::size_t waiting() const { return m_waiting.size(); }

private:
    SerialPort &m_port;
    std::deque<std::pair<PortDevice, Answer>> m_waiting;
};

class Survey : public testing::Test
{
protected:
    void expectUsable(const std::set<int> &usable) const
    {
        for (int n = 1; n <= PortCount; ++n)
            EXPECT_EQ(f.survey.entry(n).usable, usable.contains(n)) << n;
    }

    WindowFixture f {{1, 2, 3, 12}};
};

// The probe tries every device once and leaves it closed. A look then opens only a device plugged
// in since, once; never the link's own port, even plugged in again meanwhile.
TEST_F(Survey, ALookOpensOnlyDevicesPluggedInSinceAndNeverTheLinksOwn)
{
    f.refuse(2, OpenFailure::NotSerial, ENOTTY);
    f.survey.probeAll();
    expectUsable({1, 3, 12});
    EXPECT_EQ(f.port.openings.size(), 4u);
    EXPECT_FALSE(f.port.isOpen());

    ASSERT_TRUE(f.survey.openLink(3).ok());
    const std::size_t before = f.port.openings.size();
    f.unplug(2);
    f.plugIn(5);
    f.plugIn(3);
    f.survey.look();
    f.survey.look();
    EXPECT_EQ(f.port.openings.size(), before + 1);
    EXPECT_EQ(f.openingsOf(5), 1);
    expectUsable({1, 3, 5, 12});
    EXPECT_EQ(f.survey.linkPort(), 3);
}

// An opening refused as busy, locked or forbidden, or given up on by a link that waited for its
// device, never reached the device: each look tries it again until it opens, and from then on no
// look opens it. Any other refusal may have reached the device: it stays greyed until the device
// is plugged in again.
TEST_F(Survey, OnlyARefusalThatNeverReachedTheDeviceIsTriedAgain)
{
    f.plugIn(5);
    f.refuse(5, OpenFailure::NoAnswer, 121);
    f.refuse(2, OpenFailure::Busy, PortBusyError);
    f.port.refusals[WindowFixture::devicePath(12)] = {OpenFailure::NoPermission, EACCES, "dialout"};
    f.refuse(3, OpenFailure::Other, EIO);
    f.survey.probeAll();
    f.survey.look();
    expectUsable({1});

    f.port.refusals.clear();
    f.survey.look();
    f.survey.look();
    expectUsable({1, 2, 5, 12});
    EXPECT_EQ(f.openingsOf(1), 1);
    EXPECT_EQ(f.openingsOf(2), 3);
    EXPECT_EQ(f.openingsOf(5), 3);
    EXPECT_EQ(f.openingsOf(12), 3);
    EXPECT_EQ(f.openingsOf(3), 1);

    f.unplug(3);
    f.plugIn(3);
    f.survey.look();
    expectUsable({1, 2, 3, 5, 12});
}

// A device that takes its time is being tried, and cannot be chosen, until its answer comes; a
// look meanwhile does not ask it again. An answer whose entry has moved on since (its device was
// plugged in again, or the link opened it) is dropped; the others are told as they come.
TEST_F(Survey, AnAnswerCountsOnlyForTheTrialItAnswers)
{
    SlowProbes probes(f.port);
    PortSurvey survey(f.port, f.portMap, probes);
    int told = 0;
    survey.setAnswerListener([&told] { ++told; });
    survey.probeAll();
    survey.look();
    EXPECT_EQ(probes.waiting(), 4u);
    EXPECT_TRUE(survey.entry(1).beingTried);
    EXPECT_FALSE(survey.entry(1).usable);

    f.unplug(2);
    f.plugIn(2);
    survey.look();
    ASSERT_TRUE(survey.openLink(3).ok());
    f.refuse(2, OpenFailure::Other, EIO);
    f.refuse(3, OpenFailure::Other, EIO);
    for (int answered = 0; answered < 4; ++answered)
        probes.answerOldest();
    f.port.refusals.clear();
    probes.answerOldest();

    for (int n : {1, 2, 3, 12}) {
        EXPECT_TRUE(survey.entry(n).usable) << n;
        EXPECT_FALSE(survey.entry(n).beingTried) << n;
    }
    EXPECT_FALSE(survey.anyBeingTried());
    EXPECT_EQ(told, 3);
}

} // namespace
} // namespace gauge::test
