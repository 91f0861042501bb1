#pragma once

#include "transfer/SerialPort.h"

#include <string>

// Opens a Windows COM port ("COM3") at the line settings and closes it again, leaving its settings
// as they were: what QSerialPort's opening does, without the wait for input QSerialPort starts on
// a port opened for reading. A probe reads nothing, and under wine that wait (WaitCommEvent)
// blocks the caller on a port backed by the machine's own UART. Safe on any thread.
gauge::Opening probeComPort(const std::string &name, const gauge::LineSettings &settings);

// Why a COM port did not open, from the system's error number (GetLastError's), told apart into
// the same kinds as errno is elsewhere, with the system's own words where the kind does not say it.
gauge::OpeningRefusal comPortRefusal(unsigned long systemError);

// Why QSerialPort could not open a COM port. Qt reports a kind only; opening the port once more
// ourselves yields the system's own error number. That cannot disturb a port another program
// holds: Windows opens a COM port for one program at a time. refusedAccess: Qt found it held.
gauge::OpeningRefusal comPortOpeningFailure(const std::string &name, bool refusedAccess);
