#pragma once

#include "window/WindowCommands.h"

#include <QPointer>

class AboutWindow;
class ConnectionHelpWindow;
class QWidget;

// What the window model asks of the windows around it, on Qt: showing the help windows and
// closing the main window. The help windows are modeless, one of each at a time, built afresh
// after their own close. They have no parent, so closing the main window leaves them open; the
// program ends with the last window.
class QtWindowCommands final : public gauge::WindowCommands
{
public:
    QtWindowCommands() = default;
    ~QtWindowCommands() override;

    void setMainWindow(QWidget *window) { m_mainWindow = window; }

    void showConnectionHelp() override;
    void showAbout() override;
    void closeMainWindow() override;

    ConnectionHelpWindow *connectionHelp() const;
    AboutWindow *about() const;

private:
    QPointer<QWidget> m_mainWindow;
    QPointer<ConnectionHelpWindow> m_connectionHelp;
    QPointer<AboutWindow> m_about;
};
