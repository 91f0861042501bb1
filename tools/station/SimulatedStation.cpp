#include "SimulatedStation.h"

SimulatedStation::SimulatedStation(gauge::Platform platform, gauge::sim::ReplyMode mode)
    : gauge(std::make_unique<gauge::sim::SimulatedGauge>(mode))
    , model(platform, survey, transfer)
{
}

void SimulatedStation::plugGaugeIn(int number, std::string description)
{
    ports.set(number, {gauge->devicePath(), std::move(description)});
}
