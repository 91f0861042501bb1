#pragma once

#include "transfer/SerialPort.h"

#include <string>
#include <string_view>

// What the link to a gauge says to the technician, in the window and on the command line alike.
namespace gauge {

enum class TransferOutcome;

// The words the technician reads for each way a transfer ends.
std::string_view outcomeText(TransferOutcome outcome);

// Asked before a packet goes out with an alarm switched off.
inline constexpr std::string_view AlarmOffQuestion
    = "Minimum or/and Maximum Alarm are OFF, do you want continue?";

// What the technician reads when a port does not open: "Error : Port is busy" when another
// program holds it, otherwise the error number.
std::string openingErrorText(const OpeningRefusal &refusal);

// The same in plain words, naming the port, with what the technician can do about it.
std::string openingAdvice(const OpeningRefusal &refusal, const std::string &portName);

} // namespace gauge
