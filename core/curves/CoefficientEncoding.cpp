#include "curves/CoefficientEncoding.h"

#include <cmath>

namespace gauge {

namespace {

constexpr int SignFlag = 16384;

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

std::int16_t EncodeCoefficient(float x, std::int16_t selector)
{
    const float magnitude = std::fabs(x);
    const float whole = std::floor(magnitude);
    if (selector == 1)
        return static_cast<std::int16_t>(static_cast<int>(whole) + (x < 0 ? SignFlag : 0));

    // Every step stays in single precision on purpose: the gauges were programmed with words
    // computed that way, and three table values (-0.7445, 5.9245, 0.8465) land exactly on a
    // tie only in float.
    const float fraction = magnitude - whole;
    const float thousandths = fraction * 1000.0f;
    return static_cast<std::int16_t>(roundHalfToEven(thousandths));
}

} // namespace gauge
