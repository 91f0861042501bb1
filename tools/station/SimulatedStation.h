#pragma once

#include "SimulatedGauge.h"
#include "serial/QtSerialPort.h"
#include "serial/QtTimer.h"
#include "transfer/Clock.h"
#include "transfer/PortMap.h"
#include "transfer/PortSurvey.h"
#include "transfer/Transfer.h"
#include "window/MainWindowModel.h"

#include <memory>
#include <string>

// The tool as it runs on a workshop PC, with a simulated gauge at the end of the cable: the
// window model over the real Qt serial adapter, timer and clock. The COM numbers name test
// devices only, so the machine's own ports are never touched. Nothing is started: the owner puts
// the gauge behind a COM number, then starts the model.
struct SimulatedStation
{
    explicit SimulatedStation(gauge::Platform platform,
                              gauge::sim::ReplyMode mode = gauge::sim::ReplyMode::Correct);

    // The gauge behind COM number, as the system would describe its cable.
    void plugGaugeIn(int number, std::string description = "simulated gauge");

    // Reset to pull the gauge's cable: the writes then go nowhere.
    std::unique_ptr<gauge::sim::SimulatedGauge> gauge;
    gauge::FixedPortMap ports;
    QtSerialPort port;
    QtTimer timer;
    gauge::SteadyClock clock;
    gauge::Transfer transfer {port, clock, timer};
    gauge::PortSurvey survey {port, ports};
    gauge::MainWindowModel model;
};
