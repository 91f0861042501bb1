#pragma once

#include "transfer/SerialPort.h"

#include <QSerialPort>

#include <string>

// Why the device at path did not open, in the link's terms, from what Qt reports and what the
// system says of the device.
gauge::OpenResult openingFailure(QSerialPort::SerialPortError error, const std::string &path);
