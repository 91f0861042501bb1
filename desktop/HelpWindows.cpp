#include "HelpWindows.h"

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

HelpWindows::~HelpWindows()
{
    delete m_connectionHelp;
    delete m_about;
}

void HelpWindows::showConnectionHelp()
{
    if (!m_connectionHelp)
        m_connectionHelp = new ConnectionHelpWindow;
    bringUp(m_connectionHelp);
}

void HelpWindows::showAbout()
{
    if (!m_about)
        m_about = new AboutWindow;
    bringUp(m_about);
}

ConnectionHelpWindow *HelpWindows::connectionHelp() const
{
    return m_connectionHelp;
}

AboutWindow *HelpWindows::about() const
{
    return m_about;
}

void HelpWindows::closeMainWindow()
{
    if (m_mainWindow)
        m_mainWindow->close();
}
