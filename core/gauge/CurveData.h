#pragma once

#include <array>
#include <span>

namespace gauge {

// One sender's curve: four coefficients c1..c4, as the sender's maker publishes them.
struct CurveRow
{
    int sender;
    std::array<float, 4> coefficients;
};

// Curves that stand alike at every listed gauge type and unit index: a curve depends on gauge
// type and sender only, so a type with several units repeats it at each unit.
struct CurveSet
{
    std::span<const int> gaugeTypes;
    std::span<const int> unitIndexes;
    std::span<const CurveRow> rows;
};

std::span<const CurveSet> curveSets();

// Whether the curve data holds a curve for the sender at that gauge type and unit index.
bool hasCurve(int gaugeType, int unitIndex, int sender);

} // namespace gauge
