#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// What travels on the programming cable, defined once: the parameter packet the tool sends, the
// reply the gauge gives, and the codes inside them. Every 16-bit value travels high byte first.
namespace gauge::wire {

// Both frames, the packet and the reply, open with this byte twice.
inline constexpr std::uint8_t FrameStartByte = 0xAA;

inline constexpr std::size_t PacketSize = 37;

// Where each field of the parameter packet starts.
namespace PacketField {
inline constexpr std::size_t FrameStart = 0; // two bytes
inline constexpr std::size_t GaugeCode = 2;
inline constexpr std::size_t UnitCode = 3;
inline constexpr std::size_t ScaleLow = 4;  // word
inline constexpr std::size_t ScaleHigh = 6; // word; a zero word follows
inline constexpr std::size_t MinimumAlarm
    = 10; // word, tenths of a percent, 0 = off; a zero word follows
inline constexpr std::size_t MaximumAlarm = 14; // word, as the minimum
inline constexpr std::size_t AlarmOutput = 16;
inline constexpr std::size_t Blinking = 17;
inline constexpr std::size_t Curve = 18; // integer word and fraction word of c1, c2, c3, c4
inline constexpr std::size_t Contact = 34;
inline constexpr std::size_t SenderNumber = 35; // senders counted from 1
inline constexpr std::size_t Checksum = 36;     // sum of the bytes before it, modulo 256
} // namespace PacketField

// The reply: a header protected by its own checksum, the packet echoed, then a zero.
inline constexpr std::size_t ReplyHeaderSize = 4;
inline constexpr std::size_t ReplySize = ReplyHeaderSize + PacketSize + 1;

namespace ReplyField {
inline constexpr std::size_t FrameStart = 0;     // two bytes
inline constexpr std::size_t HeaderByte = 2;     // any value; only the header checksum covers it
inline constexpr std::size_t HeaderChecksum = 3; // sum of the three bytes before it, modulo 256
inline constexpr std::size_t Echo = 4;
inline constexpr std::size_t Trailer = Echo + PacketSize;
} // namespace ReplyField

inline constexpr std::uint8_t ReplyTrailer = 0;

using Packet = std::array<std::uint8_t, PacketSize>;
using Reply = std::array<std::uint8_t, ReplySize>;

// A sender's curve as it travels: the integer word and the fraction word of c1, then of c2, c3
// and c4.
using CurveWords = std::array<std::int16_t, 8>;

struct PacketFields
{
    std::uint8_t gaugeCode = 0;
    std::uint8_t unitCode = 0;
    int scaleLow = 0;
    int scaleHigh = 0;
    int minimumAlarm = 0; // tenths of a percent, 0 = off
    int maximumAlarm = 0;
    std::uint8_t alarmOutput = 0;
    std::uint8_t blinking = 0;
    CurveWords curve {};
    std::uint8_t contact = 0;
    std::uint8_t senderNumber = 0;
};

Packet buildPacket(const PacketFields &fields);

// The 16-bit value at offset, high byte first.
int wordAt(std::span<const std::uint8_t> bytes, std::size_t offset);

// Sum of the bytes, modulo 256.
std::uint8_t checksum(std::span<const std::uint8_t> bytes);

// Both frame start bytes, and the header checksum over them and the header byte.
bool replyHeaderValid(const Reply &reply);
// The packet echoed byte for byte, followed by the zero trailer.
bool replyEchoValid(const Reply &reply, const Packet &packet);

// The gauge code: the gauge type's own code on 12 Vdc, this much more on a dedicated 24 Vdc
// gauge.
inline constexpr int DedicatedSupplyOffset = 50;

std::uint8_t gaugeCode(int gaugeType, bool dedicatedSupply);

struct GaugeCodeMeaning
{
    int gaugeType;
    bool dedicatedSupply;
};
GaugeCodeMeaning decodeGaugeCode(std::uint8_t code);

// Unit codes and the names the window gives them.
enum class Unit : std::uint8_t {
    Volt = 1,
    Ampere = 2,
    Celsius = 3,
    Fahrenheit = 4,
    Psi = 5,
    Atm = 6,
    Bar = 7,
    LevelPercent = 8,
    ConsumptionPercent = 10,
};

// Empty for a code that names no unit.
std::string_view unitName(std::uint8_t code);
inline std::string_view unitName(Unit unit)
{
    return unitName(static_cast<std::uint8_t>(unit));
}

// Two hexadecimal digits a byte, separated by blanks: "AA AA 08 01 ...".
std::string hexBytes(std::span<const std::uint8_t> bytes);

} // namespace gauge::wire
