#pragma once

#include "SimulatedGauge.h"
#include "gauge/Catalogue.h"
#include "serial/QtSerialPort.h"
#include "transfer/Clock.h"
#include "transfer/PortMap.h"
#include "window/MainWindowModel.h"
#include "window/QuietSeams.h"

#include <string>

// The tool's window model with COM1 open on a simulated gauge, set up for a Voltmeter, and
// nobody at the screen: every question answered Yes.
class BenchRig
{
public:
    explicit BenchRig(gauge::sim::ReplyMode mode);

    // One Send Data, in milliseconds.
    double sendMilliseconds();

    const std::string &lastMessage() const { return m_messages.last(); }
    gauge::MainWindowModel &model() { return m_model; }
    gauge::sim::SimulatedGauge &gauge() { return m_gauge; }

private:
    gauge::sim::SimulatedGauge m_gauge;
    gauge::FixedPortMap m_ports;
    QtSerialPort m_port {m_ports};
    gauge::QuietMessages m_messages {true};
    gauge::NoFileDialogs m_dialogs;
    gauge::NoWindows m_windows;
    gauge::SteadyClock m_clock;
    gauge::MainWindowModel m_model;
};
