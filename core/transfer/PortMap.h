#pragma once

#include <map>
#include <optional>
#include <string>

namespace gauge {

// The ports a technician chooses from are COM1 to COM12.
inline constexpr int PortCount = 12;

struct PortDevice
{
    std::string path;           // what the system opens, e.g. /dev/ttyUSB0 or COM3
    std::string description {}; // what a technician recognises, e.g. "USB-Serial Controller"
    std::string name {};        // what messages call the port; empty: its COM number and path
    // Tells this plugging-in of the device from an earlier one under the same path, where the
    // system can tell; empty where it cannot.
    std::string plugging {};
};

// Which system device stands behind COM1 to COM12.
class PortMap
{
public:
    virtual ~PortMap() = default;
    virtual std::optional<PortDevice> device(int number) const = 0;
    // Reads the system's devices again, for cables plugged in or pulled since.
    virtual void rescan() { }
};

// Devices named one by one, for a port given on a command line and for a simulated gauge.
class FixedPortMap final : public PortMap
{
public:
    void set(int number, PortDevice device) { m_devices[number] = std::move(device); }
    void remove(int number) { m_devices.erase(number); }

    std::optional<PortDevice> device(int number) const override
    {
        const auto found = m_devices.find(number);
        if (found == m_devices.end())
            return std::nullopt;
        return found->second;
    }

private:
    std::map<int, PortDevice> m_devices;
};

} // namespace gauge
