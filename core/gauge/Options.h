#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace gauge {

// Marks a choice as not made yet: no gauge type, supply voltage, unit or sender chosen, or no
// option of a group selected.
inline constexpr std::uint8_t NotChosen = 255;

// What the technician chooses for a gauge, each from a group of mutually exclusive options.
enum class Choice {
    Supply,
    Unit,
    Sender,
    MinimumAlarm,
    MaximumAlarm,
    Blinking,
    AlarmOutput,
    Contact
};
inline constexpr int ChoiceCount = static_cast<int>(Choice::Contact) + 1;

// How many options each group has. Supply options 2 and 3 and unit option 3 are never offered;
// senders fill two columns of ten.
inline constexpr std::array<int, ChoiceCount> OptionCounts = {4, 4, 20, 5, 5, 2, 2, 2};

inline constexpr int optionCount(Choice choice)
{
    return OptionCounts[static_cast<std::size_t>(choice)];
}

inline constexpr std::array<std::string_view, 2> SupplyNames = {"12 Vdc", "24 Vdc (Dedicated)"};
inline constexpr int TwelveVolts = 0;
inline constexpr int DedicatedSupply = 1;

// Alarm thresholds in tenths of a percent; 0 is the alarm switched off. The minimum is off at
// "0% ", the maximum at "100%".
inline constexpr std::array<std::string_view, 5> MinimumAlarmNames
    = {"0% ", "20%", "40%", "60%", "80%"};
inline constexpr std::array<int, 5> MinimumAlarmValues = {0, 200, 400, 600, 800};
inline constexpr std::array<std::string_view, 5> MaximumAlarmNames
    = {"20%", "40%", "60%", "80 %", "100%"};
inline constexpr std::array<int, 5> MaximumAlarmValues = {200, 400, 600, 800, 0};

inline constexpr int MinimumAlarmOff = 0;
inline constexpr int MaximumAlarmOff = 4;
inline constexpr int DefaultMinimumAlarm = 1; // "20%"
inline constexpr int DefaultMaximumAlarm = 3; // "80 %"

inline constexpr std::array<std::string_view, 2> OnOffNames = {"OFF", "ON"};
inline constexpr int Off = 0;
inline constexpr int On = 1;

inline constexpr std::array<std::string_view, 2> ContactNames = {"NO ", "NC"};
inline constexpr std::array<std::string_view, 2> ContactNotes = {"Nom. Opened", "Norm. Closed"};
inline constexpr int NormallyOpen = 0;

// The name of an option as the window captions it, for the gauge type set up; empty where the
// option has none (not offered for this type, or no type chosen).
std::string_view optionName(int gaugeType, Choice choice, int index);

} // namespace gauge
