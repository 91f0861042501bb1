#pragma once

#include "transfer/PortOrdering.h"

#include <vector>

// COM1 to COM12 as this computer's serial devices. On Windows COMn is the port of that name.
// Elsewhere the devices the system reports are numbered when the tool starts, USB adapters
// first; a device keeps its number while it stays plugged in, and one plugged in later takes the
// lowest free number, so the numbers do not move under the technician's hands.
class SystemPortMap final : public gauge::PortMap
{
public:
    SystemPortMap();

    std::optional<gauge::PortDevice> device(int number) const override;
    void rescan() override;

private:
    gauge::ComAssignment m_devices;
};
