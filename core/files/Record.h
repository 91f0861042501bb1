#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace gauge {

// The nine-byte configuration record: each byte is 100 plus the selected option's index (for
// the gauge type, 100 plus its code).
inline constexpr std::size_t RecordSize = 9;
inline constexpr int RecordBase = 100;

using Record = std::array<std::uint8_t, RecordSize>;

namespace RecordByte {
inline constexpr std::size_t SupplyVoltage = 0;
inline constexpr std::size_t GaugeType = 1;
inline constexpr std::size_t Sender = 2;
inline constexpr std::size_t Unit = 3;
inline constexpr std::size_t MinAlarm = 4;
inline constexpr std::size_t MaxAlarm = 5;
inline constexpr std::size_t Blinking = 6;
inline constexpr std::size_t AlarmOutput = 7;
inline constexpr std::size_t Contact = 8;
} // namespace RecordByte

// What is wrong with the bytes read from a record file, in plain words ("byte 2: sender 12 does
// not exist for Oil Pressure"); empty when the first nine bytes form a record the window can
// restore. Bytes after the ninth are not looked at.
std::string recordProblem(std::span<const std::uint8_t> bytes);

} // namespace gauge
