#include "UserName.h"

#include <windows.h>

// The account the process runs as, not %USERNAME%: an environment variable is the caller's to set.
QString userName()
{
    wchar_t name[257]; // UNLEN + 1
    DWORD size = sizeof name / sizeof name[0];
    if (!::GetUserNameW(name, &size) || size == 0)
        return QString();
    return QString::fromWCharArray(name, static_cast<int>(size) - 1);
}
