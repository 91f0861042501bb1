#pragma once

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QKeySequence;
class QMenu;
class QMenuBar;

namespace gauge {
class MainWindowModel;
}

// The main window's menus: Setting (gauge types, records, Exit), Serial Port and Help. Each
// entry hands its command to the model; what is enabled and checked is the model's to say.
class MainMenus final : public QObject
{
    Q_OBJECT

public:
    MainMenus(gauge::MainWindowModel &model, QMenuBar *bar);

    void redraw();

private:
    void buildSettingMenu(QMenuBar *bar);
    void buildSerialPortMenu(QMenuBar *bar);
    void buildHelpMenu(QMenuBar *bar);
    QAction *addCommand(QMenu *menu, const char *name, const QString &caption,
                        const QKeySequence &shortcut, std::function<void()> command);

    gauge::MainWindowModel &m_model;
    QList<QAction *> m_gaugeActions;
    QList<QAction *> m_serialPortActions;
    QList<QAction *> m_commandActions;
    QAction *m_configurationFile = nullptr;
};
