#include "UserName.h"

#include "JsonText.h"

#include <pwd.h>
#include <unistd.h>

// The effective user, not $USER: an environment variable is the caller's to set.
QString userName()
{
    const passwd *user = ::getpwuid(::geteuid());
    return user ? json::name(user->pw_name).toString() : QString::number(::geteuid());
}
