#include "SystemPortMap.h"

#ifdef Q_OS_LINUX
#include <filesystem>
#include <fstream>
#include <string_view>
#else
#include <QSerialPortInfo>
#endif

namespace {

#ifdef Q_OS_LINUX
namespace fs = std::filesystem;

// How far above its tty the USB device of an adapter lies in sysfs, at most: the tty sits in the
// USB interface, which sits in the device.
constexpr int UsbDeviceLevelsUp = 4;
// The type of a serial port the kernel reserves but found no hardware for.
constexpr std::string_view NoHardwareType = "0";

std::string firstLine(const fs::path &file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// A USB adapter names itself in the "product" file of its USB device, a few levels up. The same
// folder numbers the device on its bus afresh each time it is plugged in.
gauge::PortDevice usbAdapter(std::string path, const fs::path &device)
{
    gauge::PortDevice adapter {std::move(path)};
    std::error_code error;
    fs::path dir = fs::canonical(device, error);
    for (int level = 0; level < UsbDeviceLevelsUp && !error && dir.has_parent_path(); ++level) {
        if (fs::exists(dir / "product", error)) {
            adapter.description = firstLine(dir / "product");
            adapter.plugging = firstLine(dir / "busnum") + "-" + firstLine(dir / "devnum");
            break;
        }
        dir = dir.parent_path();
    }
    return adapter;
}

// Reading sysfs directly takes a fraction of a millisecond, where asking udev through
// QSerialPortInfo takes ten: it counts, as the list is read while the tool starts.
std::vector<gauge::PortDevice> serialDevices(const fs::path &ttyClass)
{
    std::vector<gauge::PortDevice> found;
    std::error_code error;
    for (const fs::directory_entry &entry : fs::directory_iterator(ttyClass, error)) {
        const fs::path dir = entry.path();
        // Virtual terminals and pseudo-terminals have no device behind them.
        if (!fs::exists(dir / "device", error))
            continue;
        if (fs::exists(dir / "type", error) && firstLine(dir / "type") == NoHardwareType)
            continue;
        found.push_back(usbAdapter("/dev/" + dir.filename().string(), dir / "device"));
    }
    return found;
}
#else
// What Qt opens the port by: "COM3" on Windows, the device file elsewhere.
QString systemName(const QSerialPortInfo &info)
{
#ifdef Q_OS_WIN
    return info.portName();
#else
    return info.systemLocation();
#endif
}

std::vector<gauge::PortDevice> serialDevices()
{
    std::vector<gauge::PortDevice> found;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports) {
        const QString description
            = info.description().isEmpty() ? info.manufacturer() : info.description();
        found.push_back({systemName(info).toStdString(), description.toStdString()});
    }
    return found;
}
#endif

} // namespace

SystemPortMap::SystemPortMap() = default;

#ifdef Q_OS_LINUX
SystemPortMap::SystemPortMap(std::string ttyClassFolder)
    : m_ttyClassFolder(std::move(ttyClassFolder))
{
}

void SystemPortMap::rescan()
{
    m_devices = gauge::reassignComNumbers(m_devices, serialDevices(m_ttyClassFolder));
}
#elif defined(Q_OS_WIN)
void SystemPortMap::rescan()
{
    const std::vector<gauge::PortDevice> found = serialDevices();
    m_devices.assign(found.begin(), found.end());
}
#else
void SystemPortMap::rescan()
{
    m_devices = gauge::reassignComNumbers(m_devices, serialDevices());
}
#endif

std::optional<gauge::PortDevice> SystemPortMap::device(int number) const
{
#ifdef Q_OS_WIN
    const std::string name = "COM" + std::to_string(number);
    for (const auto &device : m_devices) {
        if (device && device->path == name)
            return device;
    }
    return std::nullopt;
#else
    if (number < 1 || number > static_cast<int>(m_devices.size()))
        return std::nullopt;
    return m_devices[static_cast<std::size_t>(number - 1)];
#endif
}
