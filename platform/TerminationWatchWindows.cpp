#include "TerminationWatch.h"

#include <QMetaObject>

#include <atomic>
#include <csignal>
#include <windows.h>

namespace {

// Windows ends the program once the handler returns from a closing console, and gives it about
// five seconds before that: the handler waits for the watch to go, a little less long.
constexpr DWORD ClosingGraceMs = 4500;

std::atomic<TerminationWatch *> current = nullptr;
std::atomic<int> caught = 0;
HANDLE watchGone = nullptr;

int signalFor(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
        return SIGINT;
    case CTRL_BREAK_EVENT:
        return SIGBREAK;
    case CTRL_CLOSE_EVENT:
        return SIGTERM;
    default:
        return 0;
    }
}

// Runs on a thread of its own, which the system starts for the event: the watch hears of it on
// its event loop.
BOOL WINAPI onConsoleEvent(DWORD event)
{
    const int number = signalFor(event);
    TerminationWatch *watch = current.load();
    if (number == 0 || !watch)
        return FALSE;
    caught = number;
    QMetaObject::invokeMethod(
        watch, [watch, number] { emit watch->terminationRequested(number); }, Qt::QueuedConnection);
    if (event == CTRL_CLOSE_EVENT)
        ::WaitForSingleObject(watchGone, ClosingGraceMs);
    return TRUE;
}

} // namespace

TerminationWatch::TerminationWatch(Handling handling, QObject *parent)
    : QObject(parent)
{
    // A console's events never stall a call the program makes; nothing is ignored at start.
    Q_UNUSED(handling);
    Q_ASSERT_X(!current.load(), "TerminationWatch", "one watch at a time");
    caught = 0;
    // Made once and never closed: a closing console's handler may still wait on it.
    if (!watchGone)
        watchGone = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ::ResetEvent(watchGone);
    current = this;
    ::SetConsoleCtrlHandler(&onConsoleEvent, TRUE);
}

TerminationWatch::~TerminationWatch()
{
    ::SetConsoleCtrlHandler(&onConsoleEvent, FALSE);
    current = nullptr;
    ::SetEvent(watchGone);
}

bool TerminationWatch::requested()
{
    return caught != 0;
}
