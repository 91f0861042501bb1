#pragma once

#include "platform/TerminationWatch.h"

#include <QObject>

namespace gauge {
class SerialPort;
}

// When the system asks the tool to end (the session closing, a kill, Ctrl+C in its terminal), it
// ends as Exit leaves it: the port let go at once, so its lock file goes with it, then the event
// loop left, the help windows with it.
class EndOnSignal final : public QObject
{
    Q_OBJECT

public:
    explicit EndOnSignal(gauge::SerialPort &port, QObject *parent = nullptr);

private:
    TerminationWatch m_watch;
};
