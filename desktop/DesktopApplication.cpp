#include "DesktopApplication.h"

#include "artwork/Artwork.h"

#include <QApplication>

DesktopApplication::DesktopApplication()
    : m_model(gauge::Platform {m_messages, m_fileDialogs, m_windows}, m_portSurvey, m_transfer)
    , m_window(m_model)
{
    QApplication::setApplicationName(QStringLiteral("gauge-programmer"));
    QApplication::setWindowIcon(Artwork::applicationIcon());
    m_messages.setWindow(&m_window);
    m_fileDialogs.setWindow(&m_window);
    m_windows.setMainWindow(&m_window);
}

void DesktopApplication::start()
{
    m_window.startUp();
    m_window.show();
}
