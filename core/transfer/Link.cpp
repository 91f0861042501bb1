#include "transfer/Link.h"

namespace gauge {

Opening openLink(SerialPort &port, const PortDevice &device)
{
    if (port.isOpen())
        port.close();
    return port.open(device, LinkLineSettings);
}

std::string portName(int number, const std::optional<PortDevice> &device)
{
    std::string com = "COM" + std::to_string(number);
    if (!device)
        return com;
    if (!device->name.empty())
        return device->name;
    return com + " (" + device->path + ")";
}

} // namespace gauge
