#include "QtMessages.h"

#include <QMessageBox>

void QtMessages::setWindow(QWidget *window, std::function<void()> beforeShow)
{
    m_window = window;
    m_beforeShow = std::move(beforeShow);
}

void QtMessages::prepare()
{
    if (m_beforeShow)
        m_beforeShow();
}

void QtMessages::show(gauge::MessageIcon icon, const std::string &text, const std::string &detail)
{
    prepare();
    QMessageBox box(icon == gauge::MessageIcon::Error ? QMessageBox::Critical
                                                      : QMessageBox::Information,
                    QString(), QString::fromStdString(text), QMessageBox::Ok, m_window);
    box.setInformativeText(QString::fromStdString(detail));
    box.exec();
}

bool QtMessages::ask(const std::string &question)
{
    prepare();
    QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromStdString(question),
                    QMessageBox::Yes | QMessageBox::No, m_window);
    return box.exec() == QMessageBox::Yes;
}
