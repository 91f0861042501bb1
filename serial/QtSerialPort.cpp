#include "QtSerialPort.h"

#include "OpeningFailure.h"
#ifdef Q_OS_WIN
#include "ComPortProbe.h"
#endif

#include <QFile>

#include <cerrno>
#include <filesystem>

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
    port.setFlowControl(QSerialPort::NoFlowControl);
}

// The device's name as Qt SerialPort takes it; the devices themselves are named in plain
// letters.
QString portNameOf(const std::string &path)
{
    return QFile::decodeName(deviceItself(path).c_str());
}

std::span<const std::uint8_t> asBytes(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

gauge::Opening opening(QSerialPort &port, const std::string &path)
{
    if (port.open(QIODevice::ReadWrite))
        return {};
    const gauge::OpeningRefusal refusal = openingFailure(port.error(), path);
    port.clearError();
    return refusal;
}

} // namespace

// The lock that keeps a second program off the port is named after what is opened, so two names
// for one device must not make two locks. The link is followed on the name's own bytes, which need
// not be UTF-8.
std::string deviceItself(const std::string &path)
{
    std::error_code error;
    const std::filesystem::path device = std::filesystem::canonical(path, error);
    return error ? path : device.string();
}

QtSerialPort::QtSerialPort(QObject *parent)
    : QObject(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, &QtSerialPort::passOnArrivedBytes,
            Qt::QueuedConnection);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialPort::handleError);
}

void QtSerialPort::setEvents(gauge::PortEvents events)
{
    m_events = std::move(events);
}

gauge::Opening QtSerialPort::open(const gauge::PortDevice &device,
                                  const gauge::LineSettings &settings)
{
    if (isOpen())
        return gauge::OpeningRefusal {gauge::OpenFailure::Busy, gauge::PortBusyError};
    if (device.path.empty())
        return gauge::OpeningRefusal {gauge::OpenFailure::NotThere, ENOENT};
    if (isOwnTerminal(device.path))
        return gauge::OpeningRefusal {gauge::OpenFailure::OwnTerminal, ENOTTY};
    m_port.setPortName(portNameOf(device.path));
    applyLineSettings(m_port, settings);
    ++m_opening;
    return opening(m_port, device.path);
}

gauge::Opening QtSerialPort::probe(const gauge::PortDevice &device)
{
    return probeDevice(device);
}

gauge::Opening QtSerialPort::probeDevice(const gauge::PortDevice &device)
{
    if (device.path.empty())
        return gauge::OpeningRefusal {gauge::OpenFailure::NotThere, ENOENT};
#ifdef Q_OS_WIN
    return probeComPort(device.path, gauge::ProbeLineSettings);
#else
    QSerialPort trial(portNameOf(device.path));
    applyLineSettings(trial, gauge::ProbeLineSettings);
    return opening(trial, device.path);
#endif
}

bool QtSerialPort::isOpen() const
{
    return m_port.isOpen() || m_lossUntold;
}

void QtSerialPort::close()
{
    m_lossUntold = false;
    if (m_port.isOpen())
        m_port.close();
}

void QtSerialPort::discardInput()
{
    if (m_port.isOpen())
        m_port.clear(QSerialPort::Input);
}

bool QtSerialPort::write(std::span<const std::uint8_t> bytes)
{
    if (!m_port.isOpen())
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    return m_port.write(reinterpret_cast<const char *>(bytes.data()), size) == size;
}

void QtSerialPort::passOnArrivedBytes()
{
    if (!m_port.isOpen())
        return;
    const QByteArray bytes = m_port.readAll();
    if (!bytes.isEmpty() && m_events.bytesArrived)
        m_events.bytesArrived(asBytes(bytes));
}

// A device that went away (a USB cable pulled, the far end of a line hung up) is closed at once:
// left open, Qt reports the same error over and over and burns a processor core. What it sent
// before it went still counts: a gauge may hang up right after a whole reply.
void QtSerialPort::handleError(QSerialPort::SerialPortError error)
{
    const bool lost = error == QSerialPort::ResourceError || error == QSerialPort::ReadError
        || error == QSerialPort::WriteError;
    if (!lost || !m_port.isOpen())
        return;
    const QByteArray salvaged = m_port.readAll();
    m_port.close();
    m_lossUntold = true;
    QMetaObject::invokeMethod(
        this,
        [this, salvaged, opening = m_opening] {
            if (opening != m_opening || !m_lossUntold)
                return;
            m_lossUntold = false;
            if (m_events.lineLost)
                m_events.lineLost(asBytes(salvaged));
        },
        Qt::QueuedConnection);
}
