#pragma once

#include "transfer/PortMap.h"

#include <vector>

// COM1 to COM12 as this computer's serial devices. On Windows COMn is the port of that name;
// elsewhere COMn is the n-th device the system reports, USB adapters first. The list is read
// once, when the tool starts, so the numbers do not move under the technician's hands.
class SystemPortMap final : public gauge::PortMap
{
public:
    SystemPortMap();

    std::optional<gauge::PortDevice> device(int number) const override;

private:
    std::vector<gauge::PortDevice> m_devices;
};
