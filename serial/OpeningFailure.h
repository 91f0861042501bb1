#pragma once

#include "transfer/SerialPort.h"

#include <QSerialPort>

#include <string>

// Whether path is the terminal this program runs in (/dev/tty, or the device behind it). It is
// told without opening the device, which would disturb whatever is connected to it.
bool isOwnTerminal(const std::string &path);

// The group whose members may read and write the device at path, if any but root's: joining it
// is the advice that helps a user the device refused. Empty where no group may.
std::string groupThatMayUse(const std::string &path);

// Why the device at path did not open, in the link's terms, from what Qt reports and what the
// system says of the device.
gauge::OpeningRefusal openingFailure(QSerialPort::SerialPortError error, const std::string &path);
