#include "BenchRig.h"

#include "gauge/Catalogue.h"

#include <QEventLoop>

#include <chrono>

BenchRig::BenchRig(gauge::sim::ReplyMode mode)
    : m_gauge(mode)
    , m_model(gauge::Platform {m_messages, m_dialogs, m_windows, m_port, m_ports, m_clock, m_timer})
{
    m_ports.set(1, {m_gauge.devicePath(), "simulated gauge"});
    m_model.start();
    m_model.choosePort(1);
    m_model.chooseGaugeType(gauge::Voltmeter);
    m_model.chooseOption(gauge::Choice::Sender, 0);
}

// The benchmark waits as the window does, on an event loop, for the transfer to end.
double BenchRig::sendMilliseconds()
{
    QEventLoop untilDone;
    m_model.setChangeListener([this, &untilDone] {
        if (m_model.takesCommands())
            untilDone.quit();
    });
    const auto start = std::chrono::steady_clock::now();
    m_model.sendData();
    if (!m_model.takesCommands())
        untilDone.exec();
    const auto end = std::chrono::steady_clock::now();
    m_model.setChangeListener({});
    return std::chrono::duration<double, std::milli>(end - start).count();
}
