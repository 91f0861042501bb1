#include "SystemPortMap.h"

#include "serial/PortOrdering.h"

#include <QSerialPortInfo>

SystemPortMap::SystemPortMap()
{
    std::vector<gauge::PortDevice> found;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports) {
        const QString description = info.description().isEmpty() ? info.manufacturer()
                                                                 : info.description();
        found.push_back({info.systemLocation().toStdString(), description.toStdString()});
    }
#ifdef Q_OS_WIN
    m_devices = std::move(found);
#else
    m_devices = gauge::orderedForComNumbers(std::move(found));
#endif
}

std::optional<gauge::PortDevice> SystemPortMap::device(int number) const
{
#ifdef Q_OS_WIN
    const std::string name = "COM" + std::to_string(number);
    for (const gauge::PortDevice &device : m_devices) {
        if (device.path.ends_with(name))
            return gauge::PortDevice {name, device.description};
    }
    return gauge::PortDevice {name, {}};
#else
    if (number < 1 || number > static_cast<int>(m_devices.size()))
        return std::nullopt;
    return m_devices[static_cast<std::size_t>(number - 1)];
#endif
}
