#pragma once

#include "QuietSeams.h"
#include "SimulatedGauge.h"
#include "serial/QtSerialPort.h"
#include "serial/QtTimer.h"
#include "transfer/Clock.h"
#include "transfer/PortMap.h"
#include "window/MainWindowModel.h"

#include <string>

// The tool's window model with COM1 open on a simulated gauge, set up for a Voltmeter, and
// nobody at the screen: every question answered Yes.
class BenchRig
{
public:
    explicit BenchRig(gauge::sim::ReplyMode mode);

    // One Send Data, run to its end on the event loop; in milliseconds.
    double sendMilliseconds();

    const std::string &lastMessage() const { return m_messages.last(); }
    gauge::sim::SimulatedGauge &gauge() { return m_gauge; }

private:
    gauge::sim::SimulatedGauge m_gauge;
    gauge::FixedPortMap m_ports;
    QtSerialPort m_port;
    QtTimer m_timer;
    QuietMessages m_messages {true};
    NoFileDialogs m_dialogs;
    NoWindows m_windows;
    gauge::SteadyClock m_clock;
    gauge::MainWindowModel m_model;
};
