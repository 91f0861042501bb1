#include "BackgroundProbes.h"

#include "QtSerialPort.h"

#include <mutex>
#include <thread>

// Where a probe's thread posts its answer; emptied when the probes go, so that a thread that
// ends later posts to nobody.
struct BackgroundProbes::Mailbox
{
    std::mutex mutex;
    QObject *receiver = nullptr;
};

BackgroundProbes::BackgroundProbes(Opening opening)
    : m_opening(std::move(opening))
    , m_mailbox(std::make_shared<Mailbox>())
{
    m_mailbox->receiver = this;
}

// Answers posted before this are dropped with the object's pending events.
BackgroundProbes::~BackgroundProbes()
{
    const std::lock_guard lock(m_mailbox->mutex);
    m_mailbox->receiver = nullptr;
}

void BackgroundProbes::probe(const gauge::PortDevice &device, Answer answered)
{
    std::thread([mailbox = m_mailbox, opening = m_opening, device,
                 answered = std::move(answered)]() mutable {
        const gauge::Opening result = opening(device);
        const std::lock_guard lock(mailbox->mutex);
        if (!mailbox->receiver)
            return;
        QMetaObject::invokeMethod(
            mailbox->receiver, [answered = std::move(answered), result] { answered(result); },
            Qt::QueuedConnection);
    }).detach();
}

std::unique_ptr<gauge::PortProbes> systemPortProbes(QtSerialPort &port)
{
#ifdef Q_OS_WIN
    Q_UNUSED(port);
    return std::make_unique<BackgroundProbes>(&QtSerialPort::probeDevice);
#else
    return std::make_unique<gauge::ImmediateProbes>(port);
#endif
}
