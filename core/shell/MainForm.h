#pragma once

#include "files/Record.h"
#include "shell/GaugeConfiguration.h"
#include "shell/OptionGroup.h"

#include <array>
#include <functional>
#include <string>

namespace gauge {

class Clock;
class FileDialogs;
class Messages;
class SerialPort;
class WindowCommands;

// The option groups of the gauge frame, named as their controls.
enum class GroupId { optVoltage, optUnit, optSender, optMinAll, optAllMax, optBLK, optAlLOut, optNO_NC };
inline constexpr int GroupCount = 8;

enum class MousePointer { Default = 0, WhatsThis = 14 };

// How the last Send Data ended, for callers without a screen to read.
enum class TransferOutcome {
    NotRun,          // help mode, or no Send Data yet
    Refused,         // no port chosen, or the configuration incomplete
    Cancelled,       // the alarm question answered No
    NoCommunication, // no reply, a short or long one, or the port gone
    NotConfirmed,    // 42 bytes came back, but header or echo were wrong
    Sent,
};

struct MenuItemState
{
    bool enabled = false;
    bool checked = false;
};

inline constexpr int SerialPortCount = 12;

// The platform services the main window works through; each has a production adapter and a
// test fake.
struct Platform
{
    Messages &messages;
    FileDialogs &fileDialogs;
    SerialPort &serialPort;
    WindowCommands &windows;
    const Clock &clock;
};

// The main window as data, with every handler of its controls.
//
// How a click travels: the view forwards a user's click to one call here (select() for an option
// button, a *_Click handler for a menu entry or button). The call changes the gauge
// configuration and this model; option selections made by code go through the same
// OptionGroup::select() a click does, so the group's handler runs exactly when an option becomes
// selected. Message boxes and dialogs go out through the Platform seams, synchronously. When the
// call returns, the view redraws itself from the model; during a transfer the change listener
// lets it follow the progress bar.
//
// The handlers are grouped by subject: start-up, help mode and the tool bar commands in shell/,
// the gauge type and sender choice in catalogue/, the unit, voltage, alarm and output options in
// curves/, the serial port and the transfer in serial/, the record files in files/.
class MainForm
{
public:
    explicit MainForm(Platform platform);
    MainForm(const MainForm &) = delete;
    MainForm &operator=(const MainForm &) = delete;

    // Start-up and its timer.
    void Form_Load();
    void Timer1_Timer();
    int timer1Interval() const { return m_timer1Interval; }

    // A click on an option button.
    void select(GroupId group, int index);

    // Menu entries and tool bar buttons.
    void Gauge_Click(int index);
    void SerialPort_Click(int number);
    void cmdTransfer_Click();
    void cmdClearCofn_Click();
    void cmdClose_Click();
    void cmdExit_Click();
    void Uscita_Click();
    void SalvaConfigurazione_Click();
    void ConfFile_Click();
    void GaugPar_Click();
    void Aiuto_Click();
    void About_Click();
    void HelpConnection_Click();

    // Option handlers; they run when an option of their group becomes selected.
    void optVoltage_Click(int index);
    void optUnit_Click(int index);
    void optSender_Click(int index);
    void optMinAll_Click(int index);
    void optAllMax_Click(int index);
    void optBLK_Click(int index);
    void optAlLOut_Click(int index);
    void optNO_NC_Click(int index);

    // What the view draws.
    const GaugeConfiguration &config() const { return m_config; }
    const OptionGroup &group(GroupId id) const;
    bool gaugeFrameVisible() const { return m_gaugeFrameVisible; }
    const std::string &gaugeFrameCaption() const { return m_gaugeFrameCaption; }
    const std::string &statusText() const { return m_statusText; }
    MousePointer mousePointer() const { return m_mousePointer; }
    bool progressVisible() const { return m_progressVisible; }
    int progressValue() const { return m_progressValue; }
    bool transferButtonEnabled() const { return m_transferButtonEnabled; }
    // Port 1..12.
    MenuItemState serialPortItem(int number) const;
    // While a transfer waits for its reply the window takes no other command.
    bool transferInProgress() const { return m_transferInProgress; }
    TransferOutcome lastTransferOutcome() const { return m_lastTransferOutcome; }

    // Called when the model changes while a command is still running (the transfer's progress).
    void setChangeListener(std::function<void()> listener);

private:
    OptionGroup &groupRef(GroupId id);

    void SetupGaugeOptions(int gaugeType, std::uint8_t supplyVoltage);
    void LoadSenderCurve();

    void FillHelpTexts();
    void ShowHelpText(int index);
    bool helpModeAnswered(const std::string &helpText);

    void ProbeSerialPorts();
    bool ExchangePacket();
    void setProgress(int value);
    void changed();

    bool dialogCancelled(const std::string &fileName);
    bool stageRecord(Record &record) const;
    void restoreRecord(const Record &record);

    void setStatusText(const std::string &text);

    GaugeConfiguration m_config;
    Platform m_platform;

    std::array<OptionGroup, GroupCount> m_groups;

    bool m_gaugeFrameVisible = false;
    std::string m_gaugeFrameCaption;
    std::string m_statusText;
    MousePointer m_mousePointer = MousePointer::Default;
    bool m_progressVisible = true;
    int m_progressValue = 0;
    bool m_transferButtonEnabled = true;
    std::array<MenuItemState, SerialPortCount> m_serialPortItems {};
    bool m_transferInProgress = false;
    TransferOutcome m_lastTransferOutcome = TransferOutcome::NotRun;
    int m_timer1Interval = 0;
    // The file name the common dialog remembers between uses.
    std::string m_dialogFileName;

    std::function<void()> m_changeListener;
};

} // namespace gauge
