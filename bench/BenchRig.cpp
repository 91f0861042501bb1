#include "BenchRig.h"

#include <chrono>

BenchRig::BenchRig(gauge::sim::ReplyMode mode)
    : m_gauge(mode)
    , m_model(gauge::Platform {m_messages, m_dialogs, m_port, m_windows, m_clock})
{
    m_ports.set(1, {m_gauge.devicePath(), "simulated gauge"});
    m_model.start();
    m_model.choosePort(1);
    m_model.chooseGaugeType(gauge::Voltmeter);
    m_model.chooseOption(gauge::Choice::Sender, 0);
}

double BenchRig::sendMilliseconds()
{
    const auto start = std::chrono::steady_clock::now();
    m_model.sendData();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}
