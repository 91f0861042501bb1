#pragma once

#include <cstdint>

namespace gauge {

// The gauge takes a real coefficient as two words: the integer part of the magnitude with bit 14
// as the sign flag (selector 1), or the fractional part in thousandths (any other selector).
std::int16_t EncodeCoefficient(float x, std::int16_t selector);

} // namespace gauge
