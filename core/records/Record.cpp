#include "records/Record.h"

#include "gauge/Catalogue.h"
#include "gauge/CurveData.h"
#include "gauge/Options.h"

#include <vector>

namespace gauge {

namespace {

int indexIn(std::span<const std::uint8_t> bytes, std::size_t position)
{
    return bytes[position] - RecordBase;
}

std::string noSuch(std::size_t position, const char *what, int index)
{
    return "byte " + std::to_string(position) + ": " + what + " " + std::to_string(index)
        + " does not exist";
}

bool isShown(const GaugeTypeInfo &info, int sender)
{
    return sender >= 0 && sender < static_cast<int>(info.senders.size())
        && info.senders[static_cast<std::size_t>(sender)].state != SenderState::Hidden;
}

std::string percent(int tenths)
{
    return std::to_string(tenths / 10) + "%";
}

std::string quoted(const std::string &path)
{
    return "\"" + path + "\"";
}

RecordChoices decodeRecord(std::span<const std::uint8_t> bytes)
{
    RecordChoices choices;
    choices.supply = indexIn(bytes, RecordByte::Supply);
    choices.gaugeType = indexIn(bytes, RecordByte::GaugeType);
    choices.sender = indexIn(bytes, RecordByte::Sender);
    choices.unit = indexIn(bytes, RecordByte::Unit);
    choices.minimumAlarm = indexIn(bytes, RecordByte::MinimumAlarm);
    choices.maximumAlarm = indexIn(bytes, RecordByte::MaximumAlarm);
    choices.blinking = indexIn(bytes, RecordByte::Blinking);
    choices.alarmOutput = indexIn(bytes, RecordByte::AlarmOutput);
    choices.contact = indexIn(bytes, RecordByte::Contact);
    return choices;
}

} // namespace

Record encodeRecord(const RecordChoices &choices)
{
    const auto byte = [](int index) { return static_cast<std::uint8_t>(RecordBase + index); };
    Record record {};
    record[RecordByte::Supply] = byte(choices.supply);
    record[RecordByte::GaugeType] = byte(choices.gaugeType);
    record[RecordByte::Sender] = byte(choices.sender);
    record[RecordByte::Unit] = byte(choices.unit);
    record[RecordByte::MinimumAlarm] = byte(choices.minimumAlarm);
    record[RecordByte::MaximumAlarm] = byte(choices.maximumAlarm);
    record[RecordByte::Blinking] = byte(choices.blinking);
    record[RecordByte::AlarmOutput] = byte(choices.alarmOutput);
    record[RecordByte::Contact] = byte(choices.contact);
    return record;
}

Status checkRecord(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < RecordSize) {
        return Failure {"it holds " + std::to_string(bytes.size())
                        + (bytes.size() == 1 ? " byte" : " bytes")
                        + ", a gauge parameter record holds 9"};
    }

    struct Option
    {
        std::size_t position;
        const char *what;
        Choice choice;
    };
    static constexpr Option Options[] = {
        {RecordByte::MinimumAlarm, "minimum alarm", Choice::MinimumAlarm},
        {RecordByte::MaximumAlarm, "maximum alarm", Choice::MaximumAlarm},
        {RecordByte::Blinking, "blinking alarm", Choice::Blinking},
        {RecordByte::AlarmOutput, "alarm output", Choice::AlarmOutput},
        {RecordByte::Contact, "alarm contact", Choice::Contact},
    };
    const RecordChoices choices = decodeRecord(bytes);
    if (choices.supply != TwelveVolts && choices.supply != DedicatedSupply)
        return Failure {noSuch(RecordByte::Supply, "supply voltage", choices.supply)};
    const GaugeTypeInfo *info = gaugeTypeInfo(choices.gaugeType);
    if (!info)
        return Failure {noSuch(RecordByte::GaugeType, "gauge type", choices.gaugeType)};
    const std::string forType = " for " + std::string(info->menuName);
    if (choices.unit < 0 || choices.unit >= info->unitCount())
        return Failure {noSuch(RecordByte::Unit, "unit", choices.unit) + forType};
    // Every sender a technician can choose has a curve, and so do a few that only a record can
    // choose; a sender without one would program the gauge with an empty curve. A sender the
    // window shows for the type, greyed, is named as lacking a curve rather than as missing.
    if (!hasCurve(info->code, choices.unit, choices.sender)) {
        if (!isShown(*info, choices.sender))
            return Failure {noSuch(RecordByte::Sender, "sender", choices.sender) + forType};
        return Failure {"byte " + std::to_string(RecordByte::Sender) + ": sender "
                        + std::to_string(choices.sender) + " has no curve" + forType};
    }
    for (const Option &option : Options) {
        const int index = indexIn(bytes, option.position);
        if (index < 0 || index >= optionCount(option.choice))
            return Failure {noSuch(option.position, option.what, index)};
    }
    // Save never writes alarms in conflict: the window refuses such a pair when it is chosen.
    const int minimum = MinimumAlarmValues[static_cast<std::size_t>(choices.minimumAlarm)];
    const int maximum = MaximumAlarmValues[static_cast<std::size_t>(choices.maximumAlarm)];
    if (minimum != 0 && maximum != 0 && minimum > maximum)
        return Failure {"byte 4: minimum alarm " + percent(minimum)
                        + " lies above the maximum alarm " + percent(maximum) + " of byte 5"};
    return {};
}

Result<RecordChoices> readRecord(const std::string &path)
{
    const Result<std::vector<std::uint8_t>> bytes = readFileStart(path, RecordSize);
    if (!bytes)
        return Failure {"The gauge parameter file " + quoted(path)
                        + " could not be read: " + bytes.error().reason + "."};
    if (const Status valid = checkRecord(bytes.value()); !valid)
        return Failure {"The file " + quoted(path)
                        + " is not a valid gauge parameter file: " + valid.error().reason + "."};
    return decodeRecord(bytes.value());
}

Status writeRecord(const std::string &path, const RecordChoices &choices)
{
    return writeFileStart(path, encodeRecord(choices));
}

} // namespace gauge
