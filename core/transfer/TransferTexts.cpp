#include "transfer/TransferTexts.h"

#include "transfer/Transfer.h"

#include <cstring>

namespace gauge {

std::string_view outcomeText(TransferOutcome outcome)
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

std::string openingErrorText(const OpeningRefusal &refusal)
{
    if (refusal.failure == OpenFailure::Busy)
        return "Error : Port is busy";
    return "Error : " + std::to_string(refusal.errorNumber);
}

std::string openingAdvice(const OpeningRefusal &refusal, const std::string &portName)
{
    switch (refusal.failure) {
    case OpenFailure::Busy:
        return portName
            + " is in use by another program. Close that program, or choose another "
              "port.";
    case OpenFailure::NotThere:
    case OpenFailure::Gone:
        return "No serial device answers as " + portName
            + ". Check that the programming cable is plugged in.";
    case OpenFailure::NotSerial:
        return portName + " is not a serial device.";
    case OpenFailure::OwnTerminal:
        return portName + " is the terminal this program runs in, not a serial line to a gauge.";
    case OpenFailure::NoPermission:
        // Joining the group that owns the device helps only where that group may use it, and
        // never means joining root.
        if (refusal.accessGroup.empty())
            return "You may not use " + portName
                + ": its permissions let no group you could join read and write it. They must be "
                  "changed, for example with a udev rule (the gauge-programmer manual page shows "
                  "one).";
        return "You may not use " + portName + ": the device belongs to the group \""
            + refusal.accessGroup
            + "\". Add your user to that group (for example: sudo usermod -aG "
            + refusal.accessGroup + " $USER), then log out and in again.";
    case OpenFailure::NoAnswer:
    case OpenFailure::Other:
        break;
    }
    if (!refusal.systemText.empty())
        return portName + ": " + refusal.systemText + ".";
    return portName + ": " + std::strerror(refusal.errorNumber) + ".";
}

} // namespace gauge
