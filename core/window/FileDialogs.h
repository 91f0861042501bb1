#pragma once

#include <string>

namespace gauge {

// Open and save dialogs. The filter has the form "Description|*.ext"; the file name presets
// the dialog. An empty result means the user cancelled.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;

    virtual std::string openFileName(const std::string &filter, const std::string &fileName) = 0;
    virtual std::string saveFileName(const std::string &filter, const std::string &fileName) = 0;
};

} // namespace gauge
