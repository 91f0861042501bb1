#pragma once

#include "QuietSeams.h"
#include "SimulatedStation.h"

#include <QElapsedTimer>

#include <functional>
#include <string>

// The tool's window model with COM1 open on a simulated gauge, set up for a Voltmeter, and
// nobody at the screen: every question answered Yes.
class BenchRig
{
public:
    explicit BenchRig(gauge::sim::ReplyMode mode);

    // Runs Send Data so many times, one transfer after the other, on the application's event loop
    // as the window would: before(i) comes before transfer i, after(i, milliseconds) once it has
    // ended and its message is out.
    void sendData(int transfers, const std::function<void(int)> &before,
                  const std::function<void(int, double)> &after);

    const std::string &lastMessage() const { return m_messages.last(); }
    gauge::sim::SimulatedGauge &gauge() { return *m_station.gauge; }

private:
    void sendNext();
    void changed();

    QuietMessages m_messages {true};
    NoFileDialogs m_dialogs;
    NoWindows m_windows;
    SimulatedStation m_station;
    gauge::MainWindowModel &m_model = m_station.model;

    int m_transfers = 0;
    int m_sent = 0;
    bool m_waiting = false;
    double m_milliseconds = 0;
    QElapsedTimer m_elapsed;
    std::function<void(int)> m_before;
    std::function<void(int, double)> m_after;
};
