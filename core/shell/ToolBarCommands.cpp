#include "shell/MainForm.h"

#include "curves/DisplayOptions.h"
#include "shell/WindowCommands.h"

namespace gauge {

namespace {

// These two differ from the help text table on purpose; the buttons show their own.
constexpr const char *ClearHelpText = "Clear the gauge parameter ";
constexpr const char *CloseHelpText = "Close the gauge parameter screen ";
constexpr const char *ExitHelpText = "Exit to the programme";

constexpr int BlinkingOn = 1;
constexpr int AlarmOutputOff = 0;

} // namespace

void MainForm::cmdClearCofn_Click()
{
    if (helpModeAnswered(ClearHelpText))
        return;

    OptionGroup &minAlarm = groupRef(GroupId::optMinAll);
    OptionGroup &maxAlarm = groupRef(GroupId::optAllMax);
    OptionGroup &units = groupRef(GroupId::optUnit);
    OptionGroup &senders = groupRef(GroupId::optSender);

    select(GroupId::optBLK, BlinkingOn);
    select(GroupId::optAlLOut, AlarmOutputOff);
    for (int i = 0; i < minAlarm.count(); ++i) {
        minAlarm.deselect(i);
        maxAlarm.deselect(i);
    }
    minAlarm.select(DefaultMinAlarmIndex);
    maxAlarm.select(DefaultMaxAlarmIndex);

    // Every sender option is deselected, not only those below SenderCount: otherwise a level
    // gauge's last sender, or one a record file chose, would stay marked while no sender is
    // chosen.
    const bool singleSender = m_config.UnitCount == 1 && m_config.SenderCount == 1;
    if (singleSender)
        return;
    for (int i = 0; i < senders.count(); ++i)
        senders.deselect(i);
    m_config.SenderIndex = NotChosen;

    if (m_config.UnitCount != 1) {
        for (int i = 0; i < m_config.UnitCount && i < units.count(); ++i)
            units.deselect(i);
        m_config.UnitIndex = NotChosen;
        for (int i = 0; i < m_config.SenderCount && i < senders.count(); ++i)
            senders.option(i).enabled = false;
    }
}

void MainForm::cmdClose_Click()
{
    if (helpModeAnswered(CloseHelpText))
        return;
    m_gaugeFrameVisible = false;
    m_config.GaugeType = NotChosen;
    m_config.SenderIndex = NotChosen;
    m_config.UnitIndex = NotChosen;
}

void MainForm::cmdExit_Click()
{
    if (helpModeAnswered(ExitHelpText))
        return;
    m_platform.windows.closeMainWindow();
}

void MainForm::Uscita_Click()
{
    m_platform.windows.closeMainWindow();
}

} // namespace gauge
