#pragma once

#include "gauge/GaugeSetup.h"
#include "transfer/PortSurvey.h"
#include "transfer/Transfer.h"
#include "window/Messages.h"

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gauge {

class FileDialogs;
class WindowCommands;

// The platform services the window speaks to the technician through; each has a production
// adapter and a test fake.
struct Platform
{
    Messages &messages;
    FileDialogs &fileDialogs;
    WindowCommands &windows;
};

enum class MousePointer { Default, WhatsThis };

// Exit is both a tool bar button, which explains itself in help mode, and a menu entry, which
// always exits.
enum class ExitFrom { ToolBar, Menu };

// What one option button shows.
struct OptionView
{
    std::string caption;
    std::string_view toolTip;
    bool visible = true;
    bool enabled = true;
    bool selected = false;
};

// One entry of the Serial Port menu.
struct PortMenuItem
{
    bool enabled = false;
    bool checked = false;
    // The device behind the COM number, or why it cannot be chosen.
    std::string description;
};

// The main window as data, over the gauge setup.
//
// How a click travels: the view turns each thing the technician does into one call here
// (chooseOption() for an option button, sendData() for the Send Data button, choosePort() for an
// entry of the Serial Port menu...). The call hands the choice to the gauge setup, or runs the
// command over the record files and the serial link, and speaks to the technician through the
// Messages and FileDialogs seams. Whenever what the window shows has changed (after each
// command, before each message, and at each step of a transfer) the change listener tells the
// view, which redraws itself from what this model says. A transfer runs on after sendData()
// returns, driven by the port's events and a timer; until it ends the window takes no other
// command.
class MainWindowModel
{
public:
    // The survey's port is the one the transfer talks over; the model takes its events.
    MainWindowModel(Platform platform, PortSurvey &ports, Transfer &transfer);
    ~MainWindowModel();
    MainWindowModel(const MainWindowModel &) = delete;
    MainWindowModel &operator=(const MainWindowModel &) = delete;

    // Tries every serial device once and offers those that open, each as soon as it has
    // answered. The view brings up the connection help this long after.
    void start();
    static constexpr std::chrono::milliseconds ConnectionHelpDelay {100};
    // Looks at the serial devices again, each time the Serial Port menu opens, without
    // disturbing them (see PortSurvey).
    void lookAtPorts();

    // The menus.
    void chooseGaugeType(int gaugeType);
    void openRecord();
    // A record named on the command line, or dropped on the window, opens as from the menu.
    void openRecordFile(const std::string &path);
    void saveRecord();
    void exitProgram(ExitFrom from);
    void choosePort(int number);
    void enterHelpMode();
    void showAbout();
    void showConnectionHelp();

    // An option button of the gauge frame.
    void chooseOption(Choice choice, int index);

    // The other tool bar buttons; in help mode each explains itself instead of running.
    void sendData();
    void clearConfiguration();
    void closeGauge();

    // The main window is asked to close, however (its title bar, the system): whether it may.
    // When it may, the port is let go with it.
    bool windowMayClose();
    // Whether files dropped on the window are taken: a single record file, while the window
    // takes commands.
    bool takesDroppedFiles(const std::vector<std::string> &paths) const;

    // What the view draws.
    // While a transfer waits for its reply, and until its outcome's message is closed, the
    // window takes no other command.
    bool takesCommands() const { return !m_transfer.running() && !m_tellingOutcome; }
    bool gaugeFrameVisible() const;
    std::string_view gaugeFrameCaption() const;
    OptionView option(Choice choice, int index) const;
    bool gaugeTypeOffered(int gaugeType) const;
    // Restoring a whole configuration file was never built into the gauge's tool: the entry is
    // there, greyed for good, like "Consuption".
    bool configurationFileOffered() const { return false; }
    const std::string &statusText() const { return m_statusText; }
    MousePointer mousePointer() const { return m_mousePointer; }
    bool progressVisible() const { return m_progressVisible; }
    int progressValue() const { return m_progressValue; }
    bool sendDataEnabled() const { return m_sendDataEnabled; }
    // Port 1..12.
    PortMenuItem portMenuItem(int number) const;
    bool helpMode() const { return m_helpMode; }

    const GaugeSetup &setup() const { return m_setup; }

    // Called whenever what the view draws has changed.
    void setChangeListener(std::function<void()> listener);

private:
    void runCommand(const std::function<void()> &command);
    bool explainedInHelpMode(std::string_view helpText);
    void tell(MessageIcon icon, const std::string &text, const std::string &detail = {});
    bool ask(std::string_view question);
    void showNotice(Notice notice);
    void restoreRecord(const std::string &path);

    void offerPortsAtStart();
    void offerUsablePorts();
    void portAnswered();
    void portLost();
    void setProgress(int percent);
    void transferFinished(TransferOutcome outcome);
    void changed();

    Platform m_platform;
    PortSurvey &m_ports;
    Transfer &m_transfer;
    GaugeSetup m_setup;

    std::string m_statusText;
    MousePointer m_mousePointer = MousePointer::Default;
    bool m_helpMode = false;
    bool m_progressVisible = false;
    int m_progressValue = 0;
    bool m_sendDataEnabled = true;
    bool m_tellingOutcome = false;
    // The status bar is still to say whether any device tried at the start opened: some have not
    // answered yet.
    bool m_startVerdictDue = false;
    // Once a port has been opened from the menu, Send Data talks to it, even after a later
    // choice failed.
    bool m_portReady = false;
    // The file name the file dialogs remember between uses.
    std::string m_dialogFileName;

    std::function<void()> m_changeListener;
};

} // namespace gauge
