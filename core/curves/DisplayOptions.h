#pragma once

#include <array>
#include <string_view>

namespace gauge {

// Alarm thresholds in tenths of a percent; 0 is the alarm switched off. The minimum is off at
// "0% ", the maximum at "100%".
inline constexpr std::array<std::string_view, 5> MinAlarmCaptions = {"0% ", "20%", "40%", "60%",
                                                                     "80%"};
inline constexpr std::array<float, 5> MinAlarmValues = {0, 200, 400, 600, 800};
inline constexpr std::array<std::string_view, 5> MaxAlarmCaptions = {"20%", "40%", "60%", "80 %",
                                                                     "100%"};
inline constexpr std::array<float, 5> MaxAlarmValues = {200, 400, 600, 800, 0};

inline constexpr int MinAlarmOffIndex = 0;
inline constexpr int MaxAlarmOffIndex = 4;
inline constexpr int DefaultMinAlarmIndex = 1; // "20%"
inline constexpr int DefaultMaxAlarmIndex = 3; // "80 %"

inline constexpr std::array<std::string_view, 2> OnOffCaptions = {"OFF", "ON"};
inline constexpr std::array<std::string_view, 2> ContactCaptions = {"NO ", "NC"};
inline constexpr std::array<std::string_view, 2> ContactToolTips = {"Nom. Opened", "Norm. Closed"};

inline constexpr std::array<std::string_view, 2> SupplyVoltageCaptions = {"12 Vdc",
                                                                          "24 Vdc (Dedicated)"};

} // namespace gauge
