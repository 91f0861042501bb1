#include "OpeningFailure.h"

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
// Qt reports a refused opening by kind only; opening the device once more ourselves yields the
// system's own error number, and tells a serial line from anything else that opens. It cannot
// disturb a line another program holds: only the last one to close a line drops its modem lines.
int systemOpenError(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return errno;
    const int error = ::isatty(fd) ? 0 : ENOTTY;
    ::close(fd);
    return error;
}

// The group whose members may read and write the device, if any but root's: joining it is the
// advice that helps. Where the group has no such right, or is root, no group is named.
std::string groupThatMayUse(const std::string &path)
{
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0 || info.st_gid == 0)
        return {};
    if ((info.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP))
        return {};
    const group *owner = ::getgrgid(info.st_gid);
    return owner ? std::string(owner->gr_name) : std::to_string(info.st_gid);
}
#endif

} // namespace

gauge::OpenResult openingFailure(QSerialPort::SerialPortError error, const std::string &path)
{
    using gauge::OpenFailure;
#ifdef Q_OS_UNIX
    const int systemError = systemOpenError(path);
    switch (systemError) {
    case 0:
        // The device opens for us, so Qt was stopped by another program's lock or exclusive hold.
        if (error == QSerialPort::PermissionError)
            return {OpenFailure::Busy, gauge::PortBusyError};
        return {OpenFailure::Other, EIO};
    case EBUSY:
        return {OpenFailure::Busy, gauge::PortBusyError};
    case EACCES:
    case EPERM:
        return {OpenFailure::NoPermission, systemError, groupThatMayUse(path)};
    case ENOENT:
        return {OpenFailure::NotThere, systemError};
    case ENODEV:
    case ENXIO:
        return {OpenFailure::Gone, systemError};
    case ENOTTY:
        return {OpenFailure::NotSerial, systemError};
    default:
        return {OpenFailure::Other, systemError};
    }
#else
    Q_UNUSED(path);
    switch (error) {
    case QSerialPort::PermissionError:
        return {OpenFailure::Busy, gauge::PortBusyError};
    case QSerialPort::DeviceNotFoundError:
        return {OpenFailure::NotThere, ENOENT};
    default:
        return {OpenFailure::Other, EIO};
    }
#endif
}
