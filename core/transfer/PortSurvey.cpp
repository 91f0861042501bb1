#include "transfer/PortSurvey.h"

#include "transfer/Link.h"

#include <algorithm>
#include <cerrno>

namespace gauge {

namespace {

// An opening refused this way never reached the device, so it raised no modem line: trying again
// disturbs nothing, and finds the port once the other program has let it go.
bool neverReachedTheDevice(const OpeningRefusal &refusal)
{
    return refusal.failure == OpenFailure::Busy || refusal.failure == OpenFailure::NoPermission;
}

bool samePlugging(const std::optional<PortDevice> &before, const std::optional<PortDevice> &now)
{
    return before && now && before->path == now->path && before->plugging == now->plugging;
}

} // namespace

PortSurvey::PortSurvey(SerialPort &port, PortMap &map)
    : m_port(port)
    , m_map(map)
{
}

void PortSurvey::probeAll()
{
    m_map.rescan();
    for (int n = 1; n <= PortCount; ++n)
        m_entries[index(n)] = tryDevice(m_map.device(n));
}

void PortSurvey::look()
{
    m_map.rescan();
    for (int n = 1; n <= PortCount; ++n) {
        SurveyedPort &entry = m_entries[index(n)];
        std::optional<PortDevice> now = m_map.device(n);
        if (n == m_linkPort) {
            if (now)
                entry.device = std::move(now);
        } else if (samePlugging(entry.device, now)
                   && (entry.usable || !neverReachedTheDevice(entry.refusal))) {
            entry.device = std::move(now);
        } else {
            entry = tryDevice(now);
        }
    }
}

bool PortSurvey::anyUsable() const
{
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [](const SurveyedPort &entry) { return entry.usable; });
}

Opening PortSurvey::openLink(int number)
{
    m_linkPort.reset();
    SurveyedPort &entry = m_entries.at(index(number));
    Opening opening = OpeningRefusal {OpenFailure::NotThere, ENOENT};
    if (entry.device)
        opening = gauge::openLink(m_port, *entry.device);
    else if (m_port.isOpen())
        m_port.close();
    if (opening) {
        m_linkPort = number;
    } else {
        entry.usable = false;
        entry.refusal = opening.error();
    }
    return opening;
}

SurveyedPort PortSurvey::tryDevice(const std::optional<PortDevice> &device)
{
    if (!device)
        return {};
    const Opening opening = m_port.probe(*device);
    if (!opening)
        return {device, false, opening.error()};
    return {device, true};
}

} // namespace gauge
