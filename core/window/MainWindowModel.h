#pragma once

#include "gauge/GaugeSetup.h"
#include "transfer/PortMap.h"

#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace gauge {

class Clock;
class FileDialogs;
class Messages;
class SerialPort;
class WindowCommands;

// The platform services the window works through; each has a production adapter and a test
// fake.
struct Platform
{
    Messages &messages;
    FileDialogs &fileDialogs;
    SerialPort &serialPort;
    WindowCommands &windows;
    const Clock &clock;
};

enum class MousePointer { Default, WhatsThis };

// Exit is both a tool bar button, which explains itself in help mode, and a menu entry, which
// always exits.
enum class ExitFrom { ToolBar, Menu };

// What one option button shows.
struct OptionView
{
    std::string_view caption;
    std::string_view toolTip;
    bool visible = true;
    bool enabled = true;
    bool selected = false;
};

struct PortMenuItem
{
    bool enabled = false;
    bool checked = false;
};

// The main window as data, over the gauge setup.
//
// How a click travels: the view turns each thing the technician does into one call here
// (chooseOption() for an option button, sendData() for the Send Data button, choosePort() for an
// entry of the Serial Port menu...). The call hands the choice to the gauge setup, or runs the
// command over the record files and the serial link, and speaks to the technician through the
// Messages and FileDialogs seams, synchronously. When it returns, the view redraws itself from
// what this model says; during a transfer the change listener lets it follow the progress bar.
class MainWindowModel
{
public:
    explicit MainWindowModel(Platform platform);
    MainWindowModel(const MainWindowModel &) = delete;
    MainWindowModel &operator=(const MainWindowModel &) = delete;

    // Finds the ports that open. The view brings up the connection help this long after.
    void start();
    // Finds the ports that open now, each time the Serial Port menu opens: a cable plugged in
    // after the start shows up. The port open for the link stays open and checked.
    void refreshPorts();
    static constexpr std::chrono::milliseconds ConnectionHelpDelay {100};

    // The menus.
    void chooseGaugeType(int gaugeType);
    void openRecord();
    // A record named on the command line, or dropped on the window, opens as from the menu.
    void openRecordFile(const std::string &path);
    void saveRecord();
    void exitProgram(ExitFrom from);
    // The main window has closed, however it was closed: the port is let go with it.
    void windowClosed();
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

    // What the view draws.
    bool gaugeFrameVisible() const;
    std::string_view gaugeFrameCaption() const;
    OptionView option(Choice choice, int index) const;
    const std::string &statusText() const { return m_statusText; }
    MousePointer mousePointer() const { return m_mousePointer; }
    bool progressVisible() const { return m_progressVisible; }
    int progressValue() const { return m_progressValue; }
    bool sendDataEnabled() const { return m_sendDataEnabled; }
    // Port 1..12.
    PortMenuItem portMenuItem(int number) const;
    // While a transfer waits for its reply the window takes no other command.
    bool transferInProgress() const { return m_transferInProgress; }
    bool helpMode() const { return m_helpMode; }

    const GaugeSetup &setup() const { return m_setup; }

    // Called when the model changes while a command is still running (the transfer's progress).
    void setChangeListener(std::function<void()> listener);

private:
    // What the status bar says until something else is written into it, and again when the
    // chosen port's device goes away.
    static constexpr std::string_view InitialStatusText
        = "Serial Port Not Chosen yet or not available";

    bool explainedInHelpMode(std::string_view helpText);
    void updatePortMenu(const std::array<bool, PortCount> &opens);
    void portLost();
    void showNotice(Notice notice);
    void setProgress(int percent);
    void changed();

    Platform m_platform;
    GaugeSetup m_setup;

    std::string m_statusText;
    MousePointer m_mousePointer = MousePointer::Default;
    bool m_helpMode = false;
    bool m_progressVisible = false;
    int m_progressValue = 0;
    bool m_sendDataEnabled = true;
    // Once a port has been opened from the menu, Send Data talks to it, even after a later
    // choice failed.
    bool m_portReady = false;
    std::array<PortMenuItem, PortCount> m_portMenu {};
    bool m_transferInProgress = false;
    // The file name the file dialogs remember between uses.
    std::string m_dialogFileName;

    std::function<void()> m_changeListener;
};

} // namespace gauge
