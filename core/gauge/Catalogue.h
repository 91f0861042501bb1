#pragma once

#include "wire/WireFormat.h"

#include <span>
#include <string_view>

namespace gauge {

// The gauge type codes: what the gauge learns it is, and the index of the "New" menu's entries.
enum GaugeTypeCode : int {
    FuelLevel = 1,
    Consumption = 2,
    OilPressure = 3,
    WaterLevel = 4,
    AirTemperature = 5,
    OilTemperature = 6,
    WaterTemperature = 7,
    Voltmeter = 8,
    Ammeter = 9,
    WasteLevel = 10,
};

inline constexpr int FirstGaugeType = FuelLevel;
inline constexpr int LastGaugeType = WasteLevel;

enum class SenderState {
    Enabled,
    Disabled,  // shown greyed, never selectable for this type
    AfterUnit, // shown greyed until a unit is chosen
    Hidden,
};

struct SenderOption
{
    std::string_view name;
    std::string_view note; // empty: the option carries no note
    SenderState state;
};

struct GaugeTypeInfo
{
    int code;
    std::string_view menuName;
    std::string_view title; // what the gauge frame is headed with; a few differ from the menu
    // Not the number of senders shown: a unit choice and Clear visit the senders below it.
    int senderCount;
    // The unit options, in order. A type with one unit sends its code whatever the index.
    std::span<const wire::Unit> units;
    bool setupSelectsUnit;
    std::span<const SenderOption> senders;
    bool setupSelectsSender;

    int unitCount() const { return static_cast<int>(units.size()); }
};

bool isGaugeType(int code);

// The catalogue entry of gauge type 1..10; any other code has none.
const GaugeTypeInfo *gaugeTypeInfo(int code);

// Whether the "New" menu offers the type: Consumption is reached through a record file only.
bool isOfferedInMenu(int gaugeType);

} // namespace gauge
