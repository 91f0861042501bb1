#include "Attempt.h"
#include "Commands.h"
#include "Console.h"
#include "ProductionLog.h"
#include "RecordLoading.h"
#include "SendSession.h"

#include "gauge/GaugeSetup.h"
#include "serial/SystemPortMap.h"
#include "transfer/Link.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

namespace {

constexpr const char *Usage
    = R"(Usage: gaugectl send --port PORT [--yes] [--each] [--json] [--log FILE] FILE.gag

Programs the gauge on PORT with the record, through the same exchange as "Send Data" in the
window, and prints the same result ("Data has been sent successfully " and so on).

  --port PORT  COM1 to COM12, numbered as the window numbers them, or a device path
  --yes        answer Yes when the record has an alarm switched off; without a terminal to
               ask on, such a record is refused unless --yes is given
  --each       production run: program gauge after gauge with the same record, waiting for
               Enter between them (end with Ctrl+D), and keep a count of sent and failed gauges;
               the port is opened anew for every gauge
  --json       print one JSON object a line for every gauge attempted, with the keys of the
               log, instead of the words; errors still go to standard error
  --log FILE   production log: append one JSON object a line to FILE for every gauge
               attempted, each written whole and on the disk before the next gauge is offered;
               a log that cannot be written stops the run

Exit status: 0 sent (with --each: every gauge), 1 the gauge did not confirm, the port failed
or the output could not be written, 2 bad usage, a port that is not a serial device, or a
refused record.
)";

struct SendOptions
{
    std::string port;
    std::string record;
    std::string log;
    bool yes = false;
    bool each = false;
    bool json = false;
};

// Nothing when the arguments were answered (--help) or refused; the exit status is then set.
std::optional<SendOptions> parse(const Arguments &arguments, int &status)
{
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("PORT"));
    const QCommandLineOption yes(QStringLiteral("yes"), QString());
    const QCommandLineOption each(QStringLiteral("each"), QString());
    const QCommandLineOption json(QStringLiteral("json"), QString());
    const QCommandLineOption log(QStringLiteral("log"), QString(), QStringLiteral("FILE"));
    parser.addOptions({port, yes, each, json, log});
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
    options.json = parser.isSet(json);
    options.log = argumentBytes(parser.value(log));
    if (parser.isSet(log) && options.log.empty()) {
        status = usageError("--log needs a file", Usage);
        return std::nullopt;
    }
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
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto lower
        = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    if (port.size() < 4 || lower(port[0]) != 'c' || lower(port[1]) != 'o' || lower(port[2]) != 'm')
        return {};
    std::string_view digits = std::string_view(port).substr(3);
    const bool negative = digits.front() == '-';
    if (negative)
        digits.remove_prefix(1);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit))
        return {};
    if (negative || digits.size() > 3)
        return {PortArgument::ComOutOfRange};
    const int number = std::stoi(std::string(digits));
    if (number < 1 || number > gauge::PortCount)
        return {PortArgument::ComOutOfRange};
    return {PortArgument::ComNumber, number};
}

// What a device path leads to, for the log: the device itself, not a link to it.
std::string deviceBehind(const std::string &path)
{
    std::error_code error;
    const std::filesystem::path device = std::filesystem::canonical(path, error);
    return error ? path : device.string();
}

// The log says which file it was, wherever the run was started from.
std::string absolutePath(const std::string &path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

} // namespace

int runSend(const Arguments &arguments)
{
    int status = ExitSuccess;
    const auto options = parse(arguments, status);
    if (!options)
        return status;

    const PortArgument port = portArgument(options->port);
    if (port.kind == PortArgument::ComOutOfRange)
        return usageError("COM numbers run from COM1 to COM" + std::to_string(gauge::PortCount)
                              + "; " + printable(options->port) + " is not one",
                          Usage);

    // The log is opened before anything else happens: from here on each gauge is traced.
    std::unique_ptr<ProductionLog> log;
    if (!options->log.empty()) {
        std::string error;
        log = ProductionLog::open(options->log, error);
        if (!log) {
            std::fprintf(stderr, "gaugectl: the production log %s cannot be opened (%s)\n",
                         printable(options->log).c_str(), error.c_str());
            return ExitNotConfirmed;
        }
    }
    // Read at once, so that even a gauge whose port fails is traced with the record it was to
    // get; what is wrong with the record is said after the port, as it always was.
    const gauge::RecordReading reading = gauge::readRecord(options->record);
    Attempt attempt;
    attempt.started = QDateTime::currentDateTimeUtc();
    attempt.port = options->port;
    attempt.device = deviceBehind(options->port);
    attempt.record = absolutePath(options->record);
    if (reading.choices)
        attempt.recordBytes = gauge::encodeRecord(*reading.choices);
    const auto notProgrammed = [&](Attempt::Outcome outcome, const std::string &detail,
                                   int exitStatus) {
        attempt.outcome = outcome;
        attempt.detail = detail;
        return reportAttempt(attempt, options->json, log.get()) ? exitStatus : ExitNotConfirmed;
    };

    gauge::PortDevice device {options->port, "", options->port};
    if (port.kind == PortArgument::ComNumber) {
        SystemPortMap system;
        system.rescan();
        const auto found = system.device(port.number);
        if (!found) {
            const std::string problem = "no serial device stands behind " + options->port;
            std::fprintf(stderr, "gaugectl: %s (see gaugectl ports)\n", problem.c_str());
            attempt.device.reset();
            return notProgrammed(Attempt::Outcome::PortFailed, problem, ExitNotConfirmed);
        }
        device = *found;
        device.name = gauge::portName(port.number, found);
        attempt.device = device.path;
    }

    gauge::GaugeSetup setup;
    if (!restoreRecord(reading, setup))
        return notProgrammed(Attempt::Outcome::RefusedRecord, reading.refusal, ExitUsage);
    const gauge::GaugeConfiguration &configuration = setup.configuration();

    SendSession session({options->port, device, *attempt.device, attempt.record,
                         *attempt.recordBytes, configuration.packet()},
                        {options->each, options->json, configuration.alarmOff(), options->yes},
                        log.get());
    QTimer::singleShot(0, [&session] { session.start(); });
    return QCoreApplication::exec();
}
