#pragma once

#include "transfer/PortMap.h"
#include "transfer/SerialPort.h"

#include <optional>
#include <string>

namespace gauge {

// Opens the device for the programming link, closing whatever port was open before.
OpenResult openLink(SerialPort &port, const PortDevice &device);

// What the technician reads when a port does not open: "Error : Port is busy" when another
// program holds it, otherwise the error number.
std::string openingErrorText(const OpenResult &result);

// The same in plain words, naming the port, with what the technician can do about it.
std::string openingAdvice(const OpenResult &result, const std::string &portName);

// How messages name a COM number: by the name its device was given, or as "COM3
// (/dev/ttyUSB0)".
std::string portName(int number, const std::optional<PortDevice> &device);

} // namespace gauge
