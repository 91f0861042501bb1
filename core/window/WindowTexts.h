#pragma once

#include "transfer/Transfer.h"
#include "transfer/TransferTexts.h"
#include "window/FileDialogs.h"

#include <string>
#include <string_view>

// What the main window says to the technician, beside the captions of the gauge catalogue and
// the link's own words (transfer/TransferTexts.h).
namespace gauge::WindowTexts {

// The status bar.
inline constexpr std::string_view InitialStatus = "Serial Port Not Chosen yet or not available";
inline constexpr std::string_view NoPortAtAllStatus = "Attention: Serial Port Not Available";
inline constexpr std::string_view HelpModeStatus = "Help on line: Click on component";
inline constexpr std::string_view InProgressStatus = "Set in progress.....";
inline std::string portActiveStatus(int number)
{
    return "COM" + std::to_string(number) + " Active";
}
inline std::string_view outcomeStatus(TransferOutcome outcome)
{
    switch (outcome) {
    case TransferOutcome::NoCommunication:
        return "No Communication with Digital Gauge";
    case TransferOutcome::NotConfirmed:
        return "Data not sent!!!";
    case TransferOutcome::Sent:
        break;
    }
    return outcomeText(outcome);
}

// What each tool bar button says of itself in help mode.
inline constexpr std::string_view SendDataHelp = "Transfer the data on Digital Instrument ";
inline constexpr std::string_view ClearHelp = "Clear the gauge parameter ";
inline constexpr std::string_view CloseHelp = "Close the gauge parameter screen ";
inline constexpr std::string_view ExitHelp = "Exit to the programme";

// Send Data refused.
inline constexpr std::string_view NoPort = "Serial Port not chosen yet or not available";
inline constexpr std::string_view Incomplete = "Attention: Setting Parameters not complete";

// The Serial Port menu.
inline constexpr std::string_view NoDeviceDescription = "No serial device found for this port";
// A device that has not answered yet: a Bluetooth link whose device is away takes its time.
inline std::string beingTriedDescription(const std::string &device)
{
    return device + " – still being tried, not yet known to open";
}

// The record files.
inline constexpr std::string_view NotConfigured = "Error: Configure the instrument before.";
inline const FileFilter SaveFilter {"Configuaration GAUGE  (*.gag)", "gag"};
inline const FileFilter OpenFilter {"File GAUGE  (*.gag)", "gag"};
inline std::string notSaved(const std::string &fileName, const std::string &reason)
{
    return "The configuration could not be saved to \"" + fileName + "\": " + reason + ".";
}
// A sender a record chose, where the gauge type offers no option for it.
inline std::string senderFromRecord(int index)
{
    return "Sender " + std::to_string(index + 1) + ", from the record";
}

} // namespace gauge::WindowTexts
