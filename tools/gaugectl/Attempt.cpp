#include "Attempt.h"

#include "Console.h"
#include "JsonText.h"
#include "ProductionLog.h"
#include "Texts.h"
#include "UserName.h"

#include <QCoreApplication>
#include <QSysInfo>

#include <cstdio>

namespace {

QString outcomeName(Attempt::Outcome outcome)
{
    switch (outcome) {
    case Attempt::Outcome::Sent:
        return QStringLiteral("sent");
    case Attempt::Outcome::NotConfirmed:
        return QStringLiteral("not-confirmed");
    case Attempt::Outcome::NoCommunication:
        return QStringLiteral("no-communication");
    case Attempt::Outcome::PortFailed:
        return QStringLiteral("port-failed");
    case Attempt::Outcome::RefusedRecord:
        return QStringLiteral("refused-record");
    case Attempt::Outcome::Declined:
        return QStringLiteral("declined");
    case Attempt::Outcome::Interrupted:
        break;
    }
    return QStringLiteral("interrupted");
}

template<typename Bytes> QJsonValue hexOrNull(const std::optional<Bytes> &bytes)
{
    return bytes ? json::hex(*bytes) : QJsonValue(QJsonValue::Null);
}

} // namespace

QJsonObject toJson(const Attempt &attempt)
{
    return {
        {QStringLiteral("time"), attempt.started.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("gauge"), attempt.gauge},
        {QStringLiteral("port"), json::name(attempt.port)},
        {QStringLiteral("device"),
         attempt.device ? json::name(*attempt.device) : QJsonValue(QJsonValue::Null)},
        // An id is text the operator typed, looked up as typed: not a name of the system's.
        {QStringLiteral("unit"),
         attempt.unit ? json::text(*attempt.unit) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("record"), json::name(attempt.record)},
        {QStringLiteral("record_bytes"), hexOrNull(attempt.recordBytes)},
        {QStringLiteral("packet"), hexOrNull(attempt.packet)},
        {QStringLiteral("outcome"), outcomeName(attempt.outcome)},
        {QStringLiteral("detail"),
         attempt.detail.empty() ? QJsonValue(QJsonValue::Null) : json::text(attempt.detail)},
        {QStringLiteral("duration_ms"), attempt.durationMs},
        {QStringLiteral("version"), QCoreApplication::applicationVersion()},
        {QStringLiteral("user"), userName()},
        {QStringLiteral("host"), QSysInfo::machineHostName()},
    };
}

gauge::Status Attempt::report(bool json, ProductionLog *log) const
{
    const QJsonObject object = toJson(*this);
    const std::string line = json::line(object);
    const gauge::Status logged = log ? log->append(object) : gauge::Status();
    // Where --json is read, whoever reads it must not miss a gauge: once its output is gone the
    // run goes no further, as for the log.
    const bool printed
        = !json || (std::fputs(line.c_str(), stdout) >= 0 && std::fflush(stdout) == 0);
    if (!logged) {
        sayNoFurtherGauge(*log, logged.error());
        // A gauge programmed without its line: the line is not lost for that.
        if (packet) {
            const std::string of = unit ? formatted(text::OfUnit, printable(*unit).c_str()) : "";
            std::fprintf(stderr, text::LineToCopy, gauge, of.c_str(),
                         printable(log->path()).c_str(), line.c_str());
        }
        return logged;
    }
    if (!printed) {
        std::fputs(text::JsonOutputFailed, stderr);
        return gauge::Failure {text::JsonOutputFailed};
    }
    return {};
}
