#include "gauge/ScaleEnds.h"

#include "gauge/Catalogue.h"

#include <array>

namespace gauge {

namespace {

struct PressureRange
{
    std::int16_t psi;
    std::int16_t bar;
};

constexpr std::array<PressureRange, 8> OilPressureRanges = {{
    {80, 6},   // Faria 80PSI
    {100, 7},  // Faria 100PSI
    {80, 6},   // Teleflex 80PSI
    {70, 5},   // VDO 5BAR 12.04
    {70, 5},   // VDO 5BAR 1.06
    {145, 10}, // VDO 10BAR
    {362, 25}, // VDO 25BAR 10.03
    {362, 25}, // VDO 25BAR 10.05
}};

constexpr std::array<std::int16_t, 5> AmmeterRanges = {200, 50, 30, 15, 5};

struct TemperatureRange
{
    ScaleEnds celsius;
    ScaleEnds fahrenheit;
};

constexpr TemperatureRange AirTemperatureRange = {{0, 100}, {32, 212}};
constexpr TemperatureRange EngineTemperatureRange = {{60, 130}, {140, 266}};
constexpr TemperatureRange ZorWaterTemperatureRange = {{0, 90}, {32, 194}};
constexpr TemperatureRange ZorSensorWaterTemperatureRange = {{60, 110}, {140, 230}};

constexpr int AtmUnit = 1;
constexpr int BarUnit = 2;
constexpr int FahrenheitUnit = 1;

TemperatureRange waterTemperatureRange(int sender)
{
    if (sender == 2)
        return ZorWaterTemperatureRange;
    if (sender >= 9)
        return ZorSensorWaterTemperatureRange;
    return EngineTemperatureRange;
}

ScaleEnds inUnit(const TemperatureRange &range, int unitIndex)
{
    return unitIndex == FahrenheitUnit ? range.fahrenheit : range.celsius;
}

} // namespace

std::optional<ScaleEnds> scaleEndsFor(int gaugeType, int sender, int unitIndex,
                                      std::uint8_t supplyVoltage)
{
    switch (gaugeType) {
    case FuelLevel:
    case WaterLevel:
    case WasteLevel:
        return ScaleEnds {0, 100};
    case Consumption:
        return ScaleEnds {9, 16};
    case OilPressure: {
        if (sender < 0 || sender >= static_cast<int>(OilPressureRanges.size()))
            return std::nullopt;
        const PressureRange &range = OilPressureRanges[static_cast<std::size_t>(sender)];
        const bool bar = unitIndex == AtmUnit || unitIndex == BarUnit;
        return ScaleEnds {0, bar ? range.bar : range.psi};
    }
    case AirTemperature:
        return inUnit(AirTemperatureRange, unitIndex);
    case OilTemperature:
        return inUnit(EngineTemperatureRange, unitIndex);
    case WaterTemperature:
        return inUnit(waterTemperatureRange(sender), unitIndex);
    case Voltmeter:
        if (sender == 0)
            return supplyVoltage == 0 ? ScaleEnds {9, 16} : ScaleEnds {18, 30};
        return ScaleEnds {110, 220};
    case Ammeter:
        if (sender < 0 || sender >= static_cast<int>(AmmeterRanges.size()))
            return std::nullopt;
        return ScaleEnds {0, AmmeterRanges[static_cast<std::size_t>(sender)]};
    default:
        return std::nullopt;
    }
}

} // namespace gauge
