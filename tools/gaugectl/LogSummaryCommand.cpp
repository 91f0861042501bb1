#include "Commands.h"
#include "Console.h"
#include "JsonText.h"
#include "LogFile.h"
#include "Texts.h"
#include "UsageTexts.h"
#include "platform/ArgumentText.h"

#include "common/Result.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The keys every line of the log has carried from the start; `unit` came later.
const QStringList LineKeys
    = {"time",    "gauge",  "port",        "device",  "record", "record_bytes", "packet",
       "outcome", "detail", "duration_ms", "version", "user",   "host"};

struct LastAttempt
{
    QDateTime time;
    QString outcome;
    QString host;
};

struct Summary
{
    QMap<QString, int> outcomes;
    QMap<QString, LastAttempt> units;
    int brokenLines = 0;
    std::string firstBrokenFile;
    int firstBrokenLine = 0;
    // Why the summary cannot vouch for a file it read: one word for each such file.
    std::vector<std::string> doubts;

    int attempts() const
    {
        int total = 0;
        for (const int count : outcomes)
            total += count;
        return total;
    }

    QMap<QString, LastAttempt> unitsNotSent() const
    {
        QMap<QString, LastAttempt> notSent;
        for (auto unit = units.cbegin(); unit != units.cend(); ++unit) {
            if (unit->outcome != QLatin1String("sent"))
                notSent.insert(unit.key(), *unit);
        }
        return notSent;
    }
};

// Counts the attempt a line tells; false, counting nothing, for a line that is no line of a log.
bool count(const QByteArray &line, Summary &summary)
{
    const QJsonObject object = QJsonDocument::fromJson(line).object();
    for (const QString &key : LineKeys) {
        if (!object.contains(key))
            return false;
    }
    const QDateTime time
        = QDateTime::fromString(object[QLatin1String("time")].toString(), Qt::ISODateWithMs);
    const QJsonValue outcome = object[QLatin1String("outcome")];
    const QJsonValue host = object[QLatin1String("host")];
    const QJsonValue unit = object[QLatin1String("unit")]; // undefined where the key is absent
    if (!time.isValid() || !outcome.isString() || !host.isString()
        || !(unit.isString() || unit.isNull() || unit.isUndefined()))
        return false;

    ++summary.outcomes[outcome.toString()];
    if (unit.isString()) {
        LastAttempt &last = summary.units[unit.toString()];
        // Lines of one log are in the order they were written: of two at the same moment, the
        // later line is the later attempt.
        if (!last.time.isValid() || time >= last.time)
            last = {time, outcome.toString(), host.toString()};
    }
    return true;
}

// A last line without its newline may be one a station is writing at this moment: the start of a
// line of the log, which never holds a line end of any kind.
bool stillBeingWritten(const QByteArray &line)
{
    return line.startsWith('{') && !line.contains('\r') && !line.contains('\n');
}

