#include "shell/MainForm.h"

#include "catalogue/GaugeCatalogue.h"
#include "curves/DisplayOptions.h"
#include "shell/Messages.h"

#include <algorithm>

namespace gauge {

namespace {

constexpr const char *MinAlarmConflictText = "Error: Minimu Alarm is greater than Maximum Alarm";
constexpr const char *MaxAlarmConflictText = "Error: Maximum Alarm is minor than Minimum Alarm";
constexpr const char *DedicatedSupplyNotice = "Attention:Only For Dedicated Gauge";

template<std::size_t N>
float valueAt(const std::array<float, N> &values, int index)
{
    return index >= 0 && index < static_cast<int>(N) ? values[static_cast<std::size_t>(index)]
                                                       : 0.0f;
}

} // namespace

// An alarm that is off (0) never conflicts, and equal thresholds are accepted. Only the
// threshold just chosen is undone; the other keeps its value, however it was set.
void MainForm::optMinAll_Click(int index)
{
    m_config.MinAlarm = valueAt(MinAlarmValues, index);
    if (m_config.MinAlarm != 0 && m_config.MaxAlarm != 0 && m_config.MinAlarm > m_config.MaxAlarm) {
        m_platform.messages.error(MinAlarmConflictText);
        groupRef(GroupId::optMinAll).deselect(index);
        m_config.MinAlarm = 0;
    }
}

void MainForm::optAllMax_Click(int index)
{
    m_config.MaxAlarm = valueAt(MaxAlarmValues, index);
    if (m_config.MinAlarm != 0 && m_config.MaxAlarm != 0 && m_config.MaxAlarm < m_config.MinAlarm) {
        m_platform.messages.error(MaxAlarmConflictText);
        groupRef(GroupId::optAllMax).deselect(index);
        m_config.MaxAlarm = 0;
    }
}

void MainForm::optUnit_Click(int index)
{
    OptionGroup &senders = groupRef(GroupId::optSender);
    const int senderCount = std::min<int>(m_config.SenderCount, senders.count());

    for (int i = 0; i < senderCount; ++i)
        senders.deselect(i);
    m_config.SenderIndex = NotChosen;
    m_config.UnitIndex = static_cast<std::uint8_t>(index);

    // Types with several units keep their senders greyed until a unit is chosen. Hidden
    // options stay hidden.
    const GaugeTypeInfo *info = gaugeTypeInfo(m_config.GaugeType);
    if (info && info->units.size() > 1) {
        for (int i = 0; i < senderCount; ++i)
            senders.option(i).enabled = true;
    }

    if (const auto code = unitCodeFor(m_config.GaugeType, index))
        m_config.UnitCode = *code;
}

void MainForm::optVoltage_Click(int index)
{
    if (index != 0) {
        m_platform.messages.information(DedicatedSupplyNotice);
        m_config.SupplyVoltage = 1;
    } else {
        m_config.SupplyVoltage = 0;
    }
    Gauge_Click(m_config.GaugeType);
}

void MainForm::optBLK_Click(int index)
{
    m_config.BlkSetting = static_cast<std::uint8_t>(index);
}

void MainForm::optAlLOut_Click(int index)
{
    m_config.AlarmOutput = static_cast<std::uint8_t>(index);
}

void MainForm::optNO_NC_Click(int index)
{
    m_config.ContactType = static_cast<std::uint8_t>(index);
}

} // namespace gauge
