#include "window/MainWindowModel.h"

#include "records/Record.h"
#include "window/FileDialogs.h"
#include "window/WindowTexts.h"

#include <algorithm>
#include <cctype>

namespace gauge {

using namespace WindowTexts;

namespace {

constexpr std::string_view RecordExtension = ".gag";

bool namesARecord(const std::string &path)
{
    if (path.size() < RecordExtension.size())
        return false;
    return std::equal(RecordExtension.rbegin(), RecordExtension.rend(), path.rbegin(),
                      [](char wanted, char given) {
                          return wanted == std::tolower(static_cast<unsigned char>(given));
                      });
}

} // namespace

void MainWindowModel::saveRecord()
{
    runCommand([this] {
        const std::optional<RecordChoices> record = m_setup.recordChoices();
        if (!record) {
            tell(MessageIcon::Error, std::string(NotConfigured));
            return;
        }

        const std::string fileName
            = m_platform.fileDialogs.saveFileName(SaveFilter, m_dialogFileName);
        // A cancelled dialog changes nothing but the pointer.
        if (fileName.empty()) {
            m_mousePointer = MousePointer::Default;
            return;
        }
        m_dialogFileName = fileName;

        if (const Status saved = writeRecord(fileName, *record); !saved)
            tell(MessageIcon::Error, notSaved(fileName, saved.error().reason));
    });
}

void MainWindowModel::openRecord()
{
    runCommand([this] {
        const std::string fileName
            = m_platform.fileDialogs.openFileName(OpenFilter, m_dialogFileName);
        if (fileName.empty()) {
            m_mousePointer = MousePointer::Default;
            return;
        }
        m_dialogFileName.clear();
        restoreRecord(fileName);
    });
}

void MainWindowModel::openRecordFile(const std::string &path)
{
    runCommand([this, &path] { restoreRecord(path); });
}

// Everything is read and checked before the screen changes, so a damaged file leaves the window
// exactly as it was.
void MainWindowModel::restoreRecord(const std::string &path)
{
    const Result<RecordChoices> reading = readRecord(path);
    if (!reading) {
        tell(MessageIcon::Error, reading.error().reason);
        return;
    }
    m_setup.restore(reading.value());
}

bool MainWindowModel::takesDroppedFiles(const std::vector<std::string> &paths) const
{
    return takesCommands() && paths.size() == 1 && namesARecord(paths.front());
}

} // namespace gauge
