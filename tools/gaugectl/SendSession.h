#pragma once

#include "Attempt.h"
#include "OperatorInput.h"

#include "platform/TerminationWatch.h"
#include "serial/QtSerialPort.h"
#include "serial/QtTimer.h"
#include "transfer/Clock.h"
#include "transfer/PortMap.h"
#include "transfer/Transfer.h"

#include <QElapsedTimer>

#include <set>
#include <string>

class ProductionLog;

// Programs a gauge, or gauge after gauge on a production line, on the event loop: the port is
// opened anew for each gauge, the packet goes out through the same transfer as in the window,
// and the loop ends with the exit status. Each gauge is told to the technician (in words, or as
// JSON) and to the production log before the next one is offered.
class SendSession
{
public:
    struct Options
    {
        bool each = false;
        bool json = false;
        // The record has an alarm switched off: the technician is asked before a gauge is
        // programmed with it, unless --yes answered already.
        bool alarmOff = false;
        bool yes = false;
        // Each gauge's unit id is read from standard input before it is programmed.
        bool askUnit = false;
        std::optional<std::string> unit; // the one gauge's unit id, given on the command line
    };

    // What every gauge of the run gets: the record's packet on the port.
    struct Target
    {
        std::string port; // as given
        gauge::PortDevice device;
        std::string devicePath; // the device itself, for the log
        std::string record;
        gauge::Record recordBytes {};
        gauge::wire::Packet packet {};
    };

    SendSession(Target target, Options options, ProductionLog *log);

    // Programs the first gauge; call it once the event loop runs.
    void start();

private:
    void programNextGauge();
    void askForUnit();
    void askWhetherSameGaugeAgain();
    void programGauge();
    void refusedOpening(const gauge::OpeningRefusal &refusal);
    void askWhetherAlarmsMayBeOff();
    void decline(const char *why, int status);
    void sendPacket();
    // Whether the run goes on: true when the log can take the next gauge's line; otherwise the
    // port is closed and the run ends, having said why.
    bool goOnWhileLogStillNamed();
    bool goOnWithLogHeldForLine();
    // Tells how the gauge ended; false when the log could not take it.
    bool tellAttempt(Attempt::Outcome outcome, const std::string &detail);
    // Tells the gauge to the log first, then in words when the technician reads words.
    void gaugeEnded(Attempt::Outcome outcome, const std::string &detail = {},
                    const std::string &words = {});
    void waitForNextGauge();
    void endRun();
    void finish(int status);
    void leave(int number);

    Target m_target;
    Options m_options;
    ProductionLog *m_log;

    QtSerialPort m_port;
    QtTimer m_timer;
    gauge::SteadyClock m_clock;
    gauge::Transfer m_transfer {m_port, m_clock, m_timer};
    TerminationWatch m_termination;
    OperatorInput m_input;
    Attempt m_attempt;
    QElapsedTimer m_attemptTime;
    // The unit ids attempted in this run, so that a double scan is caught.
    std::set<std::string> m_unitsTried;
    // The packet went out and no outcome has come yet.
    bool m_packetOut = false;
    bool m_finished = false;
    int m_sent = 0;
    int m_failed = 0;
};
