#pragma once

#include "transfer/PortMap.h"

#include <array>
#include <string>

namespace gauge {

class SerialPort;

// Which of COM1 to COM12 open, tried one after the other at the probe's settings; the port open
// for the link, if any, stays open.
std::array<bool, PortCount> probePorts(SerialPort &port);

// Opens COM number for the programming link, closing whatever port was open before. Returns
// the error number of the opening, 0 when the port is open.
int openLink(SerialPort &port, int number);

// What the technician reads when a port does not open: "Error : Port is busy" when another
// program holds it, otherwise the error number.
std::string openingErrorText(int errorNumber);

} // namespace gauge
