#pragma once

#include "transfer/Timer.h"

#include <QTimer>

// The transfer's timer on the Qt event loop. Precise: a coarse timer may fire a twentieth of its
// interval early or late.
class QtTimer final : public gauge::Timer
{
public:
    QtTimer();

    void start(std::chrono::milliseconds delay, std::function<void()> callback) override;
    void stop() override;

private:
    QTimer m_timer;
    std::function<void()> m_callback;
};
