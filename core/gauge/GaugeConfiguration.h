#pragma once

#include "gauge/Options.h"
#include "gauge/ScaleEnds.h"
#include "wire/WireFormat.h"

#include <cstdint>

namespace gauge {

// What the tool knows about the gauge being set up: the choices made and what follows from them.
struct GaugeConfiguration
{
    int gaugeType = NotChosen;
    std::uint8_t supplyVoltage = NotChosen; // 0: 12 Vdc, 1: dedicated 24 Vdc
    std::uint8_t unitIndex = NotChosen;
    std::uint8_t senderIndex = NotChosen;

    // Of the gauge type set up: the number of units shown, and the sender count that a unit
    // choice and Clear go by (not the number of senders shown).
    std::uint8_t unitCount = 0;
    std::uint8_t senderCount = 0;

    std::uint8_t gaugeCode = 0;
    std::uint8_t unitCode = 0;
    ScaleEnds scale {0, 0};
    // The chosen sender's curve; a new type, unit or supply keeps it until a sender is chosen.
    wire::CurveWords curve {};

    // Tenths of a percent; 0 means the alarm is off.
    int minimumAlarm = 0;
    int maximumAlarm = 0;

    std::uint8_t alarmOutput = 0;
    std::uint8_t blinking = 1;
    std::uint8_t contact = 0; // 0: normally open, 1: normally closed

    // Gauge type, supply voltage, unit and sender are chosen; the alarms and outputs always hold
    // a value.
    bool complete() const
    {
        return gaugeType != NotChosen && supplyVoltage != NotChosen && unitIndex != NotChosen
            && senderIndex != NotChosen;
    }

    // Either alarm switched off: the technician is asked before such a gauge is programmed.
    bool alarmOff() const { return minimumAlarm == 0 || maximumAlarm == 0; }

    // The parameter packet that programs the gauge with this configuration.
    wire::Packet packet() const;
};

} // namespace gauge
