#include "QtWindowCommands.h"

#include "AboutWindow.h"
#include "ConnectionHelpWindow.h"

namespace {

void bringUp(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

QtWindowCommands::~QtWindowCommands()
{
    delete m_connectionHelp;
    delete m_about;
}

void QtWindowCommands::showConnectionHelp()
{
    if (!m_connectionHelp)
        m_connectionHelp = new ConnectionHelpWindow;
    bringUp(m_connectionHelp);
}

void QtWindowCommands::showAbout()
{
    if (!m_about)
        m_about = new AboutWindow;
    bringUp(m_about);
}

ConnectionHelpWindow *QtWindowCommands::connectionHelp() const
{
    return m_connectionHelp;
}

AboutWindow *QtWindowCommands::about() const
{
    return m_about;
}

void QtWindowCommands::closeMainWindow()
{
    if (m_mainWindow)
        m_mainWindow->close();
}
