#pragma once

#include "transfer/SerialPort.h"

#include <QObject>
#include <QSerialPort>

// The device itself, not a link to it; the path as it is where nothing stands behind it.
std::string deviceItself(const std::string &path);

// The tool's serial port on Qt SerialPort. What the port reports (bytes coming in, the line
// lost) is passed on from the event loop, never from inside Qt's own handling of the device, so
// whoever hears it may show a message box or open the port anew.
class QtSerialPort final : public QObject, public gauge::SerialPort
{
    Q_OBJECT

public:
    explicit QtSerialPort(QObject *parent = nullptr);

    void setEvents(gauge::PortEvents events) override;
    gauge::Opening open(const gauge::PortDevice &device,
                        const gauge::LineSettings &settings) override;
    bool isOpen() const override;
    void close() override;
    gauge::Opening probe(const gauge::PortDevice &device) override;
    void discardInput() override;
    bool write(std::span<const std::uint8_t> bytes) override;

    // What probe() does, touching no port's state: any thread may call it.
    static gauge::Opening probeDevice(const gauge::PortDevice &device);

private:
    void passOnArrivedBytes();
    void handleError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    gauge::PortEvents m_events;
    // The device went away and the port is closed, but the owner has not heard of it yet: until
    // then the port counts as open, so that what the owner does meanwhile meets the loss in order.
    bool m_lossUntold = false;
    // Counts the openings, so that news of a line lost is not taken for a line opened since.
    int m_opening = 0;
};
