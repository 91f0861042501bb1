#pragma once

#include <QObject>

class QSocketNotifier;

// Tells, on the event loop, that the system asks the program to end, so that whoever hears it
// may close the serial port, which lets go of its lock file, before the program ends.
// - POSIX: SIGINT (Ctrl+C), SIGTERM (a kill, a shutdown) or SIGHUP (the terminal or the session
//   closed). The handler only notes the signal and writes to a pipe.
// - Windows: Ctrl+C, Ctrl+Break, and the console closing or the session ending (log-off,
//   shutdown), told as SIGINT, SIGBREAK and SIGTERM. The console's closing waits for the watch to
//   go, as long as the system lets it. The session's end is told at once, before the system is
//   answered, after which it may end the program at any moment: whoever hears it does there
//   whatever must not be lost (a gauge's line in the log).
// One watch at a time; it puts back the handling it found.
class TerminationWatch final : public QObject
{
    Q_OBJECT

public:
    struct Handling
    {
        // A blocking call the signal arrives in gives way instead of going on, so that a write
        // stalled on a pipe nobody reads ends too.
        bool interruptBlockingCalls = false;
        // A signal ignored when the program started (a script's background job) stays ignored;
        // otherwise only an ignored hang-up (nohup) does.
        bool keepIgnoredSignals = true;
    };

    explicit TerminationWatch(Handling handling, QObject *parent = nullptr);
    explicit TerminationWatch(QObject *parent = nullptr)
        : TerminationWatch(Handling {}, parent)
    {
    }
    ~TerminationWatch() override;

    // Whether the end was asked for, for a wait that does not run the event loop.
    static bool requested();

signals:
    void terminationRequested(int signal);

private:
    QSocketNotifier *m_notifier = nullptr;
};
