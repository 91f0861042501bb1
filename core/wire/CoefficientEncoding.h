#pragma once

#include <cstdint>
#include <string>

namespace gauge::wire {

// Bit 14 of a coefficient's integer word marks it negative.
inline constexpr std::int16_t SignFlag = 0x4000;

// A real curve coefficient as the gauge takes it: the integer part of the magnitude with the sign
// flag, and the fractional part in thousandths.
struct CoefficientWords
{
    std::int16_t integer;
    std::int16_t fraction;

    friend bool operator==(const CoefficientWords &, const CoefficientWords &) = default;
};

CoefficientWords encodeCoefficient(float value);

// The coefficient a word pair stands for, with its three decimals: "-0.214".
std::string coefficientText(int integerWord, int fractionWord);

} // namespace gauge::wire
