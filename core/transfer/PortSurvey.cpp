#include "transfer/PortSurvey.h"

#include "transfer/Link.h"

#include <algorithm>
#include <cerrno>
#include <utility>

namespace gauge {

namespace {

// An opening refused this way never reached the device, so it raised no modem line: trying again
// disturbs nothing, and finds the port once the other program has let it go, or the device whose
// link gave up waiting for it has come back within reach.
bool neverReachedTheDevice(const OpeningRefusal &refusal)
{
    return refusal.failure == OpenFailure::Busy || refusal.failure == OpenFailure::NoPermission
        || refusal.failure == OpenFailure::NoAnswer;
}

bool samePlugging(const std::optional<PortDevice> &before, const std::optional<PortDevice> &now)
{
    return before && now && before->path == now->path && before->plugging == now->plugging;
}

} // namespace

PortSurvey::PortSurvey(SerialPort &port, PortMap &map)
    : m_port(port)
    , m_map(map)
    , m_ownProbes(std::in_place, port)
    , m_probes(*m_ownProbes)
{
}

PortSurvey::PortSurvey(SerialPort &port, PortMap &map, PortProbes &probes)
    : m_port(port)
    , m_map(map)
    , m_probes(probes)
{
}

PortSurvey::~PortSurvey()
{
    *m_self = nullptr;
}

void PortSurvey::probeAll()
{
    m_looking = true;
    m_map.rescan();
    for (int n = 1; n <= PortCount; ++n)
        tryDevice(n, m_map.device(n));
    m_looking = false;
}

// A device still being tried is not tried twice: its answer is on its way.
void PortSurvey::look()
{
    m_looking = true;
    m_map.rescan();
    for (int n = 1; n <= PortCount; ++n) {
        SurveyedPort &entry = m_entries[index(n)];
        std::optional<PortDevice> now = m_map.device(n);
        if (n == m_linkPort) {
            if (now)
                entry.device = std::move(now);
        } else if (samePlugging(entry.device, now)
                   && (entry.beingTried || entry.usable || !neverReachedTheDevice(entry.refusal))) {
            entry.device = std::move(now);
        } else {
            tryDevice(n, std::move(now));
        }
    }
    m_looking = false;
}

bool PortSurvey::anyUsable() const
{
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [](const SurveyedPort &entry) { return entry.usable; });
}

bool PortSurvey::anyBeingTried() const
{
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [](const SurveyedPort &entry) { return entry.beingTried; });
}

Opening PortSurvey::openLink(int number)
{
    m_linkPort.reset();
    SurveyedPort &entry = m_entries.at(index(number));
    // The link's own opening answers for the device; a probe's answer still to come is stale.
    const bool wasBeingTried = std::exchange(entry.beingTried, false);
    Opening opening = OpeningRefusal {OpenFailure::NotThere, ENOENT};
    if (entry.device)
        opening = gauge::openLink(m_port, *entry.device);
    else if (m_port.isOpen())
        m_port.close();
    if (opening) {
        m_linkPort = number;
        entry.usable = entry.usable || wasBeingTried;
    } else {
        entry.usable = false;
        entry.refusal = opening.error();
    }
    return opening;
}

void PortSurvey::tryDevice(int number, std::optional<PortDevice> device)
{
    SurveyedPort &entry = m_entries[index(number)];
    entry = {std::move(device)};
    const unsigned trial = ++m_trials;
    m_trialAwaited[index(number)] = trial;
    if (!entry.device)
        return;
    entry.beingTried = true;
    m_probes.probe(*entry.device, [self = m_self, number, trial](const Opening &opening) {
        if (PortSurvey *survey = *self)
            survey->takeAnswer(number, trial, opening);
    });
}

void PortSurvey::takeAnswer(int number, unsigned trial, const Opening &opening)
{
    SurveyedPort &entry = m_entries[index(number)];
    if (!entry.beingTried || m_trialAwaited[index(number)] != trial)
        return;
    entry.beingTried = false;
    entry.usable = opening.ok();
    if (!opening)
        entry.refusal = opening.error();
    if (!m_looking && m_answerListener)
        m_answerListener();
}

} // namespace gauge
