#include "ComPortProbe.h"

#include <windows.h>

namespace {

// The same reading of the system's error as QSerialPort's.
QSerialPort::SerialPortError portError(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return QSerialPort::DeviceNotFoundError;
    case ERROR_ACCESS_DENIED:
        return QSerialPort::PermissionError;
    case ERROR_INVALID_HANDLE:
    case ERROR_BAD_COMMAND:
    case ERROR_DEVICE_REMOVED:
    case ERROR_OPERATION_ABORTED:
        return QSerialPort::ResourceError;
    case ERROR_INVALID_PARAMETER:
        return QSerialPort::UnsupportedOperationError;
    default:
        return QSerialPort::UnknownError;
    }
}

BYTE parityCode(gauge::Parity parity)
{
    switch (parity) {
    case gauge::Parity::Even:
        return EVENPARITY;
    case gauge::Parity::Odd:
        return ODDPARITY;
    case gauge::Parity::None:
        break;
    }
    return NOPARITY;
}

} // namespace

QSerialPort::SerialPortError probeComPort(const QString &name, const gauge::LineSettings &settings)
{
    const QString device = name.startsWith(QLatin1String("\\\\.\\")) ? name : "\\\\.\\" + name;
    const HANDLE handle
        = ::CreateFileW(reinterpret_cast<const wchar_t *>(device.utf16()),
                        GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return portError(::GetLastError());

    DCB original {};
    original.DCBlength = sizeof original;
    bool settled = ::GetCommState(handle, &original);
    if (settled) {
        DCB probe = original;
        probe.BaudRate = static_cast<DWORD>(settings.baudRate);
        probe.ByteSize = static_cast<BYTE>(settings.dataBits);
        probe.Parity = parityCode(settings.parity);
        probe.StopBits = settings.stopBits == 2 ? TWOSTOPBITS : ONESTOPBIT;
        probe.fBinary = TRUE;
        settled = ::SetCommState(handle, &probe);
        if (settled)
            ::SetCommState(handle, &original);
    }
    const DWORD error = settled ? ERROR_SUCCESS : ::GetLastError();
    ::CloseHandle(handle);
    return settled ? QSerialPort::NoError : portError(error);
}