gauge::Status read(const std::string &path, Summary &summary)
{
    // By the route the log was written by, so the same bytes name the same file; read-only and
    // without the log's lock, so a station appending to it never waits for us.
    const gauge::Result<int> descriptor = LogFile::openForReading(path);
    if (!descriptor)
        return descriptor.error();
    QFile file;
    if (!file.open(descriptor.value(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return gauge::Failure {file.errorString().toStdString()};
    int number = 0;
    int logLines = 0;
    int brokenLines = 0;
    int firstBroken = 0;
    for (QByteArray line = file.readLine(); !line.isEmpty(); line = file.readLine()) {
        ++number;
        if (count(line, summary)) {
            ++logLines;
        } else if (line.endsWith('\n') || !stillBeingWritten(line)) {
            if (brokenLines++ == 0)
                firstBroken = number;
        }
    }
    if (file.error() != QFileDevice::NoError)
        return gauge::Failure {file.errorString().toStdString()};

    if (brokenLines > 0 && summary.brokenLines == 0) {
        summary.firstBrokenFile = path;
        summary.firstBrokenLine = firstBroken;
    }
    summary.brokenLines += brokenLines;
    if (logLines == 0)
        summary.doubts.push_back(formatted(text::NoLineOfALog, printable(path).c_str()));
    else if (brokenLines > 0)
        summary.doubts.push_back(
            formatted(text::LinesOfNoLog, printable(path).c_str(), firstBroken, brokenLines));
    return {};
}

QString utc(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QJsonObject toJson(const Summary &summary)
{
    QJsonObject outcomes;
    for (auto outcome = summary.outcomes.cbegin(); outcome != summary.outcomes.cend(); ++outcome)
        outcomes.insert(outcome.key(), *outcome);
    QJsonArray notSent;
    const QMap<QString, LastAttempt> units = summary.unitsNotSent();
    for (auto unit = units.cbegin(); unit != units.cend(); ++unit) {
        notSent.append(QJsonObject {{QStringLiteral("unit"), unit.key()},
                                    {QStringLiteral("outcome"), unit->outcome},
                                    {QStringLiteral("time"), utc(unit->time)},
                                    {QStringLiteral("host"), unit->host}});
    }
    const QJsonValue firstBroken = summary.brokenLines == 0
        ? QJsonValue()
        : QJsonObject {{QStringLiteral("file"), json::name(summary.firstBrokenFile)},
                       {QStringLiteral("line"), summary.firstBrokenLine}};
    return {{QStringLiteral("attempts"), summary.attempts()},
            {QStringLiteral("outcomes"), outcomes},
            {QStringLiteral("units_not_sent"), notSent},
            {QStringLiteral("broken_lines"), summary.brokenLines},
            {QStringLiteral("first_broken_line"), firstBroken}};
}

void print(const Summary &summary)
{
    std::printf(text::SummaryAttempts, summary.attempts());
    for (auto outcome = summary.outcomes.cbegin(); outcome != summary.outcomes.cend(); ++outcome)
        std::printf(text::SummaryOutcome, printable(outcome.key().toStdString()).c_str(), *outcome);
    const QMap<QString, LastAttempt> units = summary.unitsNotSent();
    std::printf(text::SummaryUnitsNotSent, static_cast<int>(units.size()));
    for (auto unit = units.cbegin(); unit != units.cend(); ++unit) {
        std::printf(text::SummaryUnit, printable(unit.key().toStdString()).c_str(),
                    printable(unit->outcome.toStdString()).c_str(),
                    utc(unit->time).toStdString().c_str(),
                    printable(unit->host.toStdString()).c_str());
    }
    std::printf(text::SummaryBrokenLines, summary.brokenLines);
    if (summary.brokenLines > 0)
        std::printf(text::SummaryFirstBroken, printable(summary.firstBrokenFile).c_str(),
                    summary.firstBrokenLine);
    std::printf("\n");
}

} // namespace

int runLogSummary(const Arguments &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), QString());
    parser.addOption(json);
    if (const auto status = parseArguments(parser, arguments, usage::LogSummary))
        return *status;
    const QStringList logs = parser.positionalArguments();
    if (logs.isEmpty())
        return usageError(usage::LogSummaryTakesLogs, usage::LogSummary);

    Summary summary;
    for (const QString &log : logs) {
        const std::string path = argumentBytes(log);
        if (const gauge::Status reading = read(path, summary); !reading) {
            std::fprintf(stderr, text::LogUnreadable, printable(path).c_str(),
                         printable(reading.error().reason).c_str());
            return ExitUsage;
        }
    }
    if (parser.isSet(json))
        std::fputs(json::line(toJson(summary)).c_str(), stdout);
    else
        print(summary);
    std::fflush(stdout);
    for (const std::string &doubt : summary.doubts)
        std::fputs(doubt.c_str(), stderr);
    // A unit not sent fails the batch whatever else the logs hold; short of one, a file the
    // summary cannot read as a log leaves the batch unjudged, which is no pass either.
    if (!summary.unitsNotSent().isEmpty())
        return ExitNotConfirmed;
    return summary.doubts.empty() ? ExitSuccess : ExitUsage;
}
