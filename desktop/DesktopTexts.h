#pragma once

// What the window itself says to the technician: its titles, frame captions, menus, buttons,
// tooltips, the help windows' words and the command line's, in one place to be held against the
// documentation in one read. The gauge's own captions come from its catalogue, the status, the
// messages and the port menu's descriptions from the window model (window/WindowTexts.h). UTF-8,
// as Qt reads a plain string.
namespace desktopText {

// The main window
inline constexpr const char *MainWindowTitle = "Digital Instrument";
inline constexpr const char *ProgressBarToolTip = "Serial Prograss Bar ";

// The command buttons
inline constexpr const char *ToolBar = "ToolBar";
inline constexpr const char *SendData = "Send Data";
inline constexpr const char *SendDataToolTip = "Send data to the digital instrument";
inline constexpr const char *Clear = "Clear";
inline constexpr const char *ClearToolTip = "Clear the actual configuration";
inline constexpr const char *Close = "Close";
inline constexpr const char *CloseToolTip = "Close the Configuration";
inline constexpr const char *Exit = "Exit";

// The menus
inline constexpr const char *SetupMenu = "Setup";
inline constexpr const char *SettingMenu = "Setting";
inline constexpr const char *NewMenu = "New";
inline constexpr const char *OpenMenu = "Open  ";
inline constexpr const char *ConfigurationFile = "Configuration File";
inline constexpr const char *GaugeParameter = "Gauge Parameter";
inline constexpr const char *Save = "Save ";
inline constexpr const char *SerialPortMenu = "Serial Port";
inline constexpr const char *PortEntry = "COM%1";
inline constexpr const char *HelpMenu = "Help";
inline constexpr const char *HelpOnLine = "Help on line";
inline constexpr const char *About = "About";
inline constexpr const char *ShowConnection = "ShowConnection";

// The gauge's frames
inline constexpr const char *PowerSupply = "Power Supply";
inline constexpr const char *MeasureUnits = "Measure Units";
inline constexpr const char *Sensor = "Sensor";
inline constexpr const char *AlarmSetting = "Alarm Setting";
inline constexpr const char *MinimumAlarm = "Minimum Alarm";
inline constexpr const char *MinimumAlarmToolTip = "Minimum perctly of active alarm";
inline constexpr const char *MaximumAlarm = "Maximum Alarm";
inline constexpr const char *MaximumAlarmToolTip = "Maximum Percently of active alarm";
inline constexpr const char *BlinkingAlarm = "Blinking Alarm";
inline constexpr const char *BlinkingAlarmToolTip = "Active the arrow blinking on LCD";
inline constexpr const char *AlarmOutputSignal = "Alarm Output Signal";
inline constexpr const char *AlarmOutputSignalToolTip = "Active Output line at the gauge";
// Untitled on screen; the names an assistive tool reads.
inline constexpr const char *AlarmOutputName = "Alarm output";
inline constexpr const char *AlarmContactName = "Alarm contact";

// "Help Connection"
inline constexpr const char *ConnectionHelpTitle = "Help Connection";
inline constexpr const char *ConnectionHelp
    = "The gauge can be connected to a personal computer using Products DRAV TQX-4471 or "
      "TQX-4479. They consist of a serial cable to be connected to the computer, a feeding cable "
      "to be connected to Jack B (Jack 2 or 3) and a programming cable to be connected to Jack S "
      "(Jack 1). If Product TQX-4471 is  used the gauge (+12V) feeds directly from the electrical "
      "circuit (220VAC).";
inline constexpr const char *ConnectionStep1
    = "1) Attach jack plug (marked green) of the programming cable  to Jack S of the gauge (Jack "
      "1). ";
inline constexpr const char *ConnectionStep2
    = "2) Attach serial Jack DB9 to the computer's serial portal.";
inline constexpr const char *ConnectionStep3
    = "3) Attach feeding jack plug (marked red) to Jack 2 or 3.";
inline constexpr const char *ConnectionStep4
    = "4) Connect the circuit outlet 220VAC, feeding tension +12VDC, with the remaining Jack B.";
inline constexpr const char *ShowAtNextStartup = "Shows to the next startup ";
// The labels of the wiring picture
inline constexpr const char *Junction = "Junction";
inline constexpr const char *SerialCable = "Serial cable (DB9)";
inline constexpr const char *GreenLead = "Green lead: S";
inline constexpr const char *RedLead = "Red lead: B";
inline constexpr const char *GaugeRearView = "Gauge, rear view";

// "Information"
inline constexpr const char *AboutTitle = "Information";
inline constexpr const char *AboutHeading = "Digital Settings ";
// The maker is invented, and so is everything about it: the town does not exist, the numbers come
// from the range the United Kingdom keeps for fiction, the web address from a domain reserved for
// examples.
inline constexpr const char *Maker = "Quillfen Marine Instruments Ltd";
inline constexpr const char *MakerAddress = "27 Foundry Quay, Quillfen Harbour";
inline constexpr const char *MakerCountry = "United Kingdom";
inline constexpr const char *MakerTelephone = "Tel. +44 1632 960147 / +44 1632 960148";
inline constexpr const char *MakerFax = "Fax +44 1632 960149";
inline constexpr const char *MakerWeb = "www.quillfen-instruments.example";
inline constexpr const char *Release = "Release " PROJECT_VERSION;
inline constexpr const char *Copyright
    = "© 2026 Quillfen Marine Instruments Ltd. All rights reserved.";
inline constexpr const char *Ok = "OK";

// The command line
inline constexpr const char *ProgramDescription
    = "Programs digital panel gauges over a serial cable.";
inline constexpr const char *HelpOption = "Displays help on commandline options.";
inline constexpr const char *RecordArgument = "A gauge parameter record (.gag) to open.";
inline constexpr const char *VersionLine = "gauge-programmer %1\n";
inline constexpr const char *OneRecordOnly = "One record at a time, please.";
inline constexpr const char *CommandLineError = "gauge-programmer: %s\n";

} // namespace desktopText
