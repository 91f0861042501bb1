#pragma once

#include "transfer/SerialPort.h"

#include <QObject>
#include <QSerialPort>

namespace gauge {
class PortMap;
}

// The tool's serial port on Qt SerialPort. Opening failures become error numbers: 8005 when
// another program holds the port, otherwise the system's errno.
class QtSerialPort final : public QObject, public gauge::SerialPort
{
    Q_OBJECT

public:
    explicit QtSerialPort(const gauge::PortMap &portMap, QObject *parent = nullptr);

    int setPortNumber(int number) override;
    int setLineSettings(const gauge::LineSettings &settings) override;
    int setReceiveSettings(const gauge::ReceiveSettings &settings) override;
    bool isOpen() const override;
    int open() override;
    int close() override;
    int probe(int number) override;
    void setLostHandler(std::function<void()> handler) override;
    int discardInput() override;
    int bytesWaiting(int &count) override;
    int write(std::uint8_t byte) override;
    int read(std::span<std::uint8_t> bytes) override;
    void waitForBytes(int count, std::chrono::milliseconds timeout) override;
    std::string errorDetail(int errorNumber) const override;

private:
    void applySettings();
    void handleError(QSerialPort::SerialPortError error);
    static QString deviceItself(const QString &path);
    static int openingResult(QSerialPort &port, const QString &path);
    static int openingErrorNumber(QSerialPort::SerialPortError error, const QString &path);
    QString deviceName(int number) const;

    const gauge::PortMap &m_portMap;
    QSerialPort m_port;
    int m_number = 0;
    gauge::LineSettings m_lineSettings = gauge::LinkLineSettings;
    gauge::ReceiveSettings m_receiveSettings;
    // What a lost device had sent, still to be read.
    QByteArray m_salvaged;
    std::function<void()> m_lostHandler;
};
