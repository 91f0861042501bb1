// Any byte stream as the gauge's reply, arriving in pieces of any size. The exchange must
// classify it as a plain reading of the protocol does: the wait ends at the first moment 42 or
// more bytes are waiting; exactly 42 are read and checked, anything else is no communication.
//
// Input: one byte n, then n piece sizes, then the stream. The stream is laid over the proper
// reply with exclusive-or, so that all zeros is the gauge answering correctly.
#include "FuzzCheck.h"
#include "serial/Packet.h"
#include "support/Fakes.h"

#include <algorithm>
#include <numeric>

using namespace gauge;
using namespace gauge::test;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t pieceCount = std::min<std::size_t>(data[0] % 16, size - 1);
    std::vector<std::size_t> pieceSizes(data + 1, data + 1 + pieceCount);
    if (pieceSizes.empty())
        pieceSizes.push_back(42);
    const std::uint8_t *streamStart = data + 1 + pieceCount;
    const std::size_t streamSize = size - 1 - pieceCount;

    FormFixture f({1});
    f.load();
    f.form.SerialPort_Click(1);
    f.choose(8);
    f.click(GroupId::optSender, 0);
    const ParameterPacket packet = BuildParameterPacket(f.config());
    const std::vector<std::uint8_t> proper = replyFor(packet);

    std::vector<std::uint8_t> stream(streamStart, streamStart + streamSize);
    for (std::size_t i = 0; i < stream.size() && i < proper.size(); ++i)
        stream[i] ^= proper[i];

    f.port.echoPacket = false;
    std::size_t offset = 0;
    for (std::size_t i = 0; offset < stream.size(); ++i) {
        const std::size_t piece = std::min(pieceSizes[i % pieceSizes.size()] % 50, stream.size() - offset);
        f.port.replyChunks.emplace_back(stream.begin() + static_cast<std::ptrdiff_t>(offset),
                                        stream.begin() + static_cast<std::ptrdiff_t>(offset + piece));
        offset += piece;
        if (piece == 0 && i > 1000)
            break;
    }

    // The oracle.
    std::size_t waiting = 0;
    bool ended = false;
    for (const auto &piece : f.port.replyChunks) {
        waiting += piece.size();
        if (waiting >= ReplySize) {
            ended = true;
            break;
        }
    }
    TransferOutcome expected = TransferOutcome::NoCommunication;
    if (ended && waiting == ReplySize) {
        const bool header = stream[0] == 170 && stream[1] == 170
            && stream[3] == static_cast<std::uint8_t>((stream[0] + stream[1] + stream[2]) % 256);
        const bool echo = std::equal(packet.begin(), packet.end(), stream.begin() + 4) && stream[41] == 0;
        expected = header && echo ? TransferOutcome::Sent : TransferOutcome::NotConfirmed;
    }

    const auto rxBefore = f.config().RxBuffer;
    f.form.cmdTransfer_Click();
    FUZZ_CHECK(f.form.lastTransferOutcome() == expected);
    FUZZ_CHECK(!f.form.transferInProgress());
    if (expected == TransferOutcome::NoCommunication)
        FUZZ_CHECK(f.config().RxBuffer == rxBefore);
    else
        FUZZ_CHECK(std::equal(stream.begin(), stream.begin() + ReplySize, f.config().RxBuffer.begin()));
    return 0;
}
