#include "Commands.h"
#include "Console.h"
#include "RecordLoading.h"
#include "SendSession.h"

#include "gauge/GaugeSetup.h"
#include "serial/SystemPortMap.h"
#include "transfer/Link.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <optional>
#include <regex>

namespace {

constexpr const char *Usage = R"(Usage: gaugectl send --port PORT [--yes] [--each] FILE.gag

Programs the gauge on PORT with the record, through the same exchange as "Send Data" in the
window, and prints the same result ("Data has been sent successfully " and so on).

  --port PORT  COM1 to COM12, numbered as the window numbers them, or a device path
  --yes        answer Yes when the record has an alarm switched off; without a terminal to
               ask on, such a record is refused unless --yes is given
  --each       production run: program gauge after gauge with the same record, waiting for
               Enter between them (end with Ctrl+D), and keep a count of sent and failed gauges;
               the port is opened anew for every gauge

Exit status: 0 sent (with --each: every gauge), 1 the gauge did not confirm, the port failed
or the output could not be written, 2 bad usage, a port that is not a serial device, or a
refused record.
)";

struct SendOptions
{
    std::string port;
    std::string record;
    bool yes = false;
    bool each = false;
};

// Nothing when the arguments were answered (--help) or refused; the exit status is then set.
std::optional<SendOptions> parse(const Arguments &arguments, int &status)
{
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("PORT"));
    const QCommandLineOption yes(QStringLiteral("yes"), QString());
    const QCommandLineOption each(QStringLiteral("each"), QString());
    parser.addOptions({port, yes, each});
    if (const auto answered = parseArguments(parser, arguments, Usage)) {
        status = *answered;
        return std::nullopt;
    }
    const QStringList records = parser.positionalArguments();
    if (records.size() > 1) {
        status = usageError("unexpected argument " + printable(argumentBytes(records[1])), Usage);
        return std::nullopt;
    }
    SendOptions options;
    options.port = argumentBytes(parser.value(port));
    options.record = records.isEmpty() ? std::string() : argumentBytes(records[0]);
    options.yes = parser.isSet(yes);
    options.each = parser.isSet(each);
    if (options.port.empty() || options.record.empty()) {
        status = usageError("send needs --port PORT and a record file", Usage);
        return std::nullopt;
    }
    return options;
}

// "COM7" names the seventh port as the window numbers them; anything else is a device path.
struct PortArgument
{
    enum Kind { DevicePath, ComNumber, ComOutOfRange } kind = DevicePath;
    int number = 0;
};

PortArgument portArgument(const std::string &port)
{
    static const std::regex Com("com(-?[0-9]+)", std::regex::icase);
    std::smatch match;
    if (!std::regex_match(port, match, Com))
        return {};
    const std::string digits = match[1].str();
    if (digits.size() > 3)
        return {PortArgument::ComOutOfRange};
    const int number = std::stoi(digits);
    if (number < 1 || number > gauge::PortCount)
        return {PortArgument::ComOutOfRange};
    return {PortArgument::ComNumber, number};
}

} // namespace

int runSend(const Arguments &arguments)
{
    int status = ExitSuccess;
    const auto options = parse(arguments, status);
    if (!options)
        return status;

    gauge::PortDevice device {options->port, "", options->port};
    const PortArgument port = portArgument(options->port);
    if (port.kind == PortArgument::ComOutOfRange)
        return usageError("COM numbers run from COM1 to COM" + std::to_string(gauge::PortCount)
                              + "; " + printable(options->port) + " is not one",
                          Usage);
    if (port.kind == PortArgument::ComNumber) {
        SystemPortMap system;
        system.rescan();
        const auto found = system.device(port.number);
        if (!found) {
            std::fprintf(stderr,
                         "gaugectl: no serial device stands behind %s (see gaugectl ports)\n",
                         options->port.c_str());
            return ExitNotConfirmed;
        }
        device = *found;
        device.name = gauge::portName(port.number, found);
    }

    Question question(options->yes ? Question::Answer::Yes : Question::Answer::Ask);
    if (options->each)
        question.rememberYes();
    gauge::GaugeSetup setup;
    if (!loadRecord(options->record, setup))
        return ExitUsage;
    const gauge::GaugeConfiguration &configuration = setup.configuration();

    SendSession session(device, configuration.packet(), {options->each, configuration.alarmOff()},
                        question);
    QTimer::singleShot(0, [&session] { session.start(); });
    return QCoreApplication::exec();
}
