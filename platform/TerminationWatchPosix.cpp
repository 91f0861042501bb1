#include "TerminationWatch.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>

namespace {

constexpr int Signals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction previous[std::size(Signals)];
bool watched[std::size(Signals)] = {};
volatile std::sig_atomic_t caught = 0;
// A signal handler may only write to a pipe; there is one, as there is one set of handlers.
int wakePipe[2] = {-1, -1};

void onSignal(int number)
{
    caught = number;
    const char wake = 0;
    [[maybe_unused]] const auto written = ::write(wakePipe[1], &wake, 1);
}

} // namespace

TerminationWatch::TerminationWatch(Handling handling, QObject *parent)
    : QObject(parent)
{
    Q_ASSERT_X(wakePipe[0] < 0, "TerminationWatch", "one watch at a time");
    if (::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    caught = 0;
    m_notifier = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char wake = 0;
        [[maybe_unused]] const auto got = ::read(wakePipe[0], &wake, 1);
        emit terminationRequested(caught);
    });
    struct sigaction action
    {
    };
    action.sa_handler = &onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = handling.interruptBlockingCalls ? 0 : SA_RESTART;
    for (std::size_t i = 0; i < std::size(Signals); ++i) {
        ::sigaction(Signals[i], nullptr, &previous[i]);
        // Started with a hang-up ignored (nohup), the program is to outlive its terminal.
        const bool keptIgnored = handling.keepIgnoredSignals || Signals[i] == SIGHUP;
        watched[i] = previous[i].sa_handler != SIG_IGN || !keptIgnored;
        if (watched[i])
            ::sigaction(Signals[i], &action, nullptr);
    }
}

TerminationWatch::~TerminationWatch()
{
    if (!m_notifier)
        return;
    for (std::size_t i = 0; i < std::size(Signals); ++i) {
        if (watched[i])
            ::sigaction(Signals[i], &previous[i], nullptr);
    }
    delete m_notifier;
    ::close(wakePipe[0]);
    ::close(wakePipe[1]);
    wakePipe[0] = wakePipe[1] = -1;
}

bool TerminationWatch::requested()
{
    return caught != 0;
}
