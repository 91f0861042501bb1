#pragma once

#include <cstdint>
#include <optional>

namespace gauge {

struct ScaleEnds
{
    std::int16_t low;
    std::int16_t high;

    friend bool operator==(const ScaleEnds &, const ScaleEnds &) = default;
};

// The scale the gauge shows for a sender, in the chosen unit. Nothing for combinations the
// catalogue leaves open: the gauge then keeps the scale of the previous lookup.
std::optional<ScaleEnds> scaleEndsFor(int gaugeType, int sender, int unitIndex,
                                      std::uint8_t supplyVoltage);

} // namespace gauge
