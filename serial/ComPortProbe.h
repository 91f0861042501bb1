#pragma once

#include "transfer/SerialPort.h"

#include <QSerialPort>
#include <QString>

// Opens a Windows COM port at the line settings and closes it again, leaving its settings as
// they were: what QSerialPort's opening does, without the wait for input QSerialPort starts on a
// port opened for reading. A probe reads nothing, and under wine that wait (WaitCommEvent) blocks
// the caller on a port backed by the machine's own UART: the window would never come up. Tells
// what went wrong in QSerialPort's terms.
QSerialPort::SerialPortError probeComPort(const QString &name, const gauge::LineSettings &settings);
