#include "Session.h"

SinglePortMap::SinglePortMap(int number, gauge::PortDevice device)
    : m_number(number)
    , m_device(std::move(device))
{
}

std::optional<gauge::PortDevice> SinglePortMap::device(int number) const
{
    if (m_number == 0 || number != m_number)
        return std::nullopt;
    return m_device;
}

Session::Session(const gauge::PortMap &ports, ConsoleMessages &messages)
    : m_port(ports)
    , m_form(gauge::Platform {messages, m_files, m_port, m_windows, m_clock})
{
    m_form.Form_Load();
}

bool Session::openRecord(const std::string &path)
{
    m_files.name = path;
    m_form.GaugPar_Click();
    return gauge::ConfigurationComplete(m_form.config());
}
