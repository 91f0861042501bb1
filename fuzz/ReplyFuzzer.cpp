// Any byte stream as the gauge's reply, arriving in pieces of any size. The transfer must judge
// it as a plain reading of the protocol does: the wait ends at the first moment 42 or more bytes
// are waiting; exactly 42 are read and checked, anything else is no communication.
//
// Input: one byte n, then n piece sizes, then the stream. The stream is laid over the proper
// reply with exclusive-or, so that all zeros is the gauge answering correctly.
#include "FuzzCheck.h"
#include "gauge/GaugeSetup.h"
#include "support/Fakes.h"
#include "transfer/Link.h"
#include "transfer/Transfer.h"

#include <algorithm>
#include <optional>

using namespace gauge;
using namespace gauge::test;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t pieceCount = std::min<std::size_t>(data[0] % 16, size - 1);
    std::vector<std::size_t> pieceSizes(data + 1, data + 1 + pieceCount);
    if (pieceSizes.empty())
        pieceSizes.push_back(wire::ReplySize);
    const std::uint8_t *streamStart = data + 1 + pieceCount;
    const std::size_t streamSize = size - 1 - pieceCount;

    static GaugeSetup setup;
    if (!setup.configuration().complete()) {
        setup.chooseGaugeType(Voltmeter);
        setup.choose(Choice::Sender, 0);
    }
    const wire::Packet packet = setup.configuration().packet();
    const std::vector<std::uint8_t> proper = properReply(packet);

    std::vector<std::uint8_t> stream(streamStart, streamStart + streamSize);
    for (std::size_t i = 0; i < stream.size() && i < proper.size(); ++i)
        stream[i] ^= proper[i];

    FakeClock clock;
    FakeTimer timer(clock);
    FakeSerialPort port;
    Transfer transfer(port, clock, timer);
    port.setEvents(
        {[&](std::span<const std::uint8_t> bytes) { transfer.bytesArrived(bytes); },
         [&](std::span<const std::uint8_t> lastBytes) { transfer.lineLost(lastBytes); }});
    FUZZ_CHECK(openLink(port, PortDevice {"/dev/fake1"}).ok());
    port.answers = false;
    std::size_t offset = 0;
    for (std::size_t i = 0; offset < stream.size(); ++i) {
        const std::size_t piece
            = std::min(pieceSizes[i % pieceSizes.size()] % 50, stream.size() - offset);
        port.replyChunks.emplace_back(stream.begin() + static_cast<std::ptrdiff_t>(offset),
                                      stream.begin() + static_cast<std::ptrdiff_t>(offset + piece));
        offset += piece;
        if (piece == 0 && i > 1000)
            break;
    }

    // The oracle.
    std::size_t waiting = 0;
    bool ended = false;
    for (const auto &piece : port.replyChunks) {
        waiting += piece.size();
        if (waiting >= wire::ReplySize) {
            ended = true;
            break;
        }
    }
    TransferOutcome expected = TransferOutcome::NoCommunication;
    if (ended && waiting == wire::ReplySize) {
        const bool header = stream[0] == wire::FrameStartByte && stream[1] == wire::FrameStartByte
            && stream[3] == static_cast<std::uint8_t>((stream[0] + stream[1] + stream[2]) % 256);
        const bool echo = std::equal(packet.begin(), packet.end(), stream.begin() + 4)
            && stream[wire::ReplySize - 1] == 0;
        expected = header && echo ? TransferOutcome::Sent : TransferOutcome::NotConfirmed;
    }

    int lastProgress = -1;
    std::optional<TransferOutcome> outcome;
    transfer.start(
        packet, [&lastProgress](int percent) { lastProgress = percent; },
        [&outcome](TransferOutcome ended) { outcome = ended; });
    runLine(port, timer, [&outcome] { return outcome.has_value(); });
    FUZZ_CHECK(outcome == expected);
    FUZZ_CHECK(lastProgress == (expected == TransferOutcome::NoCommunication ? 49 : 100));
    FUZZ_CHECK(std::equal(packet.begin(), packet.end(), port.written.begin()));
    return 0;
}
