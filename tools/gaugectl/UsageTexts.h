#pragma once

#include "Texts.h"

// What gaugectl and each of its commands print for --help and after a mistake in the command,
// with the mistakes themselves: in one place, beside the other texts (Texts.h), to be held against
// the manual page and the completion (which a test holds to them).
namespace usage {

#ifdef _WIN32
#define GAUGECTL_SIMULATE_NOTE " (Linux build only)"
#else
#define GAUGECTL_SIMULATE_NOTE ""
#endif

// --each, wrapped around the end of input of the system it was built for (Texts.h).
#ifdef _WIN32
#define GAUGECTL_EACH_HELP                                                                         \
    "  --each       production run: program gauge after gauge with the same record, waiting for\n" \
    "               Enter between them (end with " GAUGECTL_END_OF_INPUT "), and keep a count of " \
    "sent and\n"                                                                                   \
    "               failed gauges; the port is opened anew for every gauge; a gauge declined\n"    \
    "               at the alarm question is counted as failed, and the run goes on\n"
#else
#define GAUGECTL_EACH_HELP                                                                         \
    "  --each       production run: program gauge after gauge with the same record, waiting for\n" \
    "               Enter between them (end with " GAUGECTL_END_OF_INPUT "), and keep a count of " \
    "sent and failed gauges;\n"                                                                    \
    "               the port is opened anew for every gauge; a gauge declined at the alarm\n"      \
    "               question is counted as failed, and the run goes on\n"
#endif

inline constexpr const char *Gaugectl = R"(Usage: gaugectl COMMAND [OPTIONS]

Programs digital panel gauges with the same engine as the desktop tool.

Commands:
  show [--json] FILE.gag              print a record in words and the packet it sends
  send --port PORT [--yes] [--each] [--ask-unit | --unit ID] [--json] [--log FILE] FILE.gag
                                      program a gauge (or gauge after gauge) with a record
  ports [--json]                      list COM1 to COM12 and the devices behind them
  simulate [--mode MODE] [--link PATH]
                                      play a gauge on a pseudo-terminal)" GAUGECTL_SIMULATE_NOTE R"(
  log-summary [--json] FILE...        sum up production logs: outcomes, units not sent

Run "gaugectl COMMAND --help" for a command's options, "gaugectl --version" for the version.

Exit status: 0 success, 1 the gauge did not confirm, the port failed, the output could not be
written, or (log-summary) a unit was not sent, 2 bad usage, a refused record, or a log that cannot
be read or holds what is no line of a log.
)";

inline constexpr const char *Show = R"(Usage: gaugectl show [--json] FILE.gag

Prints a gauge parameter record in words and the 37-byte packet it would send, in hex. The
record goes through the same checks and restore as "Open > Gauge Parameter" in the window; the
24 V notice it may bring up is printed to standard error.

  --json       print the record as one JSON object: its choices in words and in numbers, its
               bytes and the packet in hex

Exit status: 0 shown, 1 the output could not be written, 2 bad usage or a refused record.
)";

inline constexpr const char *Send
    = R"(Usage: gaugectl send --port PORT [--yes] [--each] [--ask-unit | --unit ID] [--json]
                     [--log FILE] FILE.gag

Programs the gauge on PORT with the record, through the same exchange as "Send Data" in the
window, and prints the same result ("Data has been sent successfully " and so on).

  --port PORT  COM1 to COM12, numbered as the window numbers them, or a device path
  --yes        answer Yes when the record has an alarm switched off; without a terminal to
               ask on, such a record is refused unless --yes is given
)" GAUGECTL_EACH_HELP
      R"(  --ask-unit   before each gauge, read its unit id (its serial number, typed or scanned) from
               standard input, asked for on standard error, in place of the wait for Enter; an
               empty line or the end of the input ends the run (without --each, as a failure:
               the gauge was not programmed); an id given twice in a run is refused, unless the
               operator confirms at a terminal that it is the same gauge again
  --unit ID    the unit id of the one gauge programmed
  --json       print one JSON object a line for every gauge attempted, with the keys of the
               log, instead of the words; errors still go to standard error; output that
               cannot be written stops the run
  --log FILE   production log: append one JSON object a line to FILE for every gauge
               attempted, each written whole and on the disk before the next gauge is offered;
               the log's lock is taken before a gauge's packet goes out and held until its line
               is in; a log that cannot be written stops the run; a gauge declined at the alarm
               question is logged as "declined", one interrupted after its packet went out as
               "interrupted"

Exit status: 0 sent (with --each: every gauge), 1 the gauge did not confirm, the port failed,
the gauge was not programmed or the output could not be written, 2 bad usage, a port that is
not a serial device, or a refused record; ended by a signal, 128 and the signal's number.
)";

inline constexpr const char *Ports = R"(Usage: gaugectl ports [--json]

Lists COM1 to COM12 as the window numbers them: the device behind each port, whether it opens,
and why not. Each port that has a device is opened and closed once.

  --json       print the list as one JSON object

Exit status: 0, or 1 when the output could not be written.
)";

inline constexpr const char *Simulate = R"(Usage: gaugectl simulate [--mode MODE] [--link PATH]

Plays a gauge on a pseudo-terminal until interrupted (Ctrl+C, SIGTERM, or its terminal
closing): prints the device to connect to, then each packet it receives, in hex and in words.
Like a gauge, it answers whole packets only, and finds the next one after line noise.

  --mode MODE  how the gauge answers: correct (the default), bad-header, bad-echo,
               bad-trailer, short (41 bytes), long (43 bytes), silent, line-rate (paced as
               at 4800 baud), hang-up (half a reply, then the line goes away)
  --link PATH  also make PATH, which must not exist yet, a link to the device, for a name
               that stays the same; it goes again at the end

Exit status: 0 after an interrupt, 1 when its output could not be written, 2 bad usage.
)";

inline constexpr const char *LogSummary = R"(Usage: gaugectl log-summary [--json] FILE...

Sums up the production logs that "gaugectl send" keeps: how many attempts ended in each outcome,
the units whose last attempt was not sent (its outcome, time and station), and the lines that are
no line of a log. A unit's last attempt is the one with the latest time, whichever log holds it: a
unit sent after a failure is not listed, one that failed after it was sent is. Attempts without
a unit (logs written before units were asked for) count among the outcomes only.

The logs are only read, without their lock, to where they end now, so stations may go on
writing them. A last line without its newline that begins as a line of the log and is not yet
whole JSON is taken as a line still being written and left out. A file holding lines that are no
line of a log, or no line of a log at all, is named on standard error: the batch cannot be
judged by it.

  --json       print the summary as one JSON object

Exit status: 0 every unit's last attempt was sent and every file was read as a log, 1 some
unit's was not, or the output could not be written, 2 bad usage, a log that cannot be read, or
(no unit being listed) a file with lines that are no line of a log, or with none.
)";

// What was wrong with the command; the usage follows.
inline constexpr const char *NoCommand = "no command given";
inline constexpr const char *UnknownCommand = "unknown command ";
inline constexpr const char *UnexpectedArgument = "unexpected argument ";
inline constexpr const char *ShowTakesOneRecord = "show takes one record file";
inline constexpr const char *SendNeedsPortAndRecord = "send needs --port PORT and a record file";
inline constexpr const char *LogNeedsFile = "--log needs a file";
inline constexpr const char *PortsTakesNoArguments = "ports takes no arguments";
inline constexpr const char *UnknownMode = "unknown mode ";
inline constexpr const char *LogSummaryTakesLogs = "log-summary takes one or more log files";

} // namespace usage
