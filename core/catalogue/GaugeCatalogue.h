#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace gauge {

inline constexpr int FirstGaugeType = 1;
inline constexpr int LastGaugeType = 10;
inline constexpr int ConsumptionGaugeType = 2;

enum class SenderState {
    Enabled,
    Disabled,  // shown greyed, never selectable for this type
    AfterUnit, // shown greyed until a unit is chosen
    Hidden,
};

struct SenderOption
{
    std::string_view caption;
    std::string_view toolTip; // empty: the option shows no tooltip
    SenderState state;
};

struct GaugeTypeInfo
{
    int code;
    std::string_view menuCaption;
    std::string_view title;
    int unitCount;
    // Not the number of senders shown: the unit choice and Clear visit senders below it, Save
    // looks for the selected sender up to it.
    int senderCount;
    std::span<const std::string_view> units;
    // One code per unit option, or a single code that stands for every index.
    std::span<const std::uint8_t> unitCodes;
    bool setupSelectsUnit;
    std::span<const SenderOption> senders;
    bool setupSelectsSender;
};

bool isGaugeType(int code);

// The catalogue entry of gauge type 1..10; any other code has none.
const GaugeTypeInfo *gaugeTypeInfo(int code);

// Gauge code sent to the gauge: the type code on 12 Vdc, 50 more on any other supply value.
std::uint8_t gaugeCodeFor(int gaugeType, std::uint8_t supplyVoltage);

// Unit code for a unit option, or nothing where the code stays as it was.
std::optional<std::uint8_t> unitCodeFor(int gaugeType, int unitIndex);

// Whether the "New" menu offers the type: Consumption is reached through a record file only.
bool isOfferedInMenu(int gaugeType);

} // namespace gauge
