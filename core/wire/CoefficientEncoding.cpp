#include "wire/CoefficientEncoding.h"

#include <cmath>
#include <cstdio>

namespace gauge::wire {

namespace {

// Ties go to the even neighbour whatever the floating-point rounding mode is.
float roundHalfToEven(float value)
{
    const float lower = std::floor(value);
    const float rest = value - lower;
    if (rest > 0.5f)
        return lower + 1;
    if (rest < 0.5f)
        return lower;
    return std::fmod(lower, 2.0f) == 0 ? lower : lower + 1;
}

} // namespace

CoefficientWords encodeCoefficient(float value)
{
    const float magnitude = std::fabs(value);
    const float whole = std::floor(magnitude);
    const int integer = static_cast<int>(whole) + (value < 0 ? SignFlag : 0);

    // Every step stays in single precision on purpose: the gauges were programmed with words
    // computed that way, and three table values (-0.7445, 5.9245, 0.8465) land exactly on a
    // tie only in float.
    const float fraction = magnitude - whole;
    const float thousandths = fraction * 1000.0f;
    return {static_cast<std::int16_t>(integer),
            static_cast<std::int16_t>(roundHalfToEven(thousandths))};
}

std::string coefficientText(int integerWord, int fractionWord)
{
    const bool negative = (integerWord & SignFlag) != 0;
    char text[32];
    std::snprintf(text, sizeof text, "%s%d.%03d", negative ? "-" : "", integerWord & ~SignFlag,
                  fractionWord);
    return text;
}

} // namespace gauge::wire
