#include "MainMenus.h"

#include "CoreText.h"
#include "DesktopTexts.h"
#include "gauge/Catalogue.h"
#include "window/MainWindowModel.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// The gauge type menu's shortcuts skip Ctrl+J.
constexpr Qt::Key GaugeShortcutKeys[] = {Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_D, Qt::Key_E,
                                         Qt::Key_F, Qt::Key_G, Qt::Key_H, Qt::Key_I, Qt::Key_K};

} // namespace

MainMenus::MainMenus(gauge::MainWindowModel &model, QMenuBar *bar)
    : QObject(bar)
    , m_model(model)
{
    buildSettingMenu(bar);
    buildSerialPortMenu(bar);
    buildHelpMenu(bar);

    // Has no commands at all, so it is not shown.
    QAction *setup = bar->addAction(desktopText::SetupMenu);
    setup->setObjectName(QStringLiteral("SetStrumenti"));
    setup->setVisible(false);
}

void MainMenus::buildSettingMenu(QMenuBar *bar)
{
    QMenu *setting = bar->addMenu(desktopText::SettingMenu);
    setting->setObjectName(QStringLiteral("SettingMenu"));

    QMenu *newMenu = setting->addMenu(desktopText::NewMenu);
    newMenu->setObjectName(QStringLiteral("NuovaConfigurazione"));
    for (int code = gauge::FirstGaugeType; code <= gauge::LastGaugeType; ++code) {
        QAction *action = newMenu->addAction(fromCore(gauge::gaugeTypeInfo(code)->menuName));
        action->setObjectName(indexedName("Gauge", code));
        action->setShortcut(QKeySequence(Qt::CTRL | GaugeShortcutKeys[code - 1]));
        connect(action, &QAction::triggered, this, [this, code] { m_model.chooseGaugeType(code); });
        m_gaugeActions.append(action);
    }

    QMenu *openMenu = setting->addMenu(desktopText::OpenMenu);
    openMenu->setObjectName(QStringLiteral("ApriConfigurazione"));
    m_configurationFile = openMenu->addAction(desktopText::ConfigurationFile);
    m_configurationFile->setObjectName(QStringLiteral("ConfFile"));
    m_configurationFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    addCommand(openMenu, "GaugPar", desktopText::GaugeParameter, QKeySequence(Qt::CTRL | Qt::Key_Y),
               [this] { m_model.openRecord(); });
    addCommand(setting, "SalvaConfigurazione", desktopText::Save,
               QKeySequence(Qt::CTRL | Qt::Key_S), [this] { m_model.saveRecord(); });
    addCommand(setting, "Uscita", desktopText::Exit, QKeySequence(Qt::CTRL | Qt::Key_Q),
               [this] { m_model.exitProgram(gauge::ExitFrom::Menu); });
}

// The devices are looked at again each time the menu opens: a cable plugged in since shows up,
// and each entry names the device behind it as it is now.
void MainMenus::buildSerialPortMenu(QMenuBar *bar)
{
    QMenu *serial = bar->addMenu(desktopText::SerialPortMenu);
    serial->setObjectName(QStringLiteral("MenuSeriale"));
    for (int number = 1; number <= gauge::PortCount; ++number) {
        QAction *action = serial->addAction(QString(desktopText::PortEntry).arg(number));
        action->setObjectName(indexedName("SerialPort", number));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, number] { m_model.choosePort(number); });
        m_serialPortActions.append(action);
    }
    connect(serial, &QMenu::aboutToShow, this, [this] { m_model.lookAtPorts(); });
}

void MainMenus::buildHelpMenu(QMenuBar *bar)
{
    QMenu *help = bar->addMenu(desktopText::HelpMenu);
    help->setObjectName(QStringLiteral("Help"));
    addCommand(help, "Aiuto", desktopText::HelpOnLine, QKeySequence(Qt::Key_F1),
               [this] { m_model.enterHelpMode(); });
    addCommand(help, "About", desktopText::About, QKeySequence(Qt::Key_F2),
               [this] { m_model.showAbout(); });
    addCommand(help, "HelpConnection", desktopText::ShowConnection, QKeySequence(Qt::Key_F3),
               [this] { m_model.showConnectionHelp(); });
}

QAction *MainMenus::addCommand(QMenu *menu, const char *name, const QString &caption,
                               const QKeySequence &shortcut, std::function<void()> command)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, std::move(command));
    m_commandActions.append(action);
    return action;
}

void MainMenus::redraw()
{
    for (int code = gauge::FirstGaugeType; code <= gauge::LastGaugeType; ++code)
        m_gaugeActions[code - 1]->setEnabled(m_model.gaugeTypeOffered(code));
    for (int number = 1; number <= gauge::PortCount; ++number) {
        const gauge::PortMenuItem item = m_model.portMenuItem(number);
        QAction *action = m_serialPortActions[number - 1];
        action->setEnabled(item.enabled);
        action->setChecked(item.checked);
        action->setStatusTip(fromCore(item.description));
    }
    m_configurationFile->setEnabled(m_model.configurationFileOffered());
    for (QAction *action : std::as_const(m_commandActions))
        action->setEnabled(m_model.takesCommands());
}
