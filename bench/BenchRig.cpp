#include "BenchRig.h"

#include <chrono>

std::optional<gauge::PortDevice> BenchRig::OnePort::device(int number) const
{
    if (number != 1)
        return std::nullopt;
    return gauge::PortDevice {m_path, "simulated gauge"};
}

BenchRig::BenchRig(gauge::sim::ReplyMode mode)
    : m_gauge(mode)
    , m_ports(m_gauge.devicePath())
    , m_port(m_ports)
    , m_form(gauge::Platform {m_messages, m_dialogs, m_port, m_windows, m_clock})
{
    m_form.Form_Load();
    m_form.SerialPort_Click(1);
    m_form.Gauge_Click(8);
    m_form.select(gauge::GroupId::optSender, 0);
}

double BenchRig::sendMilliseconds()
{
    const auto start = std::chrono::steady_clock::now();
    m_form.cmdTransfer_Click();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
}
