#pragma once

#include "Console.h"
#include "OperatorInput.h"

#include "serial/QtSerialPort.h"
#include "serial/QtTimer.h"
#include "serial/TerminationWatch.h"
#include "transfer/Clock.h"
#include "transfer/PortMap.h"
#include "transfer/Transfer.h"
#include "wire/WireFormat.h"

// Programs a gauge, or gauge after gauge on a production line, on the event loop: the port is
// opened anew for each gauge, the packet goes out through the same transfer as in the window,
// and the loop ends with the exit status.
class SendSession
{
public:
    struct Options
    {
        bool each = false;
        bool alarmOff = false;
    };

    SendSession(gauge::PortDevice device, const gauge::wire::Packet &packet, Options options,
                Question &question);

    // Programs the first gauge; call it once the event loop runs.
    void start();

private:
    void programNextGauge();
    void gaugeDone(bool sent);
    void waitForNextGauge();
    void finish(int status);
    void leaveIfInterrupted();
    [[noreturn]] void leave(int number);

    gauge::PortDevice m_device;
    gauge::wire::Packet m_packet;
    Options m_options;
    Question &m_question;

    QtSerialPort m_port;
    QtTimer m_timer;
    gauge::SteadyClock m_clock;
    gauge::Transfer m_transfer {m_port, m_clock, m_timer};
    TerminationWatch m_termination;
    OperatorInput m_input;
    int m_sent = 0;
    int m_failed = 0;
};
