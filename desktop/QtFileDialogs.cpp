#include "QtFileDialogs.h"

#include "CoreText.h"

#include <QFileDialog>
#include <QStringList>

// Qt reads the patterns from the last parentheses; the tool's descriptions mostly carry them
// already.
QString qtNameFilter(const gauge::FileFilter &filter)
{
    const QString description = QString::fromStdString(filter.description);
    if (description.endsWith(QLatin1Char(')')) && description.contains(QLatin1Char('(')))
        return description;
    return QStringLiteral("%1 (*.%2)").arg(description, QString::fromStdString(filter.suffix));
}

std::string QtFileDialogs::openFileName(const gauge::FileFilter &filter,
                                        const std::string &fileName)
{
    const QString chosen = QFileDialog::getOpenFileName(
        m_window, QString(), fileNameFromCore(fileName), qtNameFilter(filter));
    return fileNameForCore(chosen);
}

std::string QtFileDialogs::saveFileName(const gauge::FileFilter &filter,
                                        const std::string &fileName)
{
    QFileDialog dialog(m_window, QString(), fileNameFromCore(fileName), qtNameFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without the suffix gets it, so the record shows up in the open dialog later.
    dialog.setDefaultSuffix(QString::fromStdString(filter.suffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return fileNameForCore(dialog.selectedFiles().constFirst());
}
