#pragma once

#include "transfer/PortMap.h"

#include <vector>

namespace gauge {

// Orders the serial devices a Unix system reports into COM1, COM2...: USB adapters (ttyUSB,
// ttyACM) first, since the programming cable is nearly always one, then the built-in ports;
// each group in natural order, so ttyUSB2 comes before ttyUSB10.
std::vector<PortDevice> orderedForComNumbers(std::vector<PortDevice> devices);

} // namespace gauge
