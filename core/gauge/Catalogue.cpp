#include "gauge/Catalogue.h"

#include <array>

namespace gauge {

namespace {

using enum SenderState;

using wire::Unit;

constexpr Unit LevelUnit[] = {Unit::LevelPercent};
constexpr Unit ConsumptionUnit[] = {Unit::ConsumptionPercent};
constexpr Unit PressureUnits[] = {Unit::Psi, Unit::Atm, Unit::Bar};
constexpr Unit TemperatureUnits[] = {Unit::Celsius, Unit::Fahrenheit};
constexpr Unit VoltUnit[] = {Unit::Volt};
constexpr Unit AmpereUnit[] = {Unit::Ampere};

constexpr std::string_view KltNotice = "NOTICE!! ONLY FOR KLT CAP Code Qnnnnnn1A ";
constexpr std::string_view StdNotice = "NOTICE!! FOR ALL SENSOR STD COMPATIBLE, EXCEPT Qnnnnnn1A ";

// One option or curve a line, as the makers list them.
// clang-format off
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

// Oil and Water Temperature offer the same senders, but for ZOR, which Oil Temperature hides, and
// the ZOR Sensor, which only Water Temperature lists: beyond the senders a unit choice enables,
// so it stays greyed.
constexpr std::array<SenderOption, 10> temperatureSenders(SenderState zor)
{
    return {{
        {"VDO 11.97", "11.97 801/1/6", AfterUnit},
        {"VDO 11.04", "11.04 801/4/39", AfterUnit},
        {"ZOR", "", zor},
        {"Teleflex 1010", "1010 p/n 52320E010", AfterUnit},
        {"Teleflex 4004", "4004 p/n 52320E017", AfterUnit},
        {"Faria TS4042", "Faria TS4042", AfterUnit},
        {"Faria TS2029", "Faria TS2029", AfterUnit},
        {"Faria TS1029", "Faria TS1029", AfterUnit},
        {"Faria TS3044", "Faria TS3044", AfterUnit},
        {"ZOR Sensor", "ZOR", Disabled},
    }};
}

constexpr auto OilTemperatureSenders = temperatureSenders(Hidden);
constexpr auto WaterTemperatureSenders = temperatureSenders(AfterUnit);

constexpr SenderOption VoltmeterSenders[] = {
    {"ZOR Digital Gauge", "", Enabled},
};

constexpr SenderOption AmmeterSenders[] = {
    {"ZOR Sender 200 Amp", "", Enabled},
    {"ZOR Sender 50 Amp", "", Enabled},
};

// Waste Level counts six senders like the other two level gauges that show the same seven
// options, so that Clear and a unit choice reach its senders 4 and 5 as well.
constexpr GaugeTypeInfo Catalogue[] = {
    {FuelLevel, "Fuel Level", "Fuel Level", 6, LevelUnit, true, LevelSenders, false},
    {Consumption, "Consuption", "Consuption", 1, ConsumptionUnit, true, ConsumptionSenders, true},
    {OilPressure, "Oil Pressure", "Oil pressure", 8, PressureUnits, false, OilPressureSenders,
     false},
    {WaterLevel, "Water Level", "Water Level", 6, LevelUnit, true, LevelSenders, false},
    {AirTemperature, "Air Temperature", "Air Temperature", 1, TemperatureUnits, false,
     AirTemperatureSenders, false},
    {OilTemperature, "Oil Temperature", "Oil Temperature", 9, TemperatureUnits, false,
     std::span(OilTemperatureSenders).first(9), false},
    {WaterTemperature, "Water Temperature", "Water Temperature", 9, TemperatureUnits, false,
     WaterTemperatureSenders, false},
    {Voltmeter, "Voltmeter", "Voltometer", 2, VoltUnit, true, VoltmeterSenders, false},
    {Ammeter, "Ammeter", "Ammetter", 1, AmpereUnit, true, AmmeterSenders, false},
    {WasteLevel, "Waste Level", "Waste Lavel", 6, LevelUnit, true, LevelSenders, false},
};

// clang-format on

} // namespace

bool isGaugeType(int code)
{
    return code >= FirstGaugeType && code <= LastGaugeType;
}

const GaugeTypeInfo *gaugeTypeInfo(int code)
{
    return isGaugeType(code) ? &Catalogue[code - FirstGaugeType] : nullptr;
}

bool isOfferedInMenu(int gaugeType)
{
    return isGaugeType(gaugeType) && gaugeType != Consumption;
}

} // namespace gauge
