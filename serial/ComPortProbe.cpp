#include "ComPortProbe.h"

#include <QString>

#include <windows.h>

namespace {

HANDLE openComPort(const std::string &name)
{
    const QString device = QString::fromStdString(name);
    const QString path = device.startsWith(QLatin1String("\\\\.\\")) ? device : "\\\\.\\" + device;
    return ::CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()),
                         GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

// The system's own words for an error, in UTF-8, without the full stop the advice adds itself.
std::string systemText(DWORD error)
{
    QString text = qt_error_string(static_cast<int>(error)).trimmed();
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.toStdString();
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

gauge::OpeningRefusal comPortRefusal(unsigned long error)
{
    using gauge::OpenFailure;
    const int number = static_cast<int>(error);
    switch (error) {
    // Windows opens a COM port for one program at a time: refused access means another holds it.
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return {OpenFailure::Busy, gauge::PortBusyError};
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return {OpenFailure::NotThere, number};
    case ERROR_DEVICE_REMOVED:
    case ERROR_DEVICE_NOT_CONNECTED:
        return {OpenFailure::Gone, number};
    // A Bluetooth port whose paired device is out of reach: the link gave up waiting for it.
    case ERROR_SEM_TIMEOUT:
        return {OpenFailure::NoAnswer, number, {}, systemText(error)};
    default:
        // A failing adapter (31), and whatever else: the system's words say it.
        return {OpenFailure::Other, number, {}, systemText(error)};
    }
}

gauge::Opening probeComPort(const std::string &name, const gauge::LineSettings &settings)
{
    const HANDLE handle = openComPort(name);
    if (handle == INVALID_HANDLE_VALUE)
        return comPortRefusal(::GetLastError());

    DCB original {};
    original.DCBlength = sizeof original;
    if (!::GetCommState(handle, &original)) {
        const DWORD error = ::GetLastError();
        ::CloseHandle(handle);
        return gauge::OpeningRefusal {gauge::OpenFailure::NotSerial, static_cast<int>(error)};
    }
    DCB probe = original;
    probe.BaudRate = static_cast<DWORD>(settings.baudRate);
    probe.ByteSize = static_cast<BYTE>(settings.dataBits);
    probe.Parity = parityCode(settings.parity);
    probe.StopBits = settings.stopBits == 2 ? TWOSTOPBITS : ONESTOPBIT;
    probe.fBinary = TRUE;
    const bool settled = ::SetCommState(handle, &probe);
    const DWORD error = settled ? ERROR_SUCCESS : ::GetLastError();
    if (settled)
        ::SetCommState(handle, &original);
    ::CloseHandle(handle);
    if (!settled)
        return comPortRefusal(error);
    return {};
}

gauge::OpeningRefusal comPortOpeningFailure(const std::string &name, bool refusedAccess)
{
    const HANDLE handle = openComPort(name);
    if (handle == INVALID_HANDLE_VALUE)
        return comPortRefusal(::GetLastError());
    DCB state {};
    state.DCBlength = sizeof state;
    const bool serial = ::GetCommState(handle, &state);
    const DWORD error = serial ? ERROR_SUCCESS : ::GetLastError();
    ::CloseHandle(handle);
    if (!serial)
        return {gauge::OpenFailure::NotSerial, static_cast<int>(error)};
    // It opens for us now: the program that held it has let go, or Qt failed in a later step and
    // the system's number is lost; the adapter is what is left to blame.
    if (refusedAccess)
        return {gauge::OpenFailure::Busy, gauge::PortBusyError};
    return comPortRefusal(ERROR_GEN_FAILURE);
}
