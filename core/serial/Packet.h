#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace gauge {

struct GaugeConfiguration;

inline constexpr int PacketSize = 37;
inline constexpr int ReplyHeaderSize = 4;
inline constexpr int ReplySize = ReplyHeaderSize + PacketSize + 1;

using ParameterPacket = std::array<std::uint8_t, PacketSize>;

// The 37-byte parameter packet for the configuration, every 16-bit field high byte first.
ParameterPacket BuildParameterPacket(const GaugeConfiguration &config);

// Sum of the first count - 1 bytes, modulo 256: the last byte is where the checksum goes.
std::uint8_t ComputeChecksum(std::span<const std::uint8_t> bytes, int count);

// Both frame start bytes and the header checksum of the reply in RxBuffer.
bool ReplyHeaderValid(const GaugeConfiguration &config);
// The reply echoes the packet in TxBuffer and ends with the zero that follows it there.
bool ReplyEchoValid(const GaugeConfiguration &config);

} // namespace gauge
