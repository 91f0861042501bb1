#pragma once

#include <QSocketNotifier>

#include <memory>

namespace gauge {
class SerialPort;
}

// Ctrl+C, or a kill, while a gauge is programmed must not leave the port's lock file behind: the
// port is closed before the program ends. The signal only wakes the event loop through a pipe;
// the closing happens there, or after a blocking read the signal interrupted.
class Interrupts
{
public:
    explicit Interrupts(gauge::SerialPort &port);
    Interrupts(const Interrupts &) = delete;
    Interrupts &operator=(const Interrupts &) = delete;

    // Ends the program, the port closed, if a signal came.
    void leaveIfInterrupted();

private:
    static void onSignal(int number);

    gauge::SerialPort &m_port;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
