#pragma once

#include "transfer/PortMap.h"
#include "transfer/PortProbes.h"
#include "transfer/SerialPort.h"

#include <array>
#include <functional>
#include <memory>
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
    // The device is being tried and has not answered yet; until it has, it may not be chosen.
    bool beingTried = false;
};

// The look at the serial devices behind COM1 to COM12, and the one of them open for the link.
//
// Opening a serial device raises its modem lines, which restarts some boards and disturbs other
// instruments. So every device is tried once at the start; later looks list the devices again
// but open only a device that appeared since the last look, and one whose opening never reached
// it (busy, locked by another program, or refused for permission). A device that opened is not
// opened again by a look, and the port open for the link is never touched.
//
// A device's answer may come after the look that asked for it: its entry is being tried until
// then. An answer that comes when its entry has moved on (the device was plugged in again, or the
// link opened it) is dropped.
class PortSurvey
{
public:
    // Probes through the port itself, which answers at once.
    PortSurvey(SerialPort &port, PortMap &map);
    // Probes through probes; an answer that comes once the survey has gone is dropped.
    PortSurvey(SerialPort &port, PortMap &map, PortProbes &probes);
    ~PortSurvey();
    PortSurvey(const PortSurvey &) = delete;
    PortSurvey &operator=(const PortSurvey &) = delete;

    // Tries every device the map lists, at the probe's settings.
    void probeAll();
    // Lists the devices again, trying only those the rule above lets be tried.
    void look();
    // Told whenever an answer that came after its look had returned has changed an entry.
    void setAnswerListener(std::function<void()> listener)
    {
        m_answerListener = std::move(listener);
    }

    const SurveyedPort &entry(int number) const { return m_entries.at(index(number)); }
    bool anyUsable() const;
    bool anyBeingTried() const;

    // Opens COM number for the link, closing whatever was open; a device that does not open is
    // greyed as a probe that failed would be.
    Opening openLink(int number);
    // The COM number open for the link; none once its line is lost or another choice failed.
    std::optional<int> linkPort() const { return m_linkPort; }
    void forgetLink() { m_linkPort.reset(); }

    SerialPort &port() const { return m_port; }

private:
    static std::size_t index(int number) { return static_cast<std::size_t>(number - 1); }
    void tryDevice(int number, std::optional<PortDevice> device);
    void takeAnswer(int number, unsigned trial, const Opening &opening);

    SerialPort &m_port;
    PortMap &m_map;
    std::optional<ImmediateProbes> m_ownProbes;
    PortProbes &m_probes;
    std::array<SurveyedPort, PortCount> m_entries {};
    // Which trial of its device each entry waits for, so that an answer to an earlier one is
    // told from it.
    std::array<unsigned, PortCount> m_trialAwaited {};
    unsigned m_trials = 0;
    // While a look runs, its caller hears of the answers that come at once when it returns.
    bool m_looking = false;
    std::function<void()> m_answerListener;
    // Whom an answer is for; nobody once the survey has gone.
    std::shared_ptr<PortSurvey *> m_self = std::make_shared<PortSurvey *>(this);
    std::optional<int> m_linkPort;
};

} // namespace gauge
