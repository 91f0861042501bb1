#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <string>
#include <string_view>

// The core's texts are UTF-8.
inline QString fromCore(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A file's name as the core opens it, and back. On Windows the programs hold names in UTF-8 (the
// core's file calls give the system UTF-16), written as Windows writes them, with backslashes;
// QFile::encodeName() would go through the ANSI code page there and lose what it cannot hold.
// Elsewhere a name is the system's bytes, which Qt reads in the locale's encoding.
inline std::string fileNameForCore(const QString &name)
{
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(name).toStdString();
#else
    return QFile::encodeName(name).toStdString();
#endif
}

inline QString fileNameFromCore(const std::string &name)
{
#ifdef Q_OS_WIN
    return QDir::fromNativeSeparators(QString::fromStdString(name));
#else
    return QFile::decodeName(name.c_str());
#endif
}

// Controls of an indexed group are named as the gauge's documentation names them: "Gauge(3)".
inline QString indexedName(const char *group, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(group)).arg(index);
}
