#pragma once

#include "records/Record.h"
#include "wire/WireFormat.h"

#include <QDateTime>
#include <QJsonObject>

#include <optional>
#include <string>

// One gauge of a run, as the production log and --json tell it: what went to the gauge, and how
// it ended.
struct Attempt
{
    enum class Outcome { Sent, NotConfirmed, NoCommunication, PortFailed, RefusedRecord };

    int gauge = 1; // counted from 1 in the run
    QDateTime started;
    std::string port;                  // as given on the command line
    std::optional<std::string> device; // what stands behind it, if anything
    std::string record;
    std::optional<gauge::Record> recordBytes; // none when the record was refused
    std::optional<gauge::wire::Packet> packet;
    Outcome outcome = Outcome::NoCommunication;
    std::string detail; // why it failed, in the words the technician reads
    qint64 durationMs = 0;
};

// The attempt as one JSON object, with the tool's version, the user and the station.
QJsonObject toJson(const Attempt &attempt);
