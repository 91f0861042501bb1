#pragma once

#include "shell/WindowCommands.h"

#include <QPointer>
#include <QString>

class FrmAbout;
class FrmShow;
class QWidget;

namespace gauge {
class Messages;
}

// The secondary windows: modeless, one of each at a time, built afresh after their own close.
// They have no parent, so closing the main window leaves them open; the program ends with the
// last window.
class HelpWindows final : public gauge::WindowCommands
{
public:
    HelpWindows(gauge::Messages &messages, QString startupFlagPath);
    ~HelpWindows() override;

    void setMainWindow(QWidget *window) { m_mainWindow = window; }

    void showConnectionHelp() override;
    void showAbout() override;
    void closeMainWindow() override;

    FrmShow *connectionHelp() const;
    FrmAbout *about() const;

private:
    gauge::Messages &m_messages;
    QString m_startupFlagPath;
    QPointer<QWidget> m_mainWindow;
    QPointer<FrmShow> m_connectionHelp;
    QPointer<FrmAbout> m_about;
};
