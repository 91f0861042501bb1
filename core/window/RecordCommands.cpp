#include "window/MainWindowModel.h"

#include "records/Record.h"
#include "window/FileDialogs.h"
#include "window/Messages.h"

namespace gauge {

namespace {

constexpr std::string_view NotConfiguredText = "Error: Configure the instrument before.";
constexpr std::string_view SaveFilter = "Configuaration GAUGE  (*.gag)|*.gag";
constexpr std::string_view OpenFilter = "File GAUGE  (*.gag)|*.gag";

} // namespace

void MainWindowModel::saveRecord()
{
    const std::optional<RecordChoices> record = m_setup.recordChoices();
    if (!record) {
        m_platform.messages.error(std::string(NotConfiguredText));
        return;
    }

    const std::string fileName
        = m_platform.fileDialogs.saveFileName(std::string(SaveFilter), m_dialogFileName);
    // A cancelled dialog changes nothing but the pointer.
    if (fileName.empty()) {
        m_mousePointer = MousePointer::Default;
        return;
    }
    m_dialogFileName = fileName;

    const FileResult result = writeRecord(fileName, *record);
    if (!result.ok())
        m_platform.messages.error("The configuration could not be saved to \"" + fileName
                                  + "\": " + result.reason + ".");
}

void MainWindowModel::openRecord()
{
    const std::string fileName
        = m_platform.fileDialogs.openFileName(std::string(OpenFilter), m_dialogFileName);
    if (fileName.empty()) {
        m_mousePointer = MousePointer::Default;
        return;
    }
    m_dialogFileName.clear();
    openRecordFile(fileName);
}

// Everything is read and checked before the screen changes, so a damaged file leaves the window
// exactly as it was.
void MainWindowModel::openRecordFile(const std::string &path)
{
    const RecordReading reading = readRecord(path);
    if (!reading.choices) {
        m_platform.messages.error(reading.refusal);
        return;
    }
    m_setup.restore(*reading.choices);
}

} // namespace gauge
