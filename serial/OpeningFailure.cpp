#include "OpeningFailure.h"

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <optional>
#endif

#ifdef Q_OS_LINUX
#include <sys/sysmacros.h>
#endif

#ifndef Q_OS_UNIX
#include "ComPortProbe.h"
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

// The device number of the terminal this program runs in, if it runs in one. /dev/tty stands for
// it, but only asked through it does the system name the device behind it.
std::optional<dev_t> ownTerminal()
{
    const int tty = ::open("/dev/tty", O_RDONLY | O_NOCTTY | O_NONBLOCK);
    if (tty < 0)
        return std::nullopt;
    std::optional<dev_t> found;
#ifdef TIOCGDEV
    // The kernel answers in its own packing of a device number (new_encode_dev()), not dev_t's:
    // bits 0 to 7 hold the low 8 bits of the minor number, bits 8 to 19 the major number, and
    // bits 20 up the rest of the minor number. The packing keeps a number that fits the old
    // 16-bit layout, 8 bits of each, as it was.
    unsigned int encoded = 0;
    if (::ioctl(tty, TIOCGDEV, &encoded) == 0)
        found = makedev((encoded & 0xfff00) >> 8, (encoded & 0xff) | ((encoded >> 12) & 0xfff00));
#endif
    ::close(tty);
    // Without that question, a standard stream that is the terminal tells as much.
    for (int stream = STDIN_FILENO; !found && stream <= STDERR_FILENO; ++stream) {
        struct stat terminal
        {
        };
        if (::isatty(stream) && ::tcgetsid(stream) == ::getsid(0)
            && ::fstat(stream, &terminal) == 0)
            found = terminal.st_rdev;
    }
    return found;
}
#endif

} // namespace

bool isOwnTerminal(const std::string &path)
{
#ifdef Q_OS_UNIX
    struct stat device
    {
    };
    if (::stat(path.c_str(), &device) != 0 || !S_ISCHR(device.st_mode))
        return false;
    struct stat anyOwnTerminal
    {
    };
    if (::stat("/dev/tty", &anyOwnTerminal) == 0 && device.st_rdev == anyOwnTerminal.st_rdev)
        return true;
    const std::optional<dev_t> own = ownTerminal();
    return own && *own == device.st_rdev;
#else
    Q_UNUSED(path);
    return false;
#endif
}

// Joining root's group is never the advice.
std::string groupThatMayUse(const std::string &path)
{
#ifdef Q_OS_UNIX
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0 || info.st_gid == 0)
        return {};
    if ((info.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP))
        return {};
    const group *owner = ::getgrgid(info.st_gid);
    return owner ? std::string(owner->gr_name) : std::to_string(info.st_gid);
#else
    Q_UNUSED(path);
    return {};
#endif
}

gauge::OpeningRefusal openingFailure(QSerialPort::SerialPortError error, const std::string &path)
{
#ifdef Q_OS_UNIX
    using gauge::OpenFailure;
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
    case EISDIR: // a folder
        return {OpenFailure::NotSerial, systemError};
    default:
        return {OpenFailure::Other, systemError};
    }
#else
    return comPortOpeningFailure(path, error == QSerialPort::PermissionError);
#endif
}
