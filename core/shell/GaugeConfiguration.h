#pragma once

#include "curves/CoefficientTable.h"

#include <array>
#include <cstdint>
#include <string>

namespace gauge {

// Marks a selection variable (gauge type, supply voltage, unit, sender) as not chosen yet.
inline constexpr std::uint8_t NotChosen = 255;

// Everything the tool knows about the gauge being set up. One instance lives for the whole run;
// it starts zero-filled and the main window's start-up gives it its defaults. The field names
// are the ones the protocol documentation uses, so they are kept as written.
struct GaugeConfiguration
{
    bool HelpMode = false;
    std::array<std::string, 11> HelpTexts {};

    // Positions 37 to 42 are never written: the reply check compares reply byte 41 with the
    // zero at position 37.
    std::array<std::uint8_t, 43> TxBuffer {};
    std::array<std::uint8_t, 43> RxBuffer {};

    std::int16_t GaugeType = 0;
    std::uint8_t SupplyVoltage = 0;
    std::uint8_t UnitIndex = 0;
    std::uint8_t SenderIndex = 0;
    std::uint8_t SenderCount = 0;
    std::uint8_t UnitCount = 0;

    std::uint8_t PacketLength = 0;
    std::uint8_t ReplyHeaderLength = 0;
    std::uint8_t FrameStartByte = 0;

    // Never returns to false once a port has been opened from the menu.
    bool PortReady = false;

    std::uint8_t GaugeCode = 0;
    std::uint8_t UnitCode = 0;
    std::int16_t ScaleLow = 0;
    std::int16_t ScaleHigh = 0;

    // Tenths of a percent held as whole-valued reals; 0 means the alarm is off.
    float MinAlarm = 0;
    float MaxAlarm = 0;

    std::uint8_t AlarmOutput = 0;
    std::uint8_t BlkSetting = 0;
    std::uint8_t ContactType = 0;

    std::array<std::uint8_t, 9> GaugeFileBytes {};

    // Integer words of c1..c4 in 0..3, their fraction words in 4..7.
    std::array<std::int16_t, 8> CurveCoefficients {};

    bool LoadedFromFile = false;

    gauge::CoefficientTable CoefficientTable;
};

// The first steps of the main window's start-up: the defaults and the protocol constants.
void setStartupDefaults(GaugeConfiguration &config);

bool ConfigurationComplete(const GaugeConfiguration &config);

} // namespace gauge
