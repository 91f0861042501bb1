#include "QtSerialPort.h"

#include "transfer/PortMap.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QSerialPort::Parity toQt(gauge::Parity parity)
{
    switch (parity) {
    case gauge::Parity::Even:
        return QSerialPort::EvenParity;
    case gauge::Parity::Odd:
        return QSerialPort::OddParity;
    case gauge::Parity::None:
        break;
    }
    return QSerialPort::NoParity;
}

void applyLineSettings(QSerialPort &port, const gauge::LineSettings &settings)
{
    port.setBaudRate(settings.baudRate);
    port.setParity(toQt(settings.parity));
    port.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits));
    port.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
}

#ifdef Q_OS_UNIX
// Qt reports a refused opening by kind only; opening the device once more ourselves yields the
// system's own error number, and tells a serial line from anything else that opens.
int systemOpenError(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return errno;
    const int error = ::isatty(fd) ? 0 : ENOTTY;
    ::close(fd);
    return error;
}

QString groupOf(const QString &path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    const group *owner = ::getgrgid(info.st_gid);
    return owner ? QString::fromLocal8Bit(owner->gr_name) : QString::number(info.st_gid);
}
#endif

} // namespace

QtSerialPort::QtSerialPort(const gauge::PortMap &portMap, QObject *parent)
    : QObject(parent)
    , m_portMap(portMap)
{
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialPort::handleError);
}

int QtSerialPort::setPortNumber(int number)
{
    m_number = number;
    return 0;
}

int QtSerialPort::setLineSettings(const gauge::LineSettings &settings)
{
    m_lineSettings = settings;
    if (m_port.isOpen())
        applySettings();
    return 0;
}

int QtSerialPort::setReceiveSettings(const gauge::ReceiveSettings &settings)
{
    m_receiveSettings = settings;
    if (m_port.isOpen())
        applySettings();
    return 0;
}

void QtSerialPort::applySettings()
{
    applyLineSettings(m_port, m_lineSettings);
    m_port.setFlowControl(m_receiveSettings.flowControl ? QSerialPort::HardwareControl
                                                        : QSerialPort::NoFlowControl);
    m_port.setReadBufferSize(m_receiveSettings.bufferSize);
}

bool QtSerialPort::isOpen() const
{
    return m_port.isOpen();
}

int QtSerialPort::open()
{
    if (m_port.isOpen())
        return gauge::PortBusyError;
    m_salvaged.clear();
    const QString path = deviceName(m_number);
    if (path.isEmpty())
        return ENOENT;
    m_port.setPortName(deviceItself(path));
    applySettings();
    return openingResult(m_port, path);
}

int QtSerialPort::probe(int number)
{
    const QString path = deviceName(number);
    if (path.isEmpty())
        return ENOENT;
    QSerialPort trial(deviceItself(path));
    applyLineSettings(trial, gauge::ProbeLineSettings);
    const int errorNumber = openingResult(trial, path);
    trial.close();
    return errorNumber;
}

void QtSerialPort::setLostHandler(std::function<void()> handler)
{
    m_lostHandler = std::move(handler);
}

// The device itself, not a link to it: the lock that keeps a second program off the port is
// named after what is opened, so two names for one device must not make two locks.
QString QtSerialPort::deviceItself(const QString &path)
{
    const QString device = QFileInfo(path).canonicalFilePath();
    return device.isEmpty() ? path : device;
}

int QtSerialPort::openingResult(QSerialPort &port, const QString &path)
{
    if (port.open(QIODevice::ReadWrite))
        return 0;
    const int errorNumber = openingErrorNumber(port.error(), path);
    port.clearError();
    return errorNumber;
}

int QtSerialPort::openingErrorNumber(QSerialPort::SerialPortError error, const QString &path)
{
#ifdef Q_OS_UNIX
    const int systemError = systemOpenError(path);
    if (systemError == EBUSY)
        return gauge::PortBusyError;
    if (systemError != 0)
        return systemError;
    // The device opens for us, so Qt was stopped by another program's lock or exclusive hold.
    if (error == QSerialPort::PermissionError)
        return gauge::PortBusyError;
    return EIO;
#else
    Q_UNUSED(path);
    switch (error) {
    case QSerialPort::PermissionError:
        return gauge::PortBusyError;
    case QSerialPort::DeviceNotFoundError:
        return ENOENT;
    default:
        return EIO;
    }
#endif
}

int QtSerialPort::close()
{
    m_salvaged.clear();
    if (!m_port.isOpen())
        return gauge::PortNotOpenError;
    m_port.close();
    return 0;
}

