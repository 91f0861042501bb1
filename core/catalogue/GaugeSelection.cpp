#include "shell/MainForm.h"

#include "catalogue/GaugeCatalogue.h"
#include "catalogue/ScaleEnds.h"
#include "curves/DisplayOptions.h"

namespace gauge {

namespace {

constexpr int DefaultBlinkingIndex = 1;     // "ON"
constexpr int DefaultAlarmOutputIndex = 0;  // "OFF"
constexpr int DefaultContactIndex = 0;      // "NO "
constexpr int DedicatedSupply = 1;

} // namespace

void MainForm::Gauge_Click(int index)
{
    OptionGroup &voltages = groupRef(GroupId::optVoltage);
    OptionGroup &minAlarm = groupRef(GroupId::optMinAll);
    OptionGroup &maxAlarm = groupRef(GroupId::optAllMax);

    m_gaugeFrameVisible = true;
    for (int i = 0; i < voltages.count(); ++i)
        voltages.option(i).visible = false;
    for (int i = 0; i < minAlarm.count(); ++i) {
        minAlarm.deselect(i);
        maxAlarm.deselect(i);
    }
    for (int i = 0; i < static_cast<int>(SupplyVoltageCaptions.size()); ++i) {
        Option &option = voltages.option(i);
        option.caption = SupplyVoltageCaptions[static_cast<std::size_t>(i)];
        option.visible = true;
    }

    // A record being opened brings its own alarm and output choices.
    if (!m_config.LoadedFromFile) {
        minAlarm.select(DefaultMinAlarmIndex);
        maxAlarm.select(DefaultMaxAlarmIndex);
        select(GroupId::optBLK, DefaultBlinkingIndex);
        select(GroupId::optAlLOut, DefaultAlarmOutputIndex);
        select(GroupId::optNO_NC, DefaultContactIndex);
    }

    // When this option was not selected yet, the supply voltage handler runs the whole selection
    // once more, for the gauge type set before, and this run carries on after it.
    voltages.select(m_config.SupplyVoltage == DedicatedSupply ? 1 : 0);

    m_config.SenderIndex = NotChosen;
    m_config.UnitIndex = NotChosen;

    const GaugeTypeInfo *info = gaugeTypeInfo(index);
    if (!info)
        return;
    m_gaugeFrameCaption = info->title;
    m_config.GaugeType = static_cast<std::int16_t>(index);
    SetupGaugeOptions(index, m_config.SupplyVoltage);
}

void MainForm::SetupGaugeOptions(int gaugeType, std::uint8_t supplyVoltage)
{
    OptionGroup &senders = groupRef(GroupId::optSender);
    OptionGroup &units = groupRef(GroupId::optUnit);

    for (int i = 0; i < senders.count(); ++i) {
        senders.option(i).visible = false;
        senders.deselect(i);
    }
    for (int i = 0; i < units.count(); ++i) {
        units.option(i).visible = false;
        units.deselect(i);
    }

    const GaugeTypeInfo *info = gaugeTypeInfo(gaugeType);
    if (!info)
        return;
    m_config.GaugeCode = gaugeCodeFor(gaugeType, supplyVoltage);
    m_config.UnitCount = static_cast<std::uint8_t>(info->unitCount);
    m_config.SenderCount = static_cast<std::uint8_t>(info->senderCount);

    // Units first: selecting the single unit clears the sender choice, which Consumption's
    // own sender selection below must come after.
    for (std::size_t i = 0; i < info->units.size(); ++i) {
        Option &option = units.option(static_cast<int>(i));
        option.caption = info->units[i];
        option.visible = true;
    }
    if (info->setupSelectsUnit)
        units.select(0);

    for (std::size_t i = 0; i < info->senders.size(); ++i) {
        const SenderOption &sender = info->senders[i];
        Option &option = senders.option(static_cast<int>(i));
        option.caption = sender.caption;
        // An option this type gives no tooltip shows none, whatever an earlier type gave it.
        option.toolTip = sender.toolTip;
        option.visible = sender.state != SenderState::Hidden;
        option.enabled = sender.state == SenderState::Enabled;
    }
    if (info->setupSelectsSender)
        senders.select(0);
}

void MainForm::optSender_Click(int index)
{
    m_config.SenderIndex = static_cast<std::uint8_t>(index);
    LoadSenderCurve();
}

void MainForm::LoadSenderCurve()
{
    const CoefficientTable::Entry words = m_config.CoefficientTable.entry(
            m_config.GaugeType, m_config.UnitIndex, m_config.SenderIndex);
    for (std::size_t j = 0; j < 4; ++j) {
        m_config.CurveCoefficients[j] = words[2 * j];
        m_config.CurveCoefficients[4 + j] = words[2 * j + 1];
    }

    if (const auto scale = scaleEndsFor(m_config.GaugeType, m_config.SenderIndex,
                                        m_config.UnitIndex, m_config.SupplyVoltage)) {
        m_config.ScaleLow = scale->low;
        m_config.ScaleHigh = scale->high;
    }
}

} // namespace gauge
