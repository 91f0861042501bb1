#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace gauge {

// Error numbers of the serial layer. Any other non-zero number is the system's own (errno).
inline constexpr int PortBusyError = 8005;
inline constexpr int PortNotOpenError = 8018;

enum class Parity { None, Even, Odd };

struct LineSettings
{
    int baudRate;
    Parity parity;
    int dataBits;
    int stopBits;

    friend bool operator==(const LineSettings &, const LineSettings &) = default;
};

// "9600,n,8,1": only used to find out which ports open.
inline constexpr LineSettings ProbeLineSettings {9600, Parity::None, 8, 1};
// "4800,N,8,1": the programming link.
inline constexpr LineSettings LinkLineSettings {4800, Parity::None, 8, 1};

// How the link receives: a 100-byte buffer, one byte per read until a transfer asks for its
// reply, no flow control, raw bytes, no receive notifications.
struct ReceiveSettings
{
    int bufferSize = 100;
    int readLength = 1;
    bool flowControl = false;
    bool rawBytes = true;
    int notifyThreshold = 0;

    friend bool operator==(const ReceiveSettings &, const ReceiveSettings &) = default;
};

// The tool's one serial port. Every operation that can fail returns an error number, 0 for
// success; the procedures that use the port go on past a failing step and decide at fixed
// points whether they succeeded.
class SerialPort
{
public:
    virtual ~SerialPort() = default;

    // Port 1..12 stands for COM1..COM12.
    virtual int setPortNumber(int number) = 0;
    virtual int setLineSettings(const LineSettings &settings) = 0;
    virtual int setReceiveSettings(const ReceiveSettings &settings) = 0;

    virtual bool isOpen() const = 0;
    virtual int open() = 0;
    virtual int close() = 0;

    // Opens COM number at the probe's line settings and closes it again, leaving the port open
    // for the link, if any, alone. Returns the error number of the opening.
    virtual int probe(int number) = 0;
    // Called when the open port's device goes away (the cable pulled, the adapter unplugged).
    // The port is closed by then.
    virtual void setLostHandler(std::function<void()> handler) = 0;

    virtual int discardInput() = 0;
    virtual int bytesWaiting(int &count) = 0;
    // Hands the byte to the port without waiting for it to leave the line.
    virtual int write(std::uint8_t byte) = 0;
    // Reads exactly as many bytes as the span holds.
    virtual int read(std::span<std::uint8_t> bytes) = 0;

    // Lets the window go on working until at least count bytes are waiting or the timeout has
    // passed, whichever comes first. Must not spin.
    virtual void waitForBytes(int count, std::chrono::milliseconds timeout) = 0;

    // A plain-language explanation of an opening failure, for the technician; may be empty.
    virtual std::string errorDetail(int errorNumber) const = 0;
};

} // namespace gauge
