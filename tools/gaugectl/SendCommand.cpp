#include "Attempt.h"
#include "Commands.h"
#include "Console.h"
#include "PortArgument.h"
#include "ProductionLog.h"
#include "RecordLoading.h"
#include "SendSession.h"
#include "StandardStreams.h"
#include "Texts.h"
#include "UnitId.h"
#include "UsageTexts.h"

#include "gauge/GaugeSetup.h"
#include "platform/TerminationWatch.h"
#include "serial/QtSerialPort.h"
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

struct SendOptions
{
    std::string port;
    std::string record;
    std::string log;
    std::optional<std::string> unit;
    bool askUnit = false;
    bool yes = false;
    bool each = false;
    bool json = false;
};

// The options, or the exit status when the arguments were answered (--help) or refused.
gauge::Result<SendOptions, int> parse(const Arguments &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("PORT"));
    const QCommandLineOption yes(QStringLiteral("yes"), QString());
    const QCommandLineOption each(QStringLiteral("each"), QString());
    const QCommandLineOption json(QStringLiteral("json"), QString());
    const QCommandLineOption log(QStringLiteral("log"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption askUnit(QStringLiteral("ask-unit"), QString());
    const QCommandLineOption unit(QStringLiteral("unit"), QString(), QStringLiteral("ID"));
    parser.addOptions({port, yes, each, json, log, askUnit, unit});
    if (const auto answered = parseArguments(parser, arguments, usage::Send))
        return *answered;
    const QStringList records = parser.positionalArguments();
    if (records.size() > 1)
        return usageError(usage::UnexpectedArgument + printable(argumentBytes(records[1])),
                          usage::Send);
    SendOptions options;
    options.port = argumentBytes(parser.value(port));
    options.record = records.isEmpty() ? std::string() : argumentBytes(records[0]);
    options.yes = parser.isSet(yes);
    options.each = parser.isSet(each);
    options.json = parser.isSet(json);
    options.log = argumentBytes(parser.value(log));
    options.askUnit = parser.isSet(askUnit);
    if (parser.isSet(log) && options.log.empty())
        return usageError(usage::LogNeedsFile, usage::Send);
    if (parser.isSet(unit)) {
        if (options.each || options.askUnit)
            return usageError(text::UnitAlone, usage::Send);
        // Two ids for one gauge: one of them is a mistake, and which cannot be told.
        if (parser.values(unit).size() > 1)
            return usageError(text::UnitOnce, usage::Send);
        options.unit = unitId(argumentBytes(parser.value(unit)));
        if (!options.unit)
            return usageError(text::UnitNeeded, usage::Send);
    }
    if (options.port.empty() || options.record.empty())
        return usageError(usage::SendNeedsPortAndRecord, usage::Send);
    return options;
}

// The log says which file it was, wherever the run was started from. The name goes through
// std::filesystem as UTF-8, which a plain string is not on Windows (there it is read in the ANSI
// code page); on POSIX both keep the bytes as they are.
std::string absolutePath(const std::string &path)
{
    std::error_code error;
    const std::filesystem::path absolute
        = std::filesystem::absolute(std::u8string(path.begin(), path.end()), error);
    if (error)
        return path;
    const std::u8string name = absolute.lexically_normal().u8string();
    return {name.begin(), name.end()};
}

} // namespace

int runSend(const Arguments &arguments)
{
    const auto parsed = parse(arguments);
    if (!parsed)
        return parsed.error();
    const SendOptions *options = &parsed.value();
    reportOutputFailuresInsteadOfEnding();

    const PortArgument port = portArgument(options->port);
    if (port.kind == PortArgument::ComOutOfRange)
        return usageError(
            formatted(text::ComOutOfRange, gauge::PortCount, printable(options->port).c_str()),
            usage::Send);

    // The log is opened before anything else happens: from here on each gauge is traced.
    std::unique_ptr<ProductionLog> log;
    if (!options->log.empty()) {
        auto opened = ProductionLog::open(options->log, &TerminationWatch::requested);
        if (!opened) {
            std::fprintf(stderr, text::LogCannotBeOpened, printable(options->log).c_str(),
                         opened.error().reason.c_str());
            return ExitNotConfirmed;
        }
        log = std::move(opened).value();
    }
    // Read at once, so that even a gauge whose port fails is traced with the record it was to
    // get; what is wrong with the record is said after the port, as it always was.
    const gauge::Result<gauge::RecordChoices> reading = gauge::readRecord(options->record);
    Attempt attempt;
    attempt.started = QDateTime::currentDateTimeUtc();
    attempt.port = options->port;
    attempt.unit = options->unit;
    attempt.device = deviceItself(options->port);
    attempt.record = absolutePath(options->record);
    if (reading)
        attempt.recordBytes = gauge::encodeRecord(reading.value());
    const auto notProgrammed
        = [&](Attempt::Outcome outcome, const std::string &detail, int exitStatus) {
              attempt.outcome = outcome;
              attempt.detail = detail;
              return attempt.report(options->json, log.get()) ? exitStatus : ExitNotConfirmed;
          };

    gauge::PortDevice device {options->port, "", options->port};
    if (port.kind == PortArgument::ComNumber) {
        SystemPortMap system;
        system.rescan();
        const auto found = system.device(port.number);
        if (!found) {
            const std::string problem = formatted(text::NoDeviceBehindCom, options->port.c_str());
            std::fprintf(stderr, text::SeeGaugectlPorts, problem.c_str());
            attempt.device.reset();
            return notProgrammed(Attempt::Outcome::PortFailed, problem, ExitNotConfirmed);
        }
        device = *found;
        device.name = gauge::portName(port.number, found);
        attempt.device = device.path;
    }

    gauge::GaugeSetup setup;
    if (!restoreRecord(reading, setup))
        return notProgrammed(Attempt::Outcome::RefusedRecord, reading.error().reason, ExitUsage);
    const gauge::GaugeConfiguration &configuration = setup.configuration();

    SendSession session({options->port, device, *attempt.device, attempt.record,
                         *attempt.recordBytes, configuration.packet()},
                        {options->each, options->json, configuration.alarmOff(), options->yes,
                         options->askUnit, options->unit},
                        log.get());
    QTimer::singleShot(0, [&session] { session.start(); });
    return QCoreApplication::exec();
}
