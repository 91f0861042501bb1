#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace gauge::sim {

// How the simulated gauge answers a parameter packet.
enum class ReplyMode {
    Correct,    // header, the echo, then the zero trailer
    BadHeader,  // header checksum off by one
    BadEcho,    // one echoed byte changed
    BadTrailer, // last byte 1 instead of 0
    Short,      // 41 bytes
    Long,       // 43 bytes
    Silent,     // no answer at all
    LineRate,   // correct, paced as a real gauge at 4800 baud
    HangUp,     // half a reply, then the line goes away
};

std::string_view modeName(ReplyMode mode);
std::optional<ReplyMode> modeFromName(std::string_view name);

// The reply a gauge gives to the packet in the mode: what a real gauge sends when it takes the
// packet, or that spoilt in the mode's way. The header byte only enters the header checksum.
std::vector<std::uint8_t> replyTo(const std::vector<std::uint8_t> &packet, ReplyMode mode,
                                  std::uint8_t headerByte = 0);

// Takes the next whole packet out of the bytes received so far, as a gauge finds its footing on
// a line: bytes before the two frame start bytes are line noise, and a frame start whose packet
// does not add up to its checksum began a packet cut short, so the search goes on after it. What
// may still begin a packet is kept for the bytes to come.
std::optional<std::vector<std::uint8_t>> takePacket(std::vector<std::uint8_t> &received);

} // namespace gauge::sim
