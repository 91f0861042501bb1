#include "QtMessages.h"

#include "CoreText.h"

#include <QMessageBox>
#include <QTextDocument>

std::unique_ptr<QMessageBox> QtMessages::messageBox(gauge::MessageIcon icon,
                                                    const std::string &text,
                                                    const std::string &detail) const
{
    auto box = std::make_unique<QMessageBox>(
        icon == gauge::MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
        QString(), fromCore(text), QMessageBox::Ok, m_window);
    box->setTextFormat(Qt::PlainText);
    // The box offers no plain format for the explanation beneath: it goes in escaped, its
    // blanks kept.
    if (!detail.empty())
        box->setInformativeText(QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>")
                                    .arg(fromCore(detail).toHtmlEscaped()));
    return box;
}

void QtMessages::show(gauge::MessageIcon icon, const std::string &text, const std::string &detail)
{
    messageBox(icon, text, detail)->exec();
}

bool QtMessages::ask(const std::string &question)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), fromCore(question),
                    QMessageBox::Yes | QMessageBox::No, m_window);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}
