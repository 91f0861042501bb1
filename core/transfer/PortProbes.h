#pragma once

#include "transfer/PortMap.h"
#include "transfer/SerialPort.h"

#include <functional>

namespace gauge {

// Whether a device opens at the probe's settings. Where the system may take seconds to say
// (Windows waits on a Bluetooth link whose device is away), the answer comes later, so the
// window is never held up by a device.
class PortProbes
{
public:
    using Answer = std::function<void(const Opening &)>;

    virtual ~PortProbes() = default;

    // Opens the device at the probe's settings and closes it again. The answer comes on the
    // caller's thread: before probe() returns, or later from its event loop.
    virtual void probe(const PortDevice &device, Answer answered) = 0;
};

// Asks the port itself, which answers before probe() returns: where opening never blocks.
class ImmediateProbes final : public PortProbes
{
public:
    explicit ImmediateProbes(SerialPort &port)
        : m_port(port)
    {
    }

    void probe(const PortDevice &device, Answer answered) override
    {
        answered(m_port.probe(device));
    }

private:
    SerialPort &m_port;
};

} // namespace gauge
