#pragma once

namespace gauge {

// The nine choices a configuration record keeps: option indexes, and the gauge type's code.
struct RecordChoices
{
    int supply = 0;
    int gaugeType = 0;
    int sender = 0;
    int unit = 0;
    int minimumAlarm = 0;
    int maximumAlarm = 0;
    int blinking = 0;
    int alarmOutput = 0;
    int contact = 0;

    friend bool operator==(const RecordChoices &, const RecordChoices &) = default;
};

} // namespace gauge
