#pragma once

#include "common/Result.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace gauge {

// A file operation that failed, in the system's own words for the error number.
Failure systemFailure(int errorNumber);

// Reads at most maxBytes from the start of the file. Only a regular file is read.
Result<std::vector<std::uint8_t>> readFileStart(const std::string &path, std::size_t maxBytes);

// Writes the bytes from offset 0 on, one at a time at its own offset. The file is created when
// absent and never truncated: a longer file keeps its tail. Only a regular file is written. A file
// the writing created is removed again when the writing fails.
Status writeFileStart(const std::string &path, std::span<const std::uint8_t> bytes);

} // namespace gauge
