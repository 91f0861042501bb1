#include "QtFileDialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QStringList>

QString qtNameFilter(const std::string &filter)
{
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        // Qt reads the patterns from the last parentheses; most of the tool's descriptions
        // already carry them.
        if (description.endsWith(QLatin1Char(')')) && description.contains(QLatin1Char('(')))
            filters.append(description);
        else
            filters.append(QStringLiteral("%1 (%2)").arg(description, pattern));
    }
    return filters.join(QStringLiteral(";;"));
}

QString defaultSuffix(const std::string &filter)
{
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    if (parts.size() < 2)
        return {};
    const QString pattern = parts[1].trimmed();
    return pattern.startsWith(QLatin1String("*.")) ? pattern.mid(2) : QString();
}

std::string QtFileDialogs::openFileName(const std::string &filter, const std::string &fileName)
{
    const QString chosen = QFileDialog::getOpenFileName(
        m_window, QString(), QFile::decodeName(fileName.c_str()), qtNameFilter(filter));
    return QFile::encodeName(chosen).toStdString();
}

std::string QtFileDialogs::saveFileName(const std::string &filter, const std::string &fileName)
{
    QFileDialog dialog(m_window, QString(), QFile::decodeName(fileName.c_str()),
                       qtNameFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}
