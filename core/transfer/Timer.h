#pragma once

#include <chrono>
#include <functional>

namespace gauge {

// A one-shot timer on the event loop of whoever runs the transfer.
class Timer
{
public:
    virtual ~Timer() = default;

    // Calls back once, the delay from now. Starting again replaces the call still due.
    virtual void start(std::chrono::milliseconds delay, std::function<void()> callback) = 0;
    virtual void stop() = 0;
};

} // namespace gauge
