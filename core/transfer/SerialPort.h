#pragma once

#include "common/Result.h"
#include "transfer/PortMap.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace gauge {

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

// Why a port did not open.
enum class OpenFailure {
    Busy,         // another program holds it
    NoPermission, // the system refuses this user
    NotThere,     // no such device
    Gone,         // the device is named, but no hardware answers behind it any more
    NotSerial,    // it opens, but it is no serial line
    OwnTerminal,  // the terminal the program runs in: a packet would land on the screen
    NoAnswer,     // the link to the device gave up waiting (a Bluetooth port whose device is away)
    Other,
};

// The error number a technician reads when another program holds the port: "Error : Port is
// busy" instead of a number.
inline constexpr int PortBusyError = 8005;

// A port that did not open: the kind of failure for what the caller does next, and what the
// technician is told.
struct OpeningRefusal
{
    OpenFailure failure = OpenFailure::Other;
    // What "Error : n" shows: the system's own error number, or PortBusyError.
    int errorNumber = 0;
    // When permission was refused: the group the device's permissions let read and write it, if
    // any, so the technician can be told which group to join.
    std::string accessGroup {};
    // The system's own words for errorNumber where they are not errno's (Windows' error
    // numbers), in UTF-8; empty where errno's words say it.
    std::string systemText {};
};

using Opening = Result<void, OpeningRefusal>;

// What the port reports while it is open, as it happens.
struct PortEvents
{
    // Bytes that came in on the line, in the order they came.
    std::function<void(std::span<const std::uint8_t>)> bytesArrived;
    // The device went away (the cable pulled, the adapter unplugged); the port is closed by then.
    // What it sent before it went and was not passed on yet comes with the news: a gauge may hang
    // up right after a whole reply.
    std::function<void(std::span<const std::uint8_t> lastBytes)> lineLost;
};

// The tool's one serial port, in the link's own terms. One device at a time is open on it; a
// probe looks at another device without disturbing it.
class SerialPort
{
public:
    virtual ~SerialPort() = default;

    virtual void setEvents(PortEvents events) = 0;

    // Opens the device at the line settings. A port that is open already is not opened twice.
    virtual Opening open(const PortDevice &device, const LineSettings &settings) = 0;
    // A port whose device went away counts as open until lineLost has been told.
    virtual bool isOpen() const = 0;
    virtual void close() = 0;

    // Opens the device at the probe's settings and closes it again, leaving the open port, if
    // any, alone.
    virtual Opening probe(const PortDevice &device) = 0;

    // Forgets whatever came in and has not been reported yet: it was not meant for what is sent
    // next.
    virtual void discardInput() = 0;
    // Hands the bytes to the port without waiting for them to leave the line. False when the
    // port cannot take them (it is not open).
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;
};

} // namespace gauge
