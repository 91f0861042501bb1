#include "DesktopApplication.h"

#include "artwork/Artwork.h"

#include <QApplication>

DesktopApplication::DesktopApplication()
    : m_model(gauge::Platform {m_messages, m_fileDialogs, m_serialPort, m_windows, m_clock})
    , m_window(m_model, m_portMap)
{
    QApplication::setApplicationName(QStringLiteral("gauge-programmer"));
    QApplication::setWindowIcon(Artwork::applicationIcon());
    m_messages.setWindow(&m_window, [this] { m_window.syncFromModel(); });
    m_fileDialogs.setWindow(&m_window);
    m_windows.setMainWindow(&m_window);
}

void DesktopApplication::start()
{
    m_window.load();
    m_window.show();
}
