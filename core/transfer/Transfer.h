#pragma once

#include "wire/WireFormat.h"

#include <functional>
#include <string_view>

namespace gauge {

class Clock;
class SerialPort;

// How a transfer ended.
enum class TransferOutcome {
    NoCommunication, // no reply, a short or a long one, or the port gone
    NotConfirmed,    // 42 bytes came back, but the header or the echo was wrong
    Sent,
};

// The words the technician reads for each outcome.
inline constexpr std::string_view outcomeText(TransferOutcome outcome)
{
    switch (outcome) {
    case TransferOutcome::NoCommunication:
        return "Error: No Comunication with Digital Gauge ";
    case TransferOutcome::NotConfirmed:
        return "Error: Data not sent";
    case TransferOutcome::Sent:
        return "Data has been sent successfully ";
    }
    return {};
}

// Asked before a packet goes out with an alarm switched off.
inline constexpr std::string_view AlarmOffQuestion
    = "Minimum or/and Maximum Alarm are OFF, do you want continue?";

// Progress of a transfer in percent: the packet's bytes going out take it to 49, the reply's
// bytes coming in from 47 to 100.
using TransferProgress = std::function<void(int percent)>;

// Programs the gauge on the open port: hands the packet to the port byte by byte, waits up to
// two seconds for the 42-byte reply without spinning, and judges it. A failing port operation
// does not stop the transfer; the reply decides.
TransferOutcome sendPacket(SerialPort &port, const Clock &clock, const wire::Packet &packet,
                           const TransferProgress &progress);

} // namespace gauge
