#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace gauge {

// A parameter packet in words, one field a line ("gauge: Voltmeter, 12 Vdc"), for people who
// look at what went down the line.
std::vector<std::string> describePacket(std::span<const std::uint8_t> packet);

} // namespace gauge
