#include "Interrupts.h"

#include "transfer/SerialPort.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t caught = 0;
int wakePipe[2] = {-1, -1};

} // namespace

Interrupts::Interrupts(gauge::SerialPort &port)
    : m_port(port)
{
    if (::pipe(wakePipe) == 0) {
        m_notifier = std::make_unique<QSocketNotifier>(wakePipe[0], QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                         [this] { leaveIfInterrupted(); });
    }
    struct sigaction action
    {
    };
    action.sa_handler = &Interrupts::onSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a read waiting for the technician returns, so the interrupt is seen at once.
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

void Interrupts::leaveIfInterrupted()
{
    if (caught == 0)
        return;
    m_port.close();
    std::fprintf(stderr, "\ngaugectl: interrupted; the port is closed\n");
    std::exit(128 + caught);
}

void Interrupts::onSignal(int number)
{
    caught = number;
    const char wake = 0;
    [[maybe_unused]] const auto written = ::write(wakePipe[1], &wake, 1);
}
