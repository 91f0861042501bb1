#include "TerminationWatch.h"

#include <QMetaObject>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <utility>
#include <windows.h>

namespace {

// Windows ends the program once the handler returns from a closing console, a log-off or a
// shutdown, and gives it about five seconds before that: the handler waits for the watch to go, a
// little less long.
constexpr DWORD ClosingGraceMs = 4500;

// The console's handler runs on a thread of its own: it tells the watch only under the lock, which
// the watch's destruction takes too, so it never posts to a watch being destroyed.
std::mutex watchLock;
TerminationWatch *current = nullptr;
std::atomic<int> caught = 0;
HANDLE watchGone = nullptr;

// The end of the session comes as messages to top-level windows, to programs that load user32 (Qt
// does) instead of as console events; a message-only window does not get them.
HWND sessionWindow = nullptr;
constexpr wchar_t SessionWindowClass[] = L"GaugeProgrammerTerminationWatch";

int signalFor(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
        return SIGINT;
    case CTRL_BREAK_EVENT:
        return SIGBREAK;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
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
    if (number == 0)
        return FALSE;
    {
        const std::lock_guard lock(watchLock);
        TerminationWatch *watch = current;
        if (!watch)
            return FALSE;
        caught = number;
        QMetaObject::invokeMethod(
            watch, [watch, number] { emit watch->terminationRequested(number); },
            Qt::QueuedConnection);
    }
    if (number == SIGTERM)
        ::WaitForSingleObject(watchGone, ClosingGraceMs);
    return TRUE;
}

// Runs on the watch's thread, from its event loop. Once WM_ENDSESSION is answered, Windows may
// end the program at any moment: whoever listens has done what must be done before the answer,
// and what they wrote to a standard stream is flushed, which the C runtime may hold back when the
// stream is a file.
LRESULT CALLBACK onSessionMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam) {
            auto *watch
                = reinterpret_cast<TerminationWatch *>(::GetWindowLongPtrW(window, GWLP_USERDATA));
            if (watch) {
                caught = SIGTERM;
                emit watch->terminationRequested(SIGTERM);
                std::fflush(nullptr);
            }
        }
        return 0;
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

// A hidden top-level window of the watch's thread; nothing when the system gives none.
HWND makeSessionWindow(TerminationWatch *watch)
{
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &onSessionMessage;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = SessionWindowClass;
    if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return nullptr;
    HWND window = ::CreateWindowExW(0, SessionWindowClass, L"", WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                                    nullptr, instance, nullptr);
    if (window)
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(watch));
    return window;
}

} // namespace

TerminationWatch::TerminationWatch(Handling handling, QObject *parent)
    : QObject(parent)
{
    // A console's events never stall a call the program makes; nothing is ignored at start.
    Q_UNUSED(handling);
    caught = 0;
    // Made once and never closed: a closing console's handler may still wait on it.
    if (!watchGone)
        watchGone = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ::ResetEvent(watchGone);
    {
        const std::lock_guard lock(watchLock);
        Q_ASSERT_X(!current, "TerminationWatch", "one watch at a time");
        current = this;
    }
    sessionWindow = makeSessionWindow(this);
    ::SetConsoleCtrlHandler(&onConsoleEvent, TRUE);
}

TerminationWatch::~TerminationWatch()
{
    ::SetConsoleCtrlHandler(&onConsoleEvent, FALSE);
    if (sessionWindow)
        ::DestroyWindow(std::exchange(sessionWindow, nullptr));
    {
        const std::lock_guard lock(watchLock);
        current = nullptr;
    }
    ::SetEvent(watchGone);
}

bool TerminationWatch::requested()
{
    return caught != 0;
}
