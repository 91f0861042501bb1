#pragma once

#include <chrono>

namespace gauge {

// Monotonic time for the reply limit: the time of day jumps at midnight and with clock changes.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::chrono::steady_clock::time_point now() const = 0;
};

class SteadyClock final : public Clock
{
public:
    std::chrono::steady_clock::time_point now() const override
    {
        return std::chrono::steady_clock::now();
    }
};

} // namespace gauge
