#pragma once

#include "common/Result.h"
#include "gauge/RecordChoices.h"
#include "records/ByteFile.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace gauge {

// The nine-byte configuration record: each byte is 100 plus the chosen option's index (for the
// gauge type, 100 plus its code). No header, no checksum; bytes after the ninth are ignored.
inline constexpr std::size_t RecordSize = 9;
inline constexpr int RecordBase = 100;

using Record = std::array<std::uint8_t, RecordSize>;

namespace RecordByte {
inline constexpr std::size_t Supply = 0;
inline constexpr std::size_t GaugeType = 1;
inline constexpr std::size_t Sender = 2;
inline constexpr std::size_t Unit = 3;
inline constexpr std::size_t MinimumAlarm = 4;
inline constexpr std::size_t MaximumAlarm = 5;
inline constexpr std::size_t Blinking = 6;
inline constexpr std::size_t AlarmOutput = 7;
inline constexpr std::size_t Contact = 8;
} // namespace RecordByte

Record encodeRecord(const RecordChoices &choices);

// Whether the first nine bytes of a record file form a record that restores; if not, what is
// wrong, in plain words naming the byte ("byte 2: sender 12 does not exist for Oil Pressure").
Status checkRecord(std::span<const std::uint8_t> bytes);

// Reading a record file gives its choices, or the message that says why it was refused, naming
// the file.
Result<RecordChoices> readRecord(const std::string &path);

Status writeRecord(const std::string &path, const RecordChoices &choices);

} // namespace gauge
