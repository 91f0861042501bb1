#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace gauge {

// The outcome of a file operation: an empty reason means success, otherwise it is the system's
// own words for what went wrong.
struct FileResult
{
    std::string reason;

    bool ok() const { return reason.empty(); }

    // What the system says of the error number.
    static FileResult systemError(int errorNumber);
};

// Reads at most maxBytes from the start of the file. Only a regular file is read.
FileResult readFileStart(const std::string &path, std::size_t maxBytes,
                         std::vector<std::uint8_t> &bytes);

// Writes the bytes from offset 0 on, one at a time at its own offset. The file is created when
// absent and never truncated: a longer file keeps its tail. Only a regular file is written. A file
// the writing created is removed again when the writing fails.
FileResult writeFileStart(const std::string &path, std::span<const std::uint8_t> bytes);

} // namespace gauge
