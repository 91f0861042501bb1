#include "gauge/GaugeSetup.h"

#include "gauge/Catalogue.h"

#include <algorithm>
#include <utility>

namespace gauge {

namespace {

template<std::size_t N> int valueAt(const std::array<int, N> &values, int index)
{
    return index >= 0 && index < static_cast<int>(N) ? values[static_cast<std::size_t>(index)] : 0;
}

} // namespace

GaugeSetup::GaugeSetup()
    : m_groups {
        OptionGroup(optionCount(Choice::Supply), [this](int i) { supplyChosen(i); }),
        OptionGroup(optionCount(Choice::Unit), [this](int i) { unitChosen(i); }),
        OptionGroup(optionCount(Choice::Sender), [this](int i) { senderChosen(i); }),
        OptionGroup(optionCount(Choice::MinimumAlarm), [this](int i) { minimumAlarmChosen(i); }),
        OptionGroup(optionCount(Choice::MaximumAlarm), [this](int i) { maximumAlarmChosen(i); }),
        OptionGroup(optionCount(Choice::Blinking),
                    [this](int i) { m_configuration.blinking = static_cast<std::uint8_t>(i); }),
        OptionGroup(optionCount(Choice::AlarmOutput),
                    [this](int i) { m_configuration.alarmOutput = static_cast<std::uint8_t>(i); }),
        OptionGroup(optionCount(Choice::Contact),
                    [this](int i) { m_configuration.contact = static_cast<std::uint8_t>(i); })}
{
    buildCoefficientTable(m_curves);
}

void GaugeSetup::setNoticeHandler(NoticeHandler handler)
{
    m_noticeHandler = std::move(handler);
}

void GaugeSetup::notify(Notice notice)
{
    if (m_noticeHandler)
        m_noticeHandler(notice);
}

void GaugeSetup::choose(Choice choice, int index)
{
    group(choice).select(index);
}

void GaugeSetup::chooseGaugeType(int gaugeType)
{
    group(Choice::MinimumAlarm).deselectAll();
    group(Choice::MaximumAlarm).deselectAll();
    if (m_restoring) {
        // The record brings its own thresholds; the ones in force must not be held against them.
        m_configuration.minimumAlarm = 0;
        m_configuration.maximumAlarm = 0;
    } else {
        choose(Choice::MinimumAlarm, DefaultMinimumAlarm);
        choose(Choice::MaximumAlarm, DefaultMaximumAlarm);
        choose(Choice::Blinking, On);
        choose(Choice::AlarmOutput, Off);
        choose(Choice::Contact, NormallyOpen);
    }

    // When this option was not selected yet, the supply voltage handler sets the whole gauge up
    // once more, for the gauge type set up before, and this run carries on after it.
    choose(Choice::Supply,
           m_configuration.supplyVoltage == DedicatedSupply ? DedicatedSupply : TwelveVolts);

    m_configuration.senderIndex = NotChosen;
    m_configuration.unitIndex = NotChosen;
    if (!isGaugeType(gaugeType))
        return;
    m_configuration.gaugeType = gaugeType;
    fillOptions(gaugeType);
}

void GaugeSetup::fillOptions(int gaugeType)
{
    const GaugeTypeInfo &info = *gaugeTypeInfo(gaugeType);
    group(Choice::Sender).deselectAll();
    group(Choice::Unit).deselectAll();

    m_configuration.gaugeCode = wire::gaugeCode(gaugeType, m_configuration.supplyVoltage != 0);
    m_configuration.unitCount = static_cast<std::uint8_t>(info.unitCount());
    m_configuration.senderCount = static_cast<std::uint8_t>(info.senderCount);

    // Units first: choosing the single unit clears the sender choice, which Consumption's own
    // sender choice must come after.
    if (info.setupSelectsUnit)
        choose(Choice::Unit, 0);
    if (info.setupSelectsSender)
        choose(Choice::Sender, 0);
}

void GaugeSetup::supplyChosen(int index)
{
    if (index != TwelveVolts) {
        notify(Notice::DedicatedSupply);
        m_configuration.supplyVoltage = DedicatedSupply;
    } else {
        m_configuration.supplyVoltage = TwelveVolts;
    }
    chooseGaugeType(m_configuration.gaugeType);
}

void GaugeSetup::unitChosen(int index)
{
    OptionGroup &senders = group(Choice::Sender);
    for (int i = 0; i < m_configuration.senderCount; ++i)
        senders.deselect(i);
    m_configuration.senderIndex = NotChosen;
    m_configuration.unitIndex = static_cast<std::uint8_t>(index);

    const GaugeTypeInfo *info = gaugeTypeInfo(m_configuration.gaugeType);
    if (!info)
        return;
    // A type with one unit sends its code whatever the index; on the others an index without a
    // unit leaves the code as it was.
    if (info->unitCount() == 1)
        m_configuration.unitCode = static_cast<std::uint8_t>(info->units.front());
    else if (index < info->unitCount())
        m_configuration.unitCode
            = static_cast<std::uint8_t>(info->units[static_cast<std::size_t>(index)]);
}

void GaugeSetup::senderChosen(int index)
{
    m_configuration.senderIndex = static_cast<std::uint8_t>(index);
    loadSenderCurve();
}

void GaugeSetup::loadSenderCurve()
{
    GaugeConfiguration &c = m_configuration;
    c.curve = m_curves.entry(c.gaugeType, c.unitIndex, c.senderIndex);
    if (const auto scale = scaleEndsFor(c.gaugeType, c.senderIndex, c.unitIndex, c.supplyVoltage))
        c.scale = *scale;
}

// An alarm that is off (0) never conflicts, and equal thresholds are accepted. Only the
// threshold just chosen is undone; the other keeps its value, however it was set.
void GaugeSetup::minimumAlarmChosen(int index)
{
    GaugeConfiguration &c = m_configuration;
    c.minimumAlarm = valueAt(MinimumAlarmValues, index);
    if (c.minimumAlarm != 0 && c.maximumAlarm != 0 && c.minimumAlarm > c.maximumAlarm) {
        notify(Notice::MinimumAlarmRejected);
        group(Choice::MinimumAlarm).deselect(index);
        c.minimumAlarm = 0;
    }
}

void GaugeSetup::maximumAlarmChosen(int index)
{
    GaugeConfiguration &c = m_configuration;
    c.maximumAlarm = valueAt(MaximumAlarmValues, index);
    if (c.minimumAlarm != 0 && c.maximumAlarm != 0 && c.maximumAlarm < c.minimumAlarm) {
        notify(Notice::MaximumAlarmRejected);
        group(Choice::MaximumAlarm).deselect(index);
        c.maximumAlarm = 0;
    }
}

void GaugeSetup::clearChoices()
{
    choose(Choice::Blinking, On);
    choose(Choice::AlarmOutput, Off);
    group(Choice::MinimumAlarm).deselectAll();
    group(Choice::MaximumAlarm).deselectAll();
    choose(Choice::MinimumAlarm, DefaultMinimumAlarm);
    choose(Choice::MaximumAlarm, DefaultMaximumAlarm);

    // A type with one unit and one sender stays complete.
    GaugeConfiguration &c = m_configuration;
    if (c.unitCount == 1 && c.senderCount == 1)
        return;
    // Every sender is deselected, not only those below the sender count: otherwise a level
    // gauge's last sender, or one a record chose, would stay marked while no sender is chosen.
    group(Choice::Sender).deselectAll();
    c.senderIndex = NotChosen;
    if (c.unitCount != 1) {
        for (int i = 0; i < c.unitCount; ++i)
            group(Choice::Unit).deselect(i);
        c.unitIndex = NotChosen;
    }
}

void GaugeSetup::closeGauge()
{
    m_configuration.gaugeType = NotChosen;
    m_configuration.senderIndex = NotChosen;
    m_configuration.unitIndex = NotChosen;
}

// The unit comes before the sender (a unit choice clears the sender), the maximum alarm before
// the minimum.
void GaugeSetup::restore(const RecordChoices &record)
{
    m_restoring = true;
    m_configuration.supplyVoltage = static_cast<std::uint8_t>(record.supply);
    chooseGaugeType(record.gaugeType);
    m_restoring = false;

    choose(Choice::Unit, record.unit);
    choose(Choice::Sender, record.sender);
    choose(Choice::MaximumAlarm, record.maximumAlarm);
    choose(Choice::MinimumAlarm, record.minimumAlarm);
    choose(Choice::Blinking, record.blinking);
    choose(Choice::AlarmOutput, record.alarmOutput);
    choose(Choice::Contact, record.contact);
}

std::optional<RecordChoices> GaugeSetup::recordChoices() const
{
    const GaugeConfiguration &c = m_configuration;
    const int supply = selected(Choice::Supply);
    const int unit = selected(Choice::Unit);
    const int sender = selected(Choice::Sender);
    if (!c.complete() || supply == NotChosen || unit == NotChosen || sender == NotChosen)
        return std::nullopt;

    // An alarm group is left without a selection after a rejected threshold; its alarm is then
    // off, so the record names the option that means off.
    const auto orElse
        = [](int chosen, int fallback) { return chosen != NotChosen ? chosen : fallback; };
    RecordChoices record;
    record.supply = supply;
    record.gaugeType = c.gaugeType;
    record.sender = sender;
    record.unit = unit;
    record.minimumAlarm = orElse(selected(Choice::MinimumAlarm), MinimumAlarmOff);
    record.maximumAlarm = orElse(selected(Choice::MaximumAlarm), MaximumAlarmOff);
    record.blinking = orElse(selected(Choice::Blinking), c.blinking);
    record.alarmOutput = orElse(selected(Choice::AlarmOutput), c.alarmOutput);
    record.contact = orElse(selected(Choice::Contact), c.contact);
    return record;
}

} // namespace gauge
