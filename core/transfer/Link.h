#pragma once

#include "transfer/PortMap.h"
#include "transfer/SerialPort.h"

#include <optional>
#include <string>

namespace gauge {

// Opens the device for the programming link, closing whatever port was open before.
Opening openLink(SerialPort &port, const PortDevice &device);

// How messages name a COM number: by the name its device was given, or as "COM3
// (/dev/ttyUSB0)".
std::string portName(int number, const std::optional<PortDevice> &device);

} // namespace gauge
