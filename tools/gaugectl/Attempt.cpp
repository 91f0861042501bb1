#include "Attempt.h"

#include "JsonText.h"
#include "ProductionLog.h"
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
    const gauge::Status logged = log ? log->append(object) : gauge::Status();
    if (json) {
        std::fputs(json::line(object).c_str(), stdout);
        std::fflush(stdout);
    }
    if (!logged)
        sayNoFurtherGauge(*log, logged.error());
    return logged;
}
