#include "GaugeReply.h"

#include "wire/WireFormat.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

namespace gauge::sim {

namespace {

constexpr std::array<std::pair<ReplyMode, std::string_view>, 9> ModeNames = {{
    {ReplyMode::Correct, "correct"},
    {ReplyMode::BadHeader, "bad-header"},
    {ReplyMode::BadEcho, "bad-echo"},
    {ReplyMode::BadTrailer, "bad-trailer"},
    {ReplyMode::Short, "short"},
    {ReplyMode::Long, "long"},
    {ReplyMode::Silent, "silent"},
    {ReplyMode::LineRate, "line-rate"},
    {ReplyMode::HangUp, "hang-up"},
}};

} // namespace

std::string_view modeName(ReplyMode mode)
{
    for (const auto &[value, name] : ModeNames) {
        if (value == mode)
            return name;
    }
    return "correct";
}

std::optional<ReplyMode> modeFromName(std::string_view name)
{
    for (const auto &[value, text] : ModeNames) {
        if (text == name)
            return value;
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> takePacket(std::vector<std::uint8_t> &received)
{
    using namespace wire;
    constexpr std::array<std::uint8_t, 2> FrameStart = {FrameStartByte, FrameStartByte};
    for (;;) {
        const auto start
            = std::search(received.begin(), received.end(), FrameStart.begin(), FrameStart.end());
        // A last frame byte on its own may be the first of the two.
        const bool keepLast
            = start == received.end() && !received.empty() && received.back() == FrameStartByte;
        received.erase(received.begin(), keepLast ? received.end() - 1 : start);
        if (received.size() < PacketSize)
            return std::nullopt;
        const std::span<const std::uint8_t> candidate(received.data(), PacketSize);
        if (candidate[PacketField::Checksum] == checksum(candidate.first(PacketField::Checksum))) {
            std::vector<std::uint8_t> packet(candidate.begin(), candidate.end());
            received.erase(received.begin(), received.begin() + PacketSize);
            return packet;
        }
        received.erase(received.begin());
    }
}

std::vector<std::uint8_t> replyTo(const std::vector<std::uint8_t> &packet, ReplyMode mode,
                                  std::uint8_t headerByte)
{
    using namespace wire;
    std::vector<std::uint8_t> reply(ReplyField::Echo + packet.size() + 1, 0);
    reply[ReplyField::FrameStart] = FrameStartByte;
    reply[ReplyField::FrameStart + 1] = FrameStartByte;
    reply[ReplyField::HeaderByte] = headerByte;
    reply[ReplyField::HeaderChecksum]
        = checksum(std::span(reply).first(ReplyField::HeaderChecksum));
    std::copy(packet.begin(), packet.end(), reply.begin() + ReplyField::Echo);
    reply.back() = ReplyTrailer;
    switch (mode) {
    case ReplyMode::BadHeader:
        ++reply[ReplyField::HeaderChecksum];
        break;
    case ReplyMode::BadEcho:
        reply[ReplyField::Echo + PacketField::GaugeCode] ^= 0xFF;
        break;
    case ReplyMode::BadTrailer:
        reply.back() = ReplyTrailer + 1;
        break;
    case ReplyMode::Short:
        reply.pop_back();
        break;
    case ReplyMode::Long:
        reply.push_back(0);
        break;
    case ReplyMode::Silent:
        reply.clear();
        break;
    case ReplyMode::HangUp:
        reply.resize(reply.size() / 2);
        break;
    case ReplyMode::Correct:
    case ReplyMode::LineRate:
        break;
    }
    return reply;
}

} // namespace gauge::sim
