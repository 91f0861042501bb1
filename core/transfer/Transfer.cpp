#include "transfer/Transfer.h"

#include "transfer/Clock.h"
#include "transfer/SerialPort.h"

#include <algorithm>

namespace gauge {

namespace {

using namespace wire;

constexpr auto ReplyTimeLimit = std::chrono::seconds(2);
// Progress runs over the 37 bytes out and the 37 echoed back.
constexpr int ProgressSpan = 2 * static_cast<int>(PacketSize);
// The first reply byte counts as step 35, so the bar steps back from 49 to 47 when it comes.
constexpr int ReplyProgressOffset = 35;

int percentOfSpan(int steps)
{
    return std::min(100, (steps * 100 + ProgressSpan / 2) / ProgressSpan);
}

// Waits until the whole reply may be there or the time is up; false when the port cannot tell.
// A port that has closed, its device gone, receives nothing more: what it kept is all there is.
bool waitForReply(SerialPort &port, const Clock &clock, int &waiting)
{
    const int replySize = static_cast<int>(ReplySize);
    const auto start = clock.now();
    for (;;) {
        if (port.bytesWaiting(waiting) != 0)
            return false;
        const auto elapsed = clock.now() - start;
        if (waiting >= replySize || elapsed > ReplyTimeLimit || !port.isOpen())
            return true;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(ReplyTimeLimit - elapsed);
        port.waitForBytes(replySize, left + std::chrono::milliseconds(1));
    }
}

} // namespace

TransferOutcome sendPacket(SerialPort &port, const Clock &clock, const Packet &packet,
                           const TransferProgress &progress)
{
    const auto report = [&progress](int steps) {
        if (progress)
            progress(percentOfSpan(steps));
    };

    port.discardInput();
    for (std::size_t i = 0; i < packet.size(); ++i) {
        port.write(packet[i]);
        report(static_cast<int>(i));
    }
    // Whatever came in while the packet was handed over is line noise, not the reply.
    port.discardInput();

    int waiting = 0;
    Reply reply {};
    if (!waitForReply(port, clock, waiting) || waiting != static_cast<int>(ReplySize)
        || port.read(reply) != 0)
        return TransferOutcome::NoCommunication;
    for (std::size_t i = 0; i < reply.size(); ++i)
        report(static_cast<int>(i) + ReplyProgressOffset);

    const bool echoValid = replyEchoValid(reply, packet);
    const bool headerValid = replyHeaderValid(reply);
    return echoValid && headerValid ? TransferOutcome::Sent : TransferOutcome::NotConfirmed;
}

} // namespace gauge
