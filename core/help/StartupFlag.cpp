#include "help/StartupFlag.h"

#include <array>

namespace gauge {

FileResult writeStartupFlag(const std::string &path, bool showAtStartup)
{
    const std::array<std::uint8_t, 1> flag = {showAtStartup ? ShowAtStartupFlag
                                                            : HideAtStartupFlag};
    return writeFileStart(path, flag);
}

} // namespace gauge
