#include "transfer/Transfer.h"

#include "transfer/Clock.h"
#include "transfer/SerialPort.h"
#include "transfer/Timer.h"

#include <algorithm>
#include <utility>

namespace gauge {

namespace {

using namespace wire;

// Progress runs over the 37 bytes out and the 37 echoed back.
constexpr int ProgressSpan = 2 * static_cast<int>(PacketSize);
// The first reply byte counts as step 35, so the bar steps back from 49 to 47 when it comes.
constexpr int ReplyProgressOffset = 35;

int percentOfSpan(int steps)
{
    return std::min(100, (steps * 100 + ProgressSpan / 2) / ProgressSpan);
}

// The deadline is "more than two seconds": a timer may fire a little early, so it is set a
// millisecond past the limit and the clock has the last word.
std::chrono::milliseconds timeLeft(std::chrono::steady_clock::duration elapsed)
{
    return std::chrono::ceil<std::chrono::milliseconds>(Transfer::ReplyTimeLimit - elapsed)
        + std::chrono::milliseconds(1);
}

} // namespace

Transfer::Transfer(SerialPort &port, const Clock &clock, Timer &timer)
    : m_port(port)
    , m_clock(clock)
    , m_timer(timer)
{
}

// A deadline still due must not call back into a transfer that is gone.
Transfer::~Transfer()
{
    if (m_running)
        m_timer.stop();
}

void Transfer::start(const Packet &packet, Progress progress, Finished finished)
{
    m_packet = packet;
    m_progress = std::move(progress);
    m_finished = std::move(finished);
    m_received.clear();
    m_running = true;

    m_port.discardInput();
    // Once the port refuses a byte, the rest would reach the gauge as a broken packet: nothing
    // more goes out, though the progress runs on as it would.
    bool handedOver = true;
    for (std::size_t i = 0; i < packet.size(); ++i) {
        handedOver = handedOver && m_port.write(std::span(packet).subspan(i, 1));
        report(static_cast<int>(i));
    }
    // Whatever came in while the packet was handed over is line noise, not the reply.
    m_port.discardInput();

    // A port that is not open hears nothing: there is nothing to wait for.
    if (!m_port.isOpen()) {
        finish(TransferOutcome::NoCommunication);
        return;
    }
    // Nor can a reply come to a packet the port did not take. A port refuses it mostly because
    // its device has gone, and the news of that is on its way: the transfer ends on the next
    // turn of the event loop, after the line lost, so the port counts as lost first.
    if (!handedOver) {
        m_timer.start(std::chrono::milliseconds(0),
                      [this] { finish(TransferOutcome::NoCommunication); });
        return;
    }
    m_sentAt = m_clock.now();
    m_timer.start(timeLeft({}), [this] { deadlineDue(); });
}

void Transfer::bytesArrived(std::span<const std::uint8_t> bytes)
{
    if (!m_running)
        return;
    m_received.insert(m_received.end(), bytes.begin(), bytes.end());
    // The wait ends as soon as a whole reply may be there; a longer one is as wrong as a short.
    if (m_received.size() >= ReplySize)
        judgeReply();
}

void Transfer::lineLost(std::span<const std::uint8_t> lastBytes)
{
    bytesArrived(lastBytes);
    // No more can come.
    if (m_running)
        finish(TransferOutcome::NoCommunication);
}

void Transfer::deadlineDue()
{
    if (!m_running)
        return;
    const auto elapsed = m_clock.now() - m_sentAt;
    if (elapsed > ReplyTimeLimit)
        finish(TransferOutcome::NoCommunication);
    else
        m_timer.start(timeLeft(elapsed), [this] { deadlineDue(); });
}

void Transfer::judgeReply()
{
    if (m_received.size() != ReplySize) {
        finish(TransferOutcome::NoCommunication);
        return;
    }
    Reply reply {};
    std::copy(m_received.begin(), m_received.end(), reply.begin());
    for (std::size_t i = 0; i < reply.size(); ++i)
        report(static_cast<int>(i) + ReplyProgressOffset);
    const bool echoValid = replyEchoValid(reply, m_packet);
    const bool headerValid = replyHeaderValid(reply);
    finish(echoValid && headerValid ? TransferOutcome::Sent : TransferOutcome::NotConfirmed);
}

// The callbacks are let go before the outcome is told: whoever hears it may start the next
// transfer at once.
void Transfer::finish(TransferOutcome outcome)
{
    m_running = false;
    m_timer.stop();
    m_progress = {};
    if (const Finished finished = std::exchange(m_finished, {}))
        finished(outcome);
}

void Transfer::report(int steps) const
{
    if (m_progress)
        m_progress(percentOfSpan(steps));
}

} // namespace gauge
