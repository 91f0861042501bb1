#include "TerminationWatch.h"

#include <QSocketNotifier>

#include <csignal>
#include <iterator>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
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
#endif

} // namespace

TerminationWatch::TerminationWatch(QObject *parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    Q_ASSERT_X(wakePipe[0] < 0, "TerminationWatch", "one watch at a time");
    if (::pipe(wakePipe) != 0)
        return;
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
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(Signals); ++i) {
        ::sigaction(Signals[i], nullptr, &previous[i]);
        // Started with a hang-up ignored (nohup), the program is to outlive its terminal.
        watched[i] = previous[i].sa_handler != SIG_IGN;
        if (watched[i])
            ::sigaction(Signals[i], &action, nullptr);
    }
#endif
}

TerminationWatch::~TerminationWatch()
{
#ifdef Q_OS_UNIX
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
#endif
}
