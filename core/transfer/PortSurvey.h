#pragma once

#include "transfer/PortMap.h"
#include "transfer/SerialPort.h"

#include <array>
#include <optional>

namespace gauge {

// A COM number as the last look at the system's devices found it.
struct SurveyedPort
{
    std::optional<PortDevice> device;
    // The device opened when it was last tried, and may be chosen.
    bool usable = false;
    // Why it did not, when it did not.
    OpeningRefusal refusal {};
};

// The look at the serial devices behind COM1 to COM12, and the one of them open for the link.
//
// Opening a serial device raises its modem lines, which restarts some boards and disturbs other
// instruments. So every device is tried once at the start; later looks list the devices again
// but open only a device that appeared since the last look, and one whose opening never reached
// it (busy, locked by another program, or refused for permission). A device that opened is not
// opened again by a look, and the port open for the link is never touched.
class PortSurvey
{
public:
    PortSurvey(SerialPort &port, PortMap &map);

    // Tries every device the map lists, at the probe's settings.
    void probeAll();
    // Lists the devices again, trying only those the rule above lets be tried.
    void look();

    const SurveyedPort &entry(int number) const { return m_entries.at(index(number)); }
    bool anyUsable() const;

    // Opens COM number for the link, closing whatever was open; a device that does not open is
    // greyed as a probe that failed would be.
    Opening openLink(int number);
    // The COM number open for the link; none once its line is lost or another choice failed.
    std::optional<int> linkPort() const { return m_linkPort; }
    void forgetLink() { m_linkPort.reset(); }

    SerialPort &port() const { return m_port; }

private:
    static std::size_t index(int number) { return static_cast<std::size_t>(number - 1); }
    SurveyedPort tryDevice(const std::optional<PortDevice> &device);

    SerialPort &m_port;
    PortMap &m_map;
    std::array<SurveyedPort, PortCount> m_entries {};
    std::optional<int> m_linkPort;
};

} // namespace gauge
