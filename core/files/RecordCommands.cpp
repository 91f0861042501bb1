#include "shell/MainForm.h"

#include "curves/DisplayOptions.h"
#include "files/ByteFile.h"
#include "files/Record.h"
#include "shell/FileDialogs.h"
#include "shell/Messages.h"

#include <vector>

namespace gauge {

namespace {

constexpr const char *NotConfiguredText = "Error: Configure the instrument before.";
constexpr const char *SaveFilter = "Configuaration GAUGE  (*.gag)|*.gag";
constexpr const char *ConfigurationFileFilter = "Configuration GAUGE  (*.gcfg)|*.gcfg";
constexpr const char *GaugeParameterFilter = "File GAUGE  (*.gag)|*.gag";

std::string quoted(const std::string &path)
{
    return "\"" + path + "\"";
}

std::uint8_t recordByte(int index)
{
    return static_cast<std::uint8_t>(RecordBase + index);
}

} // namespace

// The record is staged in a buffer of its own: the packet in TxBuffer is never touched by a
// save, and no byte of an earlier packet can slip into a record.
bool MainForm::stageRecord(Record &record) const
{
    const int sender = group(GroupId::optSender).selectedIndex();
    const int unit = group(GroupId::optUnit).selectedIndex();
    const int voltage = group(GroupId::optVoltage).selectedIndex();
    if (sender < 0 || unit < 0 || voltage < 0)
        return false;

    // An alarm group is left without a selection after a rejected threshold; its alarm is then
    // off, so the record names the option that means off.
    const auto orElse = [](int selected, int fallback) { return selected >= 0 ? selected : fallback; };

    record[RecordByte::SupplyVoltage] = recordByte(voltage);
    record[RecordByte::GaugeType] = recordByte(m_config.GaugeType);
    record[RecordByte::Sender] = recordByte(sender);
    record[RecordByte::Unit] = recordByte(unit);
    record[RecordByte::MinAlarm] =
            recordByte(orElse(group(GroupId::optMinAll).selectedIndex(), MinAlarmOffIndex));
    record[RecordByte::MaxAlarm] =
            recordByte(orElse(group(GroupId::optAllMax).selectedIndex(), MaxAlarmOffIndex));
    record[RecordByte::Blinking] =
            recordByte(orElse(group(GroupId::optBLK).selectedIndex(), m_config.BlkSetting));
    record[RecordByte::AlarmOutput] =
            recordByte(orElse(group(GroupId::optAlLOut).selectedIndex(), m_config.AlarmOutput));
    record[RecordByte::Contact] =
            recordByte(orElse(group(GroupId::optNO_NC).selectedIndex(), m_config.ContactType));
    return true;
}

// An empty name is a cancelled dialog, which changes nothing but the pointer.
bool MainForm::dialogCancelled(const std::string &fileName)
{
    if (!fileName.empty())
        return false;
    m_mousePointer = MousePointer::Default;
    return true;
}

void MainForm::SalvaConfigurazione_Click()
{
    Record record {};
    if (!ConfigurationComplete(m_config) || !m_gaugeFrameVisible || !stageRecord(record)) {
        m_platform.messages.error(NotConfiguredText);
        return;
    }

    const std::string fileName = m_platform.fileDialogs.saveFileName(SaveFilter, m_dialogFileName);
    if (dialogCancelled(fileName))
        return;
    m_dialogFileName = fileName;

    const FileResult result = writeFileStart(fileName, record);
    if (!result.ok())
        m_platform.messages.error("The configuration could not be saved to " + quoted(fileName)
                                  + ": " + result.reason + ".");
}

void MainForm::ConfFile_Click()
{
    const std::string fileName =
            m_platform.fileDialogs.openFileName(ConfigurationFileFilter, m_dialogFileName);
    if (dialogCancelled(fileName))
        return;
    const FileResult result = touchFile(fileName);
    if (!result.ok())
        m_platform.messages.error("The configuration file " + quoted(fileName)
                                  + " could not be opened: " + result.reason + ".");
}

void MainForm::GaugPar_Click()
{
    const std::string fileName =
            m_platform.fileDialogs.openFileName(GaugeParameterFilter, m_dialogFileName);
    if (dialogCancelled(fileName))
        return;
    m_dialogFileName.clear();

    // Everything is read and checked before the screen changes, so a damaged file leaves the
    // window exactly as it was.
    std::vector<std::uint8_t> bytes;
    const FileResult result = readFileStart(fileName, RecordSize, bytes);
    if (!result.ok()) {
        m_platform.messages.error("The gauge parameter file " + quoted(fileName)
                                  + " could not be read: " + result.reason + ".");
        return;
    }
    if (const std::string problem = recordProblem(bytes); !problem.empty()) {
        m_platform.messages.error("The file " + quoted(fileName)
                                  + " is not a valid gauge parameter file: " + problem + ".");
        return;
    }
    Record record {};
    std::copy_n(bytes.begin(), RecordSize, record.begin());
    restoreRecord(record);
}

// Replays the record through the same selections a user's clicks make, in an order that
// matters: the unit before the sender (a unit choice clears the sender and enables the list),
// the maximum alarm before the minimum.
void MainForm::restoreRecord(const Record &record)
{
    const auto index = [&record](std::size_t position) { return record[position] - RecordBase; };

    m_config.GaugeFileBytes = record;
    m_gaugeFrameVisible = false;
    m_config.LoadedFromFile = true;
    m_config.SupplyVoltage = static_cast<std::uint8_t>(index(RecordByte::SupplyVoltage));
    Gauge_Click(index(RecordByte::GaugeType));
    m_config.LoadedFromFile = false;

    select(GroupId::optUnit, index(RecordByte::Unit));
    select(GroupId::optSender, index(RecordByte::Sender));
    select(GroupId::optAllMax, index(RecordByte::MaxAlarm));
    select(GroupId::optMinAll, index(RecordByte::MinAlarm));
    select(GroupId::optBLK, index(RecordByte::Blinking));
    select(GroupId::optAlLOut, index(RecordByte::AlarmOutput));
    select(GroupId::optNO_NC, index(RecordByte::Contact));
}

} // namespace gauge
