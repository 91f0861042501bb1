#pragma once

#include <QWidget>

class QCheckBox;

namespace gauge {
class Messages;
}

// "Help Connection": how to wire a gauge to the computer for programming.
class FrmShow final : public QWidget
{
    Q_OBJECT

public:
    FrmShow(gauge::Messages &messages, QString startupFlagPath, QWidget *parent = nullptr);

    // Where the start-up flag lives on this system.
    static QString defaultStartupFlagPath();

private:
    void chkStartup_Click();

    gauge::Messages &m_messages;
    QString m_startupFlagPath;
    QCheckBox *m_chkStartup = nullptr;
};
