#pragma once

#include "transfer/PortOrdering.h"

#include <QtGlobal>

#include <string>
#include <vector>

// COM1 to COM12 as this computer's serial devices. On Windows COMn is the port of that name, when
// the system knows one, listed among its serial ports or not. Elsewhere the devices the system
// reports are numbered at the first look, USB adapters first; a device keeps its number while it
// stays plugged in, and one plugged in later takes the lowest free number, so the numbers do not
// move under the technician's hands.
class SystemPortMap final : public gauge::PortMap
{
public:
    SystemPortMap();
#ifdef Q_OS_LINUX
    // Reads the devices from a folder laid out as /sys/class/tty, such as one a test builds.
    explicit SystemPortMap(std::string ttyClassFolder);
#endif

    std::optional<gauge::PortDevice> device(int number) const override;
    void rescan() override;

private:
#ifdef Q_OS_LINUX
    std::string m_ttyClassFolder = "/sys/class/tty";
#endif
    gauge::ComAssignment m_devices;
};
