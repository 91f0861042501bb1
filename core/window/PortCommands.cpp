#include "window/MainWindowModel.h"

#include "transfer/Link.h"
#include "transfer/SerialPort.h"

#include <algorithm>
#include <cerrno>

namespace gauge {

namespace {

constexpr std::string_view NoPortAtAllText = "Attention: Serial Port Not Available";
constexpr std::string_view NoDeviceDescription = "No serial device found for this port";

std::string describe(const PortDevice &device)
{
    return device.description.empty() ? device.path : device.path + " – " + device.description;
}

} // namespace

void MainWindowModel::start()
{
    m_platform.portMap.rescan();
    for (int n = 1; n <= PortCount; ++n)
        m_ports[static_cast<std::size_t>(n - 1)] = tryPort(n, m_platform.portMap.device(n));
    offerPortsAtStart();
    changed();
}

// Opening a serial device raises its modem lines, which restarts some boards and disturbs other
// instruments: a device is only tried when it is new since the last look, and the port open for
// the link is left alone. A port that turns up usable makes Send Data available, should the start
// have found none.
void MainWindowModel::lookAtPorts()
{
    runCommand([this] {
        m_platform.portMap.rescan();
        for (int n = 1; n <= PortCount; ++n) {
            SeenPort &seen = m_ports[static_cast<std::size_t>(n - 1)];
            const std::optional<PortDevice> now = m_platform.portMap.device(n);
            const bool sameDevice = seen.device && now && seen.device->path == now->path
                && seen.device->plugging == now->plugging;
            if (n == m_linkPort || sameDevice)
                seen.device = now ? now : seen.device;
            else
                seen = tryPort(n, now);
            if (seen.usable && !m_sendDataEnabled) {
                m_sendDataEnabled = true;
                if (m_statusText == NoPortAtAllText)
                    m_statusText = InitialStatusText;
            }
        }
    });
}

MainWindowModel::SeenPort MainWindowModel::tryPort(int number,
                                                   const std::optional<PortDevice> &device)
{
    if (!device)
        return {};
    const OpenResult result = m_platform.serialPort.probe(*device);
    SeenPort seen {device, result.opened(), {}};
    if (result.failure == OpenFailure::NoPermission)
        seen.refusal = openingAdvice(result, portName(number, device));
    return seen;
}

// Without any usable port at the start nothing can be sent, which the status bar says.
void MainWindowModel::offerPortsAtStart()
{
    const bool anyPort = std::any_of(m_ports.begin(), m_ports.end(),
                                     [](const SeenPort &seen) { return seen.usable; });
    if (!anyPort) {
        m_statusText = NoPortAtAllText;
        m_sendDataEnabled = false;
    }
}

PortMenuItem MainWindowModel::portMenuItem(int number) const
{
    if (number < 1 || number > PortCount)
        return {};
    const SeenPort &seen = m_ports[static_cast<std::size_t>(number - 1)];
    PortMenuItem item;
    item.enabled = takesCommands() && seen.usable;
    item.checked = number == m_linkPort;
    if (!seen.refusal.empty())
        item.description = seen.refusal;
    else
        item.description = seen.device ? describe(*seen.device) : std::string(NoDeviceDescription);
    return item;
}

void MainWindowModel::choosePort(int number)
{
    if (number < 1 || number > PortCount)
        return;
    runCommand([this, number] {
        m_linkPort.reset();
        SerialPort &port = m_platform.serialPort;
        SeenPort &seen = m_ports[static_cast<std::size_t>(number - 1)];
        OpenResult result {OpenFailure::NotThere, ENOENT};
        if (seen.device) {
            result = openLink(port, *seen.device);
        } else if (port.isOpen()) {
            port.close();
        }
        if (result.opened()) {
            m_linkPort = number;
            m_statusText = "COM" + std::to_string(number) + " Active";
            m_portReady = true;
            return;
        }
        const std::string advice = openingAdvice(result, portName(number, seen.device));
        seen.usable = false;
        if (result.failure == OpenFailure::NoPermission)
            seen.refusal = advice;
        tell(MessageIcon::Information, openingErrorText(result), advice);
    });
}

// The device went away: nothing is shown as active any more. The technician chooses the port
// again once the cable is back; everything else stays as it was.
void MainWindowModel::portLost()
{
    m_linkPort.reset();
    m_statusText = InitialStatusText;
    changed();
}

} // namespace gauge