int QtSerialPort::discardInput()
{
    m_salvaged.clear();
    if (!m_port.isOpen())
        return gauge::PortNotOpenError;
    m_port.clear(QSerialPort::Input);
    return 0;
}

int QtSerialPort::bytesWaiting(int &count)
{
    if (!m_port.isOpen() && m_salvaged.isEmpty())
        return gauge::PortNotOpenError;
    count = static_cast<int>(m_port.isOpen() ? m_port.bytesAvailable() : m_salvaged.size());
    return 0;
}

int QtSerialPort::write(std::uint8_t byte)
{
    if (!m_port.isOpen())
        return gauge::PortNotOpenError;
    const char data = static_cast<char>(byte);
    return m_port.write(&data, 1) == 1 ? 0 : EIO;
}

int QtSerialPort::read(std::span<std::uint8_t> bytes)
{
    const auto wanted = static_cast<qint64>(bytes.size());
    if (!m_port.isOpen()) {
        if (m_salvaged.size() < wanted)
            return gauge::PortNotOpenError;
        std::copy_n(m_salvaged.constBegin(), wanted, reinterpret_cast<char *>(bytes.data()));
        m_salvaged.remove(0, wanted);
        return 0;
    }
    if (m_port.bytesAvailable() < wanted)
        return gauge::PortNotOpenError;
    return m_port.read(reinterpret_cast<char *>(bytes.data()), wanted) == wanted ? 0 : EIO;
}

// A local event loop: the bytes handed to write() go out, the reply comes in, and the window
// keeps painting, without spinning.
void QtSerialPort::waitForBytes(int count, std::chrono::milliseconds timeout)
{
    if (!m_port.isOpen() || m_port.bytesAvailable() >= count)
        return;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&m_port, &QSerialPort::readyRead, &loop, [&] {
        if (m_port.bytesAvailable() >= count)
            loop.quit();
    });
    connect(&m_port, &QSerialPort::aboutToClose, &loop, &QEventLoop::quit);
    deadline.start(timeout);
    loop.exec();
}

// A device that went away (a USB cable pulled, the far end of a line hung up) is closed at once:
// left open, Qt reports the same error over and over and burns a processor core. What it sent
// before it went is kept: a gauge may hang up right after a whole reply, and that reply counts.
void QtSerialPort::handleError(QSerialPort::SerialPortError error)
{
    const bool lost = error == QSerialPort::ResourceError || error == QSerialPort::ReadError
        || error == QSerialPort::WriteError;
    if (!lost || !m_port.isOpen())
        return;
    m_salvaged = m_port.readAll();
    m_port.close();
    if (m_lostHandler)
        m_lostHandler();
}

QString QtSerialPort::deviceName(int number) const
{
    const auto device = m_portMap.device(number);
    return device ? QString::fromStdString(device->path) : QString();
}

std::string QtSerialPort::errorDetail(int errorNumber) const
{
    const auto mapped = m_portMap.device(m_number);
    const QString path = deviceName(m_number);
    QString device = QStringLiteral("COM%1").arg(m_number);
    if (mapped && !mapped->name.empty())
        device = QString::fromStdString(mapped->name);
    else if (!path.isEmpty())
        device = QStringLiteral("%1 (%2)").arg(device, path);
    QString detail;
    if (errorNumber == gauge::PortBusyError) {
        detail = tr("%1 is in use by another program. Close that program, or choose another "
                    "port.")
                     .arg(device);
    } else if (errorNumber == ENOENT || errorNumber == ENODEV || errorNumber == ENXIO) {
        detail = tr("No serial device answers as %1. Check that the programming cable is "
                    "plugged in.")
                     .arg(device);
    } else if (errorNumber == ENOTTY) {
        detail = tr("%1 is not a serial device.").arg(device);
    } else if (errorNumber == EACCES || errorNumber == EPERM) {
#ifdef Q_OS_UNIX
        const QString group = groupOf(path);
        detail = tr("You may not use %1: the device belongs to the group \"%2\". Add your user "
                    "to that group (for example: sudo usermod -aG %2 $USER), then log out and "
                    "in again.")
                     .arg(device, group.isEmpty() ? QStringLiteral("dialout") : group);
#else
        detail = tr("You may not use %1.").arg(device);
#endif
    } else {
        detail = tr("%1: %2.").arg(device, QString::fromLocal8Bit(std::strerror(errorNumber)));
    }
    return detail.toStdString();
}
