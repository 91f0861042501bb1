#pragma once

#include "transfer/PortProbes.h"

#include <QObject>

#include <functional>
#include <memory>

class QtSerialPort;

// Opens each device on a thread of its own and hands the answer back on the event loop of the
// thread that asked. On Windows, opening a Bluetooth serial port whose device is away blocks for
// seconds; that holds up nothing but the probe's own thread. A thread still blocked when the
// probes go away is left to end by itself, its answer dropped, so that nothing waits for it.
class BackgroundProbes final : public QObject, public gauge::PortProbes
{
public:
    // Opens the device at the probe's settings and closes it again, on a thread of its own: it
    // may touch nothing that another thread uses.
    using Opening = std::function<gauge::Opening(const gauge::PortDevice &)>;

    explicit BackgroundProbes(Opening opening);
    ~BackgroundProbes() override;

    void probe(const gauge::PortDevice &device, Answer answered) override;

private:
    struct Mailbox;

    Opening m_opening;
    std::shared_ptr<Mailbox> m_mailbox;
};

// The probes the programs use on this system: in the background on Windows, at once elsewhere,
// where a serial device opens without waiting.
std::unique_ptr<gauge::PortProbes> systemPortProbes(QtSerialPort &port);
