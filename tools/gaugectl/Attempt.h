#pragma once

#include "common/Result.h"
#include "records/Record.h"
#include "wire/WireFormat.h"

#include <QDateTime>
#include <QJsonObject>

#include <optional>
#include <string>

class ProductionLog;

// One gauge of a run, as the production log and --json tell it: what went to the gauge, and how
// it ended.
struct Attempt
{
    enum class Outcome {
        Sent,
        NotConfirmed,
        NoCommunication,
        PortFailed,
        RefusedRecord,
        Declined,    // the technician, or a missing --yes, said No to the alarm question
        Interrupted, // the run was ended after the packet went out, before the gauge answered
    };

    int gauge = 1; // counted from 1 in the run
    QDateTime started;
    std::string port;                  // as given on the command line
    std::optional<std::string> device; // what stands behind it, if anything
    std::optional<std::string> unit;   // the gauge's own id, when one was given
    std::string record;
    std::optional<gauge::Record> recordBytes; // none when the record was refused
    std::optional<gauge::wire::Packet> packet;
    Outcome outcome = Outcome::NoCommunication;
    std::string detail; // why it failed, in the words the technician reads
    qint64 durationMs = 0;

    // Tells the attempt as --json and the log want it: in the log when there is one, then on
    // standard output when json is set; fails, having said that no further gauge is offered, when
    // the log or the JSON output could not take it. A programmed gauge whose line the log could
    // not take has the line on standard error, for a person to add.
    gauge::Status report(bool json, ProductionLog *log) const;
};

// The attempt as one JSON object, with the tool's version, the user and the station.
QJsonObject toJson(const Attempt &attempt);
