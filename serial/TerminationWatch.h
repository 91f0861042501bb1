#pragma once

#include <QObject>

class QSocketNotifier;

// Tells, on the event loop, that the system asks the program to end: SIGINT (Ctrl+C), SIGTERM
// (a kill, a shutdown) or SIGHUP (the terminal or the session closed). The signal handler only
// writes to a pipe, so whoever hears it may close the serial port, which lets go of its lock
// file, before the program ends. A hang-up ignored when the program started (nohup) stays
// ignored. One watch at a time; it puts back the handling it found. Where there are no such
// signals, nothing is ever told.
class TerminationWatch final : public QObject
{
    Q_OBJECT

public:
    explicit TerminationWatch(QObject *parent = nullptr);
    ~TerminationWatch() override;

signals:
    void terminationRequested(int signal);

private:
    QSocketNotifier *m_notifier = nullptr;
};
