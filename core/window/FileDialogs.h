#pragma once

#include <string>

namespace gauge {

// The files a dialog offers: what the technician reads of them, and the suffix their names end
// in (without the dot).
struct FileFilter
{
    std::string description;
    std::string suffix;

    friend bool operator==(const FileFilter &, const FileFilter &) = default;
};

// Open and save dialogs. The file name presets the dialog. An empty result means the user
// cancelled.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;

    virtual std::string openFileName(const FileFilter &filter, const std::string &fileName) = 0;
    virtual std::string saveFileName(const FileFilter &filter, const std::string &fileName) = 0;
};

} // namespace gauge
