#include "catalogue/GaugeCatalogue.h"


namespace gauge {

namespace {

using enum SenderState;

constexpr std::string_view PercentUnit[] = {"%"};
constexpr std::string_view PressureUnits[] = {"PSI", "ATM", "BAR"};
constexpr std::string_view TemperatureUnits[] = {"°C", "°F"};
constexpr std::string_view VoltUnit[] = {"Volt"};
constexpr std::string_view AmpereUnit[] = {"Ampere"};

constexpr std::uint8_t LevelCode[] = {8};
constexpr std::uint8_t ConsumptionCode[] = {10};
constexpr std::uint8_t PressureCodes[] = {5, 6, 7};
constexpr std::uint8_t TemperatureCodes[] = {3, 4};
constexpr std::uint8_t VoltCode[] = {1};
constexpr std::uint8_t AmpereCode[] = {2};

constexpr std::string_view KltNotice = "NOTICE!! ONLY FOR KLT CAP Code Qnnnnnn1A ";
constexpr std::string_view StdNotice = "NOTICE!! FOR ALL SENSOR STD COMPATIBLE, EXCEPT Qnnnnnn1A ";

constexpr SenderOption LevelSenders[] = {
    {"Code Qnnnnnn1A Capacitive 240-33 Ohm", KltNotice, Enabled},
    {"Code Qnnnnnn1A Capacitive 10-180 Ohm", KltNotice, Enabled},
    {"Reed 240-22 Ohm (Obsoleto)", "", Disabled},
    {"Reed 10-180 Ohm (Obsoleto)", "", Disabled},
    {"Capacitive Code Qnnnnnn2A + STD 240-33 Ohm", StdNotice, Enabled},
    {"Capacitive Code Qnnnnnn2A + VDO 10-180 Ohm", StdNotice, Enabled},
    {"Capacitive Code Qnnnnnn4-20", "", Enabled},
};

constexpr SenderOption ConsumptionSenders[] = {
    {"DRAV Sensor", "", Enabled},
};

constexpr SenderOption OilPressureSenders[] = {
    {"Faria 80PSI SD0003", "", AfterUnit},
    {"Faria 100PSI SD0006", "", AfterUnit},
    {"Teleflex  80PSI 4HD", "", AfterUnit},
    {"VDO 5BAR 12.04", "", AfterUnit},
    {"VDO 5BAR 1.06 32/2", "", AfterUnit},
    {"VDO 10BAR 10.00 29/10", "", AfterUnit},
    {"VDO 25BAR 10.03", "", AfterUnit},
    {"VDO 25BAR 10.05", "", AfterUnit},
};

constexpr SenderOption AirTemperatureSenders[] = {
    {"ZOR Sensor", "", AfterUnit},
};

constexpr SenderOption OilTemperatureSenders[] = {
    {"VDO 11.97", "11.97 801/1/6", AfterUnit},
    {"VDO 11.04", "11.04 801/4/39", AfterUnit},
    {"ZOR", "", Hidden},
    {"Teleflex 1010", "1010 p/n 52320E010", AfterUnit},
    {"Teleflex 4004", "4004 p/n 52320E017", AfterUnit},
    {"Faria TS4042", "Faria TS4042", AfterUnit},
    {"Faria TS2029", "Faria TS2029", AfterUnit},
    {"Faria TS1029", "Faria TS1029", AfterUnit},
    {"Faria TS3044", "Faria TS3044", AfterUnit},
};

constexpr SenderOption WaterTemperatureSenders[] = {
    {"VDO 11.97", "11.97 801/1/6", AfterUnit},
    {"VDO 11.04", "11.04 801/4/39", AfterUnit},
    {"ZOR", "", AfterUnit},
    {"Teleflex 1010", "1010 p/n 52320E010", AfterUnit},
    {"Teleflex 4004", "4004 p/n 52320E017", AfterUnit},
    {"Faria TS4042", "Faria TS4042", AfterUnit},
    {"Faria TS2029", "Faria TS2029", AfterUnit},
    {"Faria TS1029", "Faria TS1029", AfterUnit},
    {"Faria TS3044", "Faria TS3044", AfterUnit},
    // Beyond the senders a unit choice enables, so it stays greyed.
    {"ZOR Sensor", "ZOR", Disabled},
};

constexpr SenderOption VoltmeterSenders[] = {
    {"ZOR Digital Gauge", "", Enabled},
};

constexpr SenderOption AmmeterSenders[] = {
    {"ZOR Sender 200 Amp", "", Enabled},
    {"ZOR Sender 50 Amp", "", Enabled},
};

// Waste Level counts six senders like the other two level gauges that show the same seven
// options, so that Clear and Save reach its senders 4 and 5 as well.
constexpr GaugeTypeInfo Catalogue[] = {
    {1, "Fuel Level", "Fuel Level", 1, 6, PercentUnit, LevelCode, true, LevelSenders, false},
    {2, "Consuption", "Consuption", 1, 1, PercentUnit, ConsumptionCode, true, ConsumptionSenders,
     true},
    {3, "Oil Pressure", "Oil pressure", 3, 8, PressureUnits, PressureCodes, false,
     OilPressureSenders, false},
    {4, "Water Level", "Water Level", 1, 6, PercentUnit, LevelCode, true, LevelSenders, false},
    {5, "Air Temperature", "Air Temperature", 2, 1, TemperatureUnits, TemperatureCodes, false,
     AirTemperatureSenders, false},
    {6, "Oil Temperature", "Oil Temperature", 2, 9, TemperatureUnits, TemperatureCodes, false,
     OilTemperatureSenders, false},
    {7, "Water Temperature", "Water Temperature", 2, 9, TemperatureUnits, TemperatureCodes, false,
     WaterTemperatureSenders, false},
    {8, "Voltmeter", "Voltometer", 1, 2, VoltUnit, VoltCode, true, VoltmeterSenders, false},
    {9, "Ammeter", "Ammetter", 1, 1, AmpereUnit, AmpereCode, true, AmmeterSenders, false},
    {10, "Waste Level", "Waste Lavel", 1, 6, PercentUnit, LevelCode, true, LevelSenders, false},
};

} // namespace

bool isGaugeType(int code)
{
    return code >= FirstGaugeType && code <= LastGaugeType;
}

const GaugeTypeInfo *gaugeTypeInfo(int code)
{
    return isGaugeType(code) ? &Catalogue[code - FirstGaugeType] : nullptr;
}

std::uint8_t gaugeCodeFor(int gaugeType, std::uint8_t supplyVoltage)
{
    return static_cast<std::uint8_t>(supplyVoltage == 0 ? gaugeType : gaugeType + 50);
}

std::optional<std::uint8_t> unitCodeFor(int gaugeType, int unitIndex)
{
    const GaugeTypeInfo *info = gaugeTypeInfo(gaugeType);
    if (!info)
        return std::nullopt;
    if (info->unitCodes.size() == 1)
        return info->unitCodes.front();
    if (unitIndex < 0 || unitIndex >= static_cast<int>(info->unitCodes.size()))
        return std::nullopt;
    return info->unitCodes[static_cast<std::size_t>(unitIndex)];
}

bool isOfferedInMenu(int gaugeType)
{
    return isGaugeType(gaugeType) && gaugeType != ConsumptionGaugeType;
}

} // namespace gauge
