#pragma once

#include "files/ByteFile.h"

#include <string>

namespace gauge {

// The one-byte start-up flag of the connection help window: 100 when it is to be shown at the
// next start, 50 when not. Nothing reads it back; the window comes up at every start.
inline constexpr std::uint8_t ShowAtStartupFlag = 100;
inline constexpr std::uint8_t HideAtStartupFlag = 50;

FileResult writeStartupFlag(const std::string &path, bool showAtStartup);

} // namespace gauge
