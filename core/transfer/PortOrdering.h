#pragma once

#include "transfer/PortMap.h"

#include <optional>
#include <vector>

namespace gauge {

// Orders the serial devices a Unix system reports into COM1, COM2...: USB adapters (ttyUSB,
// ttyACM) first, since the programming cable is nearly always one, then the built-in ports;
// each group in natural order, so ttyUSB2 comes before ttyUSB10.
std::vector<PortDevice> orderedForComNumbers(std::vector<PortDevice> devices);

// COM1 to COM12 as devices come and go: a device keeps its number for as long as it stays
// plugged in, and a new one takes the lowest free number, in the order above. Index n - 1 holds
// COMn; an empty place has no device. The first assignment is simply the order above.
using ComAssignment = std::vector<std::optional<PortDevice>>;
ComAssignment reassignComNumbers(const ComAssignment &previous, std::vector<PortDevice> found);

} // namespace gauge
