#include "SystemPortMap.h"

#ifdef Q_OS_LINUX
#include <filesystem>
#include <fstream>
#include <string_view>
#else
#include <QSerialPortInfo>
#endif

#ifdef Q_OS_WIN
#include <windows.h>

#include <algorithm>
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

#ifdef Q_OS_WIN
// Whether Windows knows a device by this name, asked without opening it. Some virtual and
// Bluetooth port drivers, and wine's dosdevices, name a COM port without listing it among the
// serial ports.
bool systemKnows(const std::wstring &name)
{
    wchar_t target[MAX_PATH];
    return ::QueryDosDeviceW(name.c_str(), target, MAX_PATH) != 0
        || ::GetLastError() == ERROR_INSUFFICIENT_BUFFER;
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
// COMn is the port of that name, with the description the list of serial ports gives it, if any.
void SystemPortMap::rescan()
{
    const std::vector<gauge::PortDevice> listed = serialDevices();
    m_devices.assign(gauge::PortCount, std::nullopt);
    for (int number = 1; number <= gauge::PortCount; ++number) {
        const std::string name = "COM" + std::to_string(number);
        const auto found = std::find_if(listed.begin(), listed.end(), [&name](const auto &device) {
            return QString::fromStdString(device.path)
                       .compare(QString::fromStdString(name), Qt::CaseInsensitive)
                == 0;
        });
        if (found != listed.end())
            m_devices[static_cast<std::size_t>(number - 1)] = *found;
        else if (systemKnows(L"COM" + std::to_wstring(number)))
            m_devices[static_cast<std::size_t>(number - 1)] = gauge::PortDevice {name};
    }
}
#else
void SystemPortMap::rescan()
{
    m_devices = gauge::reassignComNumbers(m_devices, serialDevices());
}
#endif

std::optional<gauge::PortDevice> SystemPortMap::device(int number) const
{
    if (number < 1 || number > static_cast<int>(m_devices.size()))
        return std::nullopt;
    return m_devices[static_cast<std::size_t>(number - 1)];
}
