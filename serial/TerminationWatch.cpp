#include "TerminationWatch.h"

#include <QSocketNotifier>

#include <csignal>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

volatile std::sig_atomic_t caught = 0;

#ifdef Q_OS_UNIX
constexpr int Signals[] = {SIGINT, SIGTERM, SIGHUP};
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
    for (const int number : Signals)
        ::sigaction(number, &action, nullptr);
#endif
}

TerminationWatch::~TerminationWatch()
{
#ifdef Q_OS_UNIX
    if (!m_notifier)
        return;
    for (const int number : Signals)
        std::signal(number, SIG_DFL);
    delete m_notifier;
    ::close(wakePipe[0]);
    ::close(wakePipe[1]);
    wakePipe[0] = wakePipe[1] = -1;
#endif
}
