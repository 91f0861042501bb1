#pragma once

// What gaugectl says to the technician, beside the window's own texts it repeats and the usage
// (UsageTexts.h): in one place, to be held against the documentation in one read. printf formats
// where a name or a number goes in.
namespace text {

// show: a record in words, one field a line
inline constexpr const char *ShownField = "%-15s %s\n";
inline constexpr const char *GaugeTypeField = "Gauge type:";
inline constexpr const char *SupplyField = "Supply voltage:";
inline constexpr const char *UnitField = "Unit:";
inline constexpr const char *SenderField = "Sender:";
inline constexpr const char *MinimumAlarmField = "Minimum alarm:";
inline constexpr const char *MaximumAlarmField = "Maximum alarm:";
inline constexpr const char *BlinkingField = "Blinking alarm:";
inline constexpr const char *AlarmOutputField = "Alarm output:";
inline constexpr const char *ContactField = "Contact:";
inline constexpr const char *PacketField = "Packet:";
inline constexpr const char *NoneChosen = "none";
inline constexpr const char *AlarmIsOff = "off";
inline constexpr const char *NotOffered = "number %d, not offered in the window";

// ports: a line for each COM number
inline constexpr const char *NoDeviceBehindPort = "%-6s no device\n";
inline constexpr const char *PortLine = "%-6s %s%s%s  %s\n";
inline constexpr const char *PortOpens = "opens";
inline constexpr const char *PortDoesNotOpen = "does not open: ";

// send
// How the operator ends the input: on Windows' console Ctrl+D is a character like any other.
#ifdef _WIN32
#define GAUGECTL_END_OF_INPUT "Ctrl+Z then Enter"
#else
#define GAUGECTL_END_OF_INPUT "Ctrl+D"
#endif
inline constexpr const char *ComOutOfRange = "COM numbers run from COM1 to COM%d; %s is not one";
inline constexpr const char *NoDeviceBehindCom = "no serial device stands behind %s";
inline constexpr const char *SeeGaugectlPorts = "gaugectl: %s (see gaugectl ports)\n";
inline constexpr const char *NotASerialDevice = "gaugectl: %s is not a serial device\n";
inline constexpr const char *AlarmOffNeedsYes
    = "gaugectl: an alarm of this record is off; run on a terminal to answer the question, or "
      "pass --yes\n";
inline constexpr const char *YesOrNo = "%s [y/N] ";
inline constexpr const char *GaugeCounted = "gauge %d %s; sent %d, failed %d\n";
inline constexpr const char *RunCounted = "sent %d, failed %d\n";
inline constexpr const char *PressEnter
    = "Connect the next gauge and press Enter (" GAUGECTL_END_OF_INPUT " to finish): ";
inline constexpr const char *Interrupted = "\ngaugectl: interrupted; the port is closed\n";
inline constexpr const char *InterruptedDetail = "interrupted before the gauge answered";
inline constexpr const char *AskUnit
    = "Scan or type the unit id of the next gauge (Enter alone to finish): ";
inline constexpr const char *UnitRefused
    = "gaugectl: %s is no unit id; a unit id is 1 to 64 printable characters\n";
inline constexpr const char *UnitNeeded = "--unit needs 1 to 64 printable characters";
inline constexpr const char *UnitAlone
    = "--unit gives the id of one gauge: not with --each or --ask-unit";
inline constexpr const char *UnitOnce = "--unit gives the id of one gauge: give it once";
inline constexpr const char *NoUnitCame = "gaugectl: no unit id came, so no gauge was programmed\n";
inline constexpr const char *SameGaugeAgain
    = "%s was entered already in this run. Is this the same gauge again?";
inline constexpr const char *UnitRepeated
    = "gaugectl: %s was entered already in this run; no two gauges are programmed under one "
      "id\n";
inline constexpr const char *DeclinedByOperator = "the alarm question was answered No";
inline constexpr const char *DeclinedWithoutYes
    = "an alarm of this record is off, and --yes was not given";
inline constexpr const char *GaugeNotProgrammed = "The gauge was not programmed: %s";
inline constexpr const char *LogCannotBeOpened
    = "gaugectl: the production log %s cannot be opened (%s)\n";
inline constexpr const char *NoFurtherGauge
    = "gaugectl: the production log %s could not be written (%s); no further gauge is "
      "programmed\n";
inline constexpr const char *LogCannotTakeGauge
    = "gaugectl: the production log %s cannot take the gauge's line (%s), so the gauge was not "
      "programmed; no further gauge is programmed\n";
inline constexpr const char *LogRenamed
    = "gaugectl: the production log %s was renamed during the run: its lines so far, the last "
      "one too, are in the file under its new name%s; no further gauge is programmed\n";
inline constexpr const char *NameLeadsElsewhere = ", and %s leads to another file now";
inline constexpr const char *LineToCopy
    = "gaugectl: gauge %d%s has had its packet, but its line is not in the log; add the line to "
      "%s by hand:\n%s";
inline constexpr const char *OfUnit = " (unit %s)";
inline constexpr const char *JsonOutputFailed
    = "gaugectl: the JSON output could not be written; no further gauge is programmed\n";
inline constexpr const char *LogLocked = "another program holds the log's lock";
inline constexpr const char *WaitingForLogLock
    = "gaugectl: another station holds the production log %s while its gauge answers; waiting "
      "for it\n";
inline constexpr const char *LineCutShort = "only part of the line was written";
inline constexpr const char *LogRemoved = "the file was removed";
inline constexpr const char *LogReplacedWhileOpening
    = "another file took its name while it was opened";

// every command
inline constexpr const char *OutputFailed = "gaugectl: the output could not be written: %s\n";
// What follows a name or an input echoed only in part.
inline constexpr const char *EchoCut = "... (%zu bytes in all)";

// simulate
inline constexpr const char *LinkExists
    = "gaugectl: %s exists already; name a path that does not\n";
inline constexpr const char *LinkFailed = "gaugectl: cannot make the link %s: %s\n";
inline constexpr const char *Simulating = "Simulated gauge (%s) on %s%s%s\n";

inline constexpr const char *SimulateNotOnWindows
    = "gaugectl: simulate plays a gauge on a pseudo-terminal, which Windows does not have; run "
      "it on Linux\n";

// log-summary
inline constexpr const char *SummaryAttempts = "Attempts: %d\n";
inline constexpr const char *SummaryOutcome = "  %-17s %d\n";
inline constexpr const char *SummaryUnitsNotSent = "Units whose last attempt was not sent: %d\n";
inline constexpr const char *SummaryUnit = "  %s  %s  %s  %s\n";
inline constexpr const char *SummaryBrokenLines = "Broken lines: %d";
inline constexpr const char *SummaryFirstBroken = ", the first at %s:%d";
inline constexpr const char *LogUnreadable = "gaugectl: the log %s cannot be read (%s)\n";
inline constexpr const char *NoLineOfALog
    = "gaugectl: %s holds no line of a production log, so the batch cannot be judged by it\n";
inline constexpr const char *LinesOfNoLog
    = "gaugectl: %s:%d is no line of a production log (broken lines in the file: %d), so the "
      "batch cannot be judged by it\n";

} // namespace text
