#pragma once

#include <QString>

#include <string_view>

// The core's texts are UTF-8.
inline QString fromCore(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Controls of an indexed group are named as the gauge's documentation names them: "Gauge(3)".
inline QString indexedName(const char *group, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(group)).arg(index);
}
