#pragma once

#include <string_view>

namespace gauge {

// What the gauge setup has to tell the technician while it applies a choice. Each comes up at
// the moment it arises, before the setup goes on.
enum class Notice {
    DedicatedSupply,      // the 24 V supply was chosen: only for gauges made for it
    MinimumAlarmRejected, // above the maximum in force; the minimum is switched off again
    MaximumAlarmRejected, // below the minimum in force; the maximum is switched off again
};

inline constexpr std::string_view noticeText(Notice notice)
{
    switch (notice) {
    case Notice::DedicatedSupply:
        return "Attention:Only For Dedicated Gauge";
    case Notice::MinimumAlarmRejected:
        return "Error: Minimu Alarm is greater than Maximum Alarm";
    case Notice::MaximumAlarmRejected:
        return "Error: Maximum Alarm is minor than Minimum Alarm";
    }
    return {};
}

} // namespace gauge
