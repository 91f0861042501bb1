#include "QtTimer.h"

#include <utility>

QtTimer::QtTimer()
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
        if (const auto callback = std::exchange(m_callback, {}))
            callback();
    });
}

void QtTimer::start(std::chrono::milliseconds delay, std::function<void()> callback)
{
    m_callback = std::move(callback);
    m_timer.start(delay);
}

void QtTimer::stop()
{
    m_timer.stop();
    m_callback = {};
}
