#pragma once

#include <optional>
#include <string>

namespace gauge {

struct PortDevice
{
    std::string path;        // what the system opens, e.g. /dev/ttyUSB0 or COM3
    std::string description; // what a technician recognises, e.g. "USB-Serial Controller"
};

// Which system device stands behind COM1 to COM12.
class PortMap
{
public:
    virtual ~PortMap() = default;
    virtual std::optional<PortDevice> device(int number) const = 0;
};

} // namespace gauge
