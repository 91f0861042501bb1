#include "files/Record.h"

#include "catalogue/GaugeCatalogue.h"
#include "curves/CurveData.h"

#include <algorithm>

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

bool definedByCurveData(int gaugeType, int unitIndex, int sender)
{
    const auto contains = [](std::span<const int> values, int value) {
        return std::find(values.begin(), values.end(), value) != values.end();
    };
    return std::any_of(curveSets().begin(), curveSets().end(), [&](const CurveSet &set) {
        return contains(set.gaugeTypes, gaugeType) && contains(set.unitIndexes, unitIndex)
            && std::any_of(set.rows.begin(), set.rows.end(),
                           [&](const CurveRow &row) { return row.sender == sender; });
    });
}

// Senders the window shows for the type, and the hidden ones that only a record can choose but
// that have a curve of their own.
bool senderExists(const GaugeTypeInfo &info, int unitIndex, int sender)
{
    if (sender >= 0 && sender < static_cast<int>(info.senders.size())
        && info.senders[static_cast<std::size_t>(sender)].state != SenderState::Hidden)
        return true;
    return definedByCurveData(info.code, unitIndex, sender);
}

} // namespace

std::string recordProblem(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < RecordSize) {
        return "it holds " + std::to_string(bytes.size())
            + (bytes.size() == 1 ? " byte" : " bytes") + ", a gauge parameter record holds 9";
    }

    struct Choice
    {
        std::size_t position;
        const char *what;
        int options;
    };
    static constexpr Choice Choices[] = {
        {RecordByte::MinAlarm, "minimum alarm", 5},
        {RecordByte::MaxAlarm, "maximum alarm", 5},
        {RecordByte::Blinking, "blinking alarm", 2},
        {RecordByte::AlarmOutput, "alarm output", 2},
        {RecordByte::Contact, "alarm contact", 2},
    };
    const int supply = indexIn(bytes, RecordByte::SupplyVoltage);
    if (supply < 0 || supply > 1)
        return noSuch(RecordByte::SupplyVoltage, "supply voltage", supply);
    const int gaugeType = indexIn(bytes, RecordByte::GaugeType);
    const GaugeTypeInfo *info = gaugeTypeInfo(gaugeType);
    if (!info)
        return noSuch(RecordByte::GaugeType, "gauge type", gaugeType);
    const std::string forType = " for " + std::string(info->menuCaption);
    const int unit = indexIn(bytes, RecordByte::Unit);
    if (unit < 0 || unit >= static_cast<int>(info->units.size()))
        return noSuch(RecordByte::Unit, "unit", unit) + forType;
    const int sender = indexIn(bytes, RecordByte::Sender);
    if (!senderExists(*info, unit, sender))
        return noSuch(RecordByte::Sender, "sender", sender) + forType;
    for (const Choice &choice : Choices) {
        const int index = indexIn(bytes, choice.position);
        if (index < 0 || index >= choice.options)
            return noSuch(choice.position, choice.what, index);
    }
    return {};
}

} // namespace gauge
