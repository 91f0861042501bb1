#include "gauge/CurveData.h"

#include "gauge/Catalogue.h"

#include <algorithm>

namespace gauge {

namespace {

// One option or curve a line, as the makers list them.
// clang-format off
constexpr int FuelLevelOnly[] = {FuelLevel};
constexpr int ConsumptionOnly[] = {Consumption};
constexpr int OilPressureOnly[] = {OilPressure};
constexpr int WaterAndWasteLevel[] = {WaterLevel, WasteLevel};
constexpr int AllLevels[] = {FuelLevel, WaterLevel, WasteLevel};
constexpr int AirTemperatureOnly[] = {AirTemperature};
constexpr int OilAndWaterTemperature[] = {OilTemperature, WaterTemperature};
constexpr int WaterTemperatureOnly[] = {WaterTemperature};
constexpr int VoltmeterOnly[] = {Voltmeter};
constexpr int AmmeterOnly[] = {Ammeter};

constexpr int FirstUnit[] = {0};
constexpr int TwoUnits[] = {0, 1};
constexpr int ThreeUnits[] = {0, 1, 2};

// The three level gauges share their senders' curves, but for sender 0: Water Level and Waste
// Level read it like a reed sender, unlike Fuel Level.
constexpr CurveRow FuelLevelSender0[] = {
    // sender   c1        c2         c3        c4
    {0, {0.0f, 5.05f, -70.05f, 175.0f}},
};

constexpr CurveRow WaterAndWasteLevelSender0[] = {
    {0, {0.0f, -14.015f, 35.909f, 87.0f}},
};

constexpr CurveRow LevelCurves[] = {
    {1, {3.89f, -9.774f, 33.76f, -24.395f}},
    {2, {0.0f, -14.015f, 35.909f, 87.0f}},
    {3, {4.962f, -23.143f, 47.176f, -27.039f}},
    {4, {0.0f, -14.015f, 35.909f, 87.0f}},
    {5, {4.962f, -23.143f, 47.176f, -27.039f}},
    {6, {0.0f, 0.0f, -125.0f, 600.0f}},
};

constexpr CurveRow ConsumptionCurves[] = {
    {0, {0.054f, -0.214f, 1.534f, -0.032f}},
};

constexpr CurveRow OilPressureCurves[] = {
    {0, {-0.7445f, 5.9245f, -17.401f, 23.666f}},
    {1, {-0.99f, 8.341f, -26.11f, 35.66f}},
    {2, {-2.8703f, 19.634f, -77.313f, 186.48f}},
    {3, {0.3577f, -1.38f, 2.63f, -1.29f}},
    {4, {1.3374f, -10.907f, 30.89f, -28.996f}},
    {5, {0.8465f, -4.923f, 9.92f, -5.82f}},
    {6, {2.858f, -11.306f, 17.428f, -5.938f}},
    {7, {1.0214f, -4.6534f, 8.9929f, -5.0f}},
};

constexpr CurveRow AirTemperatureCurves[] = {
    {0, {0.0f, 0.0f, -32.602f, 142.53f}},
};

constexpr CurveRow TemperatureCurves[] = {
    {0, {-10.15f, 78.282f, -217.83f, 300.0f}},
    {1, {-6.3718f, 61.95f, -229.63f, 402.11f}},
    {3, {-4.99f, 48.146f, -183.99f, 340.7f}},
    {4, {-4.6551f, 42.866f, -154.56f, 274.9f}},
    {5, {0.0f, -2.3919f, -19.05f, 178.73f}},
    {6, {-5.4143f, 51.789f, -193.33f, 352.74f}},
    {7, {-5.86f, 57.321f, -218.56f, 397.67f}},
    {8, {-6.521f, 61.834f, -224.2f, 395.0f}},
};

// The ZOR sender is offered on Water Temperature only; Oil Temperature leaves sender 2 empty.
constexpr CurveRow ZorWaterTemperatureCurves[] = {
    {2, {0.0f, 0.0f, -35.411f, 152.0f}},
};

constexpr CurveRow VoltmeterCurves[] = {
    {0, {0.0f, 0.0f, 5.99f, 0.0f}},
    {1, {0.0f, 0.0f, 70.71f, 0.0f}},
};

constexpr CurveRow AmmeterCurves[] = {
    {0, {154.27f, -527.2f, -151.62f, 516.79f}},
    {1, {37.254f, -127.49f, -39.653f, 135.73f}},
    {2, {27.556f, -89.032f, -24.584f, 79.333f}},
    {3, {13.5f, -43.515f, -12.379f, 39.603f}},
    {4, {4.2674f, -13.644f, -4.1712f, 13.318f}},
};

constexpr CurveSet Sets[] = {
    {FuelLevelOnly, FirstUnit, FuelLevelSender0},
    {WaterAndWasteLevel, FirstUnit, WaterAndWasteLevelSender0},
    {AllLevels, FirstUnit, LevelCurves},
    {ConsumptionOnly, FirstUnit, ConsumptionCurves},
    {OilPressureOnly, ThreeUnits, OilPressureCurves},
    {AirTemperatureOnly, TwoUnits, AirTemperatureCurves},
    {OilAndWaterTemperature, TwoUnits, TemperatureCurves},
    {WaterTemperatureOnly, TwoUnits, ZorWaterTemperatureCurves},
    {VoltmeterOnly, FirstUnit, VoltmeterCurves},
    {AmmeterOnly, FirstUnit, AmmeterCurves},
};

// clang-format on

} // namespace

std::span<const CurveSet> curveSets()
{
    return Sets;
}

bool hasCurve(int gaugeType, int unitIndex, int sender)
{
    const auto contains = [](std::span<const int> values, int value) {
        return std::find(values.begin(), values.end(), value) != values.end();
    };
    return std::any_of(std::begin(Sets), std::end(Sets), [&](const CurveSet &set) {
        return contains(set.gaugeTypes, gaugeType) && contains(set.unitIndexes, unitIndex)
            && std::any_of(set.rows.begin(), set.rows.end(),
                           [&](const CurveRow &row) { return row.sender == sender; });
    });
}

} // namespace gauge
