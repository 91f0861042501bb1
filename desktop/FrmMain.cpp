#include "FrmMain.h"

#include "artwork/Artwork.h"
#include "artwork/PictureWidget.h"
#include "gauge/Catalogue.h"
#include "transfer/PortMap.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>

#include <algorithm>
#include <string_view>

using gauge::Choice;

namespace {

constexpr QSize WorkAreaSize(691, 421);
constexpr int ToolBarHeight = 57;
const QColor WorkAreaBlue(0, 0, 123);

// The gauge type menu's shortcuts skip Ctrl+J.
constexpr Qt::Key GaugeShortcutKeys[] = {Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_D, Qt::Key_E,
                                         Qt::Key_F, Qt::Key_G, Qt::Key_H, Qt::Key_I, Qt::Key_K};

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString controlName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// The option groups keep the names the gauge's documentation gives their controls.
const char *groupName(Choice choice)
{
    static constexpr const char *Names[] = {"optVoltage", "optUnit", "optSender", "optMinAll",
                                            "optAllMax",  "optBLK",  "optAlLOut", "optNO_NC"};
    return Names[static_cast<int>(choice)];
}

QFont boldFont(QFont font, int extraPoints = 0)
{
    font.setBold(true);
    if (extraPoints != 0 && font.pointSize() > 0)
        font.setPointSize(font.pointSize() + extraPoints);
    return font;
}

// How wide a sender option must be for the longest name of any gauge type.
int widestSenderCaption(const QRadioButton *button)
{
    const QFontMetrics metrics(button->font());
    int widest = 0;
    for (int code = gauge::FirstGaugeType; code <= gauge::LastGaugeType; ++code) {
        for (const gauge::SenderOption &sender : gauge::gaugeTypeInfo(code)->senders)
            widest = qMax(widest, metrics.horizontalAdvance(fromView(sender.name)));
    }
    const QStyle *style = button->style();
    return widest + style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button)
        + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button) + 8;
}

// The longest caption an option of the group can carry, whatever the gauge type.
QString longestCaption(Choice choice)
{
    QString longest;
    for (int code = gauge::FirstGaugeType; code <= gauge::LastGaugeType; ++code) {
        for (int i = 0; i < gauge::optionCount(choice); ++i) {
            const QString caption = fromView(gauge::optionName(code, choice, i));
            if (caption.size() > longest.size())
                longest = caption;
        }
    }
    return longest;
}

// A frame is announced by its own caption: without a name of its own, Qt would give an inner
// frame its parent's.
QGroupBox *frame(const char *name, const QString &caption, QWidget *parent = nullptr)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(caption);
    box->setFont(boldFont(box->font()));
    return box;
}

// The one local record file among dropped URLs, or nothing.
QString droppedRecord(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().constFirst();
    const QString path = url.toLocalFile();
    return url.isLocalFile() && path.endsWith(QLatin1String(".gag"), Qt::CaseInsensitive)
        ? path
        : QString();
}

} // namespace

FrmMain::FrmMain(gauge::MainWindowModel &model, gauge::PortMap &portMap, QWidget *parent)
    : QMainWindow(parent)
    , m_model(model)
    , m_portMap(portMap)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Digital Instrument"));
    setAcceptDrops(true);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildWorkArea());
    layout->addWidget(buildToolBar());
    setCentralWidget(central);
    buildMenus();
    buildStatusBar();
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Once per run, shortly after the main window has come up: the connection help.
    m_connectionHelpTimer.setObjectName(QStringLiteral("Timer1"));
    m_connectionHelpTimer.setSingleShot(true);
    connect(&m_connectionHelpTimer, &QTimer::timeout, this,
            [this] { run([this] { m_model.showConnectionHelp(); }); });
    m_model.setChangeListener([this] { syncFromModel(); });
    fixWorkAreaSize();
    syncFromModel();
}

// Sized once, with every option of the first sender column showing and the unit and voltage
// options carrying the longest caption they can have, so the window keeps its size whatever the
// gauge type. No gauge type fills the second sender column, so it takes no room.
void FrmMain::fixWorkAreaSize()
{
    std::size_t longestList = 0;
    for (int code = gauge::FirstGaugeType; code <= gauge::LastGaugeType; ++code)
        longestList = std::max(longestList, gauge::gaugeTypeInfo(code)->senders.size());
    const QList<QRadioButton *> &senders = m_optionButtons[static_cast<int>(Choice::Sender)];
    for (qsizetype i = static_cast<qsizetype>(longestList); i < senders.size(); ++i)
        senders[i]->hide();
    for (const Choice choice : {Choice::Supply, Choice::Unit}) {
        const QString longest = longestCaption(choice);
        for (QRadioButton *button : std::as_const(m_optionButtons[static_cast<int>(choice)]))
            button->setText(longest);
    }

    m_workArea->ensurePolished();
    const QMargins margins = m_workArea->layout()->contentsMargins();
    const QSize frameSize = m_frmGauge->sizeHint().grownBy(margins);
    m_workArea->setFixedSize(frameSize.expandedTo(WorkAreaSize));
}

void FrmMain::load()
{
    m_model.start();
    syncFromModel();
    m_connectionHelpTimer.start(gauge::MainWindowModel::ConnectionHelpDelay);
}

void FrmMain::openRecordFile(const QString &path)
{
    run([this, &path] { m_model.openRecordFile(path.toStdString()); });
}

void FrmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (!m_model.transferInProgress() && !droppedRecord(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void FrmMain::dropEvent(QDropEvent *event)
{
    const QString path = droppedRecord(event->mimeData());
    if (m_model.transferInProgress() || path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over: a refusal's message box must not hold up the file manager
    // that is waiting for the drop to end.
    QTimer::singleShot(0, this, [this, path] { openRecordFile(path); });
}

// The ports are read again each time the menu opens: a cable plugged in since shows up, and
// each entry names the device behind it as it is now.
void FrmMain::refreshPortMenu()
{
    if (m_model.transferInProgress())
        return;
    m_portMap.rescan();
    run([this] { m_model.refreshPorts(); });
    namePortDevices();
}

// Hovering over a port names the device behind it in the status bar.
void FrmMain::namePortDevices()
{
    for (int number = 1; number <= gauge::PortCount; ++number) {
        QAction *action = m_serialPortActions[number - 1];
        if (const auto device = m_portMap.device(number)) {
            const QString description = QString::fromStdString(device->description);
            const QString path = QString::fromStdString(device->path);
            action->setStatusTip(
                description.isEmpty() ? path : QStringLiteral("%1 – %2").arg(path, description));
        } else {
            action->setStatusTip(tr("No serial device found for this port"));
        }
    }
}

void FrmMain::buildMenus()
{
    QMenu *setting = menuBar()->addMenu(QStringLiteral("Setting"));
    setting->setObjectName(QStringLiteral("SettingMenu"));

    QMenu *newMenu = setting->addMenu(QStringLiteral("New"));
    newMenu->setObjectName(QStringLiteral("NuovaConfigurazione"));
    for (int code = gauge::FirstGaugeType; code <= gauge::LastGaugeType; ++code) {
        QAction *action = newMenu->addAction(fromView(gauge::gaugeTypeInfo(code)->menuName));
        action->setObjectName(controlName("Gauge", code));
        action->setShortcut(QKeySequence(Qt::CTRL | GaugeShortcutKeys[code - 1]));
        connect(action, &QAction::triggered, this,
                [this, code] { run([this, code] { m_model.chooseGaugeType(code); }); });
        m_gaugeActions.append(action);
    }

    QMenu *openMenu = setting->addMenu(QStringLiteral("Open  "));
    openMenu->setObjectName(QStringLiteral("ApriConfigurazione"));
    // Unavailable for good, like "Consuption" above: shown greyed, with nothing behind it.
    QAction *configurationFile = openMenu->addAction(QStringLiteral("Configuration File"));
    configurationFile->setObjectName(QStringLiteral("ConfFile"));
    configurationFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    configurationFile->setEnabled(false);
    addCommand(openMenu, "GaugPar", QStringLiteral("Gauge Parameter"),
               QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { m_model.openRecord(); });
    addCommand(setting, "SalvaConfigurazione", QStringLiteral("Save "),
               QKeySequence(Qt::CTRL | Qt::Key_S), [this] { m_model.saveRecord(); });
    addCommand(setting, "Uscita", QStringLiteral("Exit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
               [this] { m_model.exitProgram(gauge::ExitFrom::Menu); });

    QMenu *serial = menuBar()->addMenu(QStringLiteral("Serial Port"));
    serial->setObjectName(QStringLiteral("MenuSeriale"));
    for (int number = 1; number <= gauge::PortCount; ++number) {
        QAction *action = serial->addAction(QStringLiteral("COM%1").arg(number));
        action->setObjectName(controlName("SerialPort", number));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, number] { run([this, number] { m_model.choosePort(number); }); });
        m_serialPortActions.append(action);
    }
    connect(serial, &QMenu::aboutToShow, this, &FrmMain::refreshPortMenu);
    namePortDevices();

    QMenu *help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help"));
    addCommand(help, "Aiuto", QStringLiteral("Help on line"), QKeySequence(Qt::Key_F1),
               [this] { m_model.enterHelpMode(); });
    addCommand(help, "About", QStringLiteral("About"), QKeySequence(Qt::Key_F2),
               [this] { m_model.showAbout(); });
    addCommand(help, "HelpConnection", QStringLiteral("ShowConnection"), QKeySequence(Qt::Key_F3),
               [this] { m_model.showConnectionHelp(); });

    // Has no commands at all, so it is not shown.
    QAction *setup = menuBar()->addAction(QStringLiteral("Setup"));
    setup->setObjectName(QStringLiteral("SetStrumenti"));
    setup->setVisible(false);
}

QAction *FrmMain::addCommand(QMenu *menu, const char *name, const QString &caption,
                             const QKeySequence &shortcut, std::function<void()> command)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, command] { run(command); });
    m_commandActions.append(action);
    return action;
}

void FrmMain::run(const std::function<void()> &command)
{
    command();
    syncFromModel();
}

// The blue work area shows the logo until a gauge type brings up the gauge frame over it.
QWidget *FrmMain::buildWorkArea()
{
    m_workArea = new QWidget(this);
    m_workArea->setObjectName(QStringLiteral("WorkArea"));
    m_workArea->setAutoFillBackground(true);
    QPalette blue = m_workArea->palette();
    blue.setColor(QPalette::Window, WorkAreaBlue);
    m_workArea->setPalette(blue);

    m_picture = new PictureWidget(&Artwork::paintLogo, m_workArea);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setFixedSize(378, 376);

    auto *stack = new QGridLayout(m_workArea);
    stack->setContentsMargins(4, 2, 4, 2);
    stack->addWidget(m_picture, 0, 0, Qt::AlignCenter);
    stack->addWidget(buildGaugeFrame(), 0, 0);
    return m_workArea;
}

QWidget *FrmMain::buildGaugeFrame()
{
    m_frmGauge = frame("frmGauge", QString());
    // The frame is a panel of the ordinary window colour laid over the blue work area.
    m_frmGauge->setAutoFillBackground(true);
    QPalette panel = m_frmGauge->palette();
    panel.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    m_frmGauge->setPalette(panel);

    auto *grid = new QGridLayout(m_frmGauge);
    grid->addWidget(buildOptionFrame("frmPowerSupply", QStringLiteral("Power Supply"),
                                     Choice::Supply, {0, 1, 2, 3}),
                    0, 0);
    grid->addWidget(
        buildOptionFrame("frmUnit", QStringLiteral("Measure Units"), Choice::Unit, {0, 1, 2, 3}), 0,
        1);

    QGroupBox *sender = buildOptionFrame("frmSender", QStringLiteral("Sensor"), Choice::Sender, {});
    auto *senderGrid = new QGridLayout(sender);
    const QList<QRadioButton *> &senders = m_optionButtons[static_cast<int>(Choice::Sender)];
    const int senderWidth = widestSenderCaption(senders.first());
    for (int i = 0; i < senders.size(); ++i) {
        senders[i]->setMinimumWidth(senderWidth);
        senderGrid->addWidget(senders[i], i % 10, i / 10);
    }
    senderGrid->setRowStretch(10, 1);
    grid->addWidget(sender, 0, 2, 2, 1);

    QGroupBox *alarms = frame("frmSetAlarm", QStringLiteral("Alarm Setting"));
    alarms->setFont(boldFont(alarms->font(), 1));
    auto *alarmRow = new QHBoxLayout(alarms);
    QGroupBox *minimum = buildOptionFrame("frmAllMin", QStringLiteral("Minimum Alarm"),
                                          Choice::MinimumAlarm, {0, 1, 2, 3, 4});
    minimum->setToolTip(QStringLiteral("Minimum perctly of active alarm"));
    QGroupBox *maximum = buildOptionFrame("frmAllMax", QStringLiteral("Maximum Alarm"),
                                          Choice::MaximumAlarm, {4, 3, 2, 1, 0});
    maximum->setToolTip(QStringLiteral("Maximum Percently of active alarm"));
    QGroupBox *blinking
        = buildOptionFrame("fmrBLK", QStringLiteral("Blinking Alarm"), Choice::Blinking, {0, 1});
    blinking->setToolTip(QStringLiteral("Active the arrow blinking on LCD"));

    QGroupBox *output = frame("frmAllHw", QStringLiteral("Alarm Output Signal"));
    output->setToolTip(QStringLiteral("Active Output line at the gauge"));
    auto *outputRow = new QHBoxLayout(output);
    // Untitled on screen, where "OFF"/"ON" and "NO "/"NC" speak for themselves; an assistive tool
    // needs a name for each.
    QGroupBox *alarmOutput = buildOptionFrame("Frame1", QString(), Choice::AlarmOutput, {0, 1});
    alarmOutput->setAccessibleName(tr("Alarm output"));
    QGroupBox *contact = buildOptionFrame("Frame2", QString(), Choice::Contact, {0, 1});
    contact->setAccessibleName(tr("Alarm contact"));
    outputRow->addWidget(alarmOutput);
    outputRow->addWidget(contact);

    auto *rightColumn = new QVBoxLayout;
    rightColumn->addWidget(blinking);
    rightColumn->addWidget(output);
    alarmRow->addWidget(minimum);
    alarmRow->addWidget(maximum);
    alarmRow->addLayout(rightColumn);
    grid->addWidget(alarms, 1, 0, 1, 2);
    grid->setColumnStretch(0, 0);
    grid->setColumnStretch(1, 0);
    grid->setColumnStretch(2, 1);
    return m_frmGauge;
}

// Creates the option buttons of a group; those listed go into the frame top to bottom. They are
// real radio buttons, exclusive within their frame, and every way of ticking one (the mouse, the
// keyboard, an assistive tool's action) reaches the model as the same choice.
QGroupBox *FrmMain::buildOptionFrame(const char *name, const QString &caption, Choice choice,
                                     const QList<int> &topToBottom)
{
    QGroupBox *box = frame(name, caption);
    QList<QRadioButton *> &buttons = m_optionButtons[static_cast<int>(choice)];
    for (int i = 0; i < gauge::optionCount(choice); ++i) {
        auto *button = new QRadioButton(box);
        button->setObjectName(controlName(groupName(choice), i));
        QFont plain = button->font();
        plain.setBold(false);
        button->setFont(plain);
        connect(button, &QRadioButton::toggled, this, [this, choice, i](bool checked) {
            if (checked)
                run([this, choice, i] { m_model.chooseOption(choice, i); });
        });
        buttons.append(button);
    }
    if (!topToBottom.isEmpty()) {
        auto *column = new QVBoxLayout(box);
        for (int index : topToBottom)
            column->addWidget(buttons[index]);
        column->addStretch();
    }
    return box;
}

QGroupBox *FrmMain::buildToolBar()
{
    m_frmToolBar = frame("frmToolBar", QStringLiteral("ToolBar"), this);
    m_frmToolBar->setFixedHeight(ToolBarHeight);
    m_frmToolBar->setAutoFillBackground(true);
    auto *row = new QHBoxLayout(m_frmToolBar);
    row->setContentsMargins(8, 2, 8, 4);

    const auto button = [this](const char *name, const QString &caption, const QString &toolTip,
                               std::function<void()> command) {
        auto *push = new QPushButton(caption, m_frmToolBar);
        push->setObjectName(QLatin1String(name));
        push->setToolTip(toolTip);
        push->setFont(boldFont(push->font()));
        connect(push, &QPushButton::clicked, this, [this, command] { run(command); });
        return push;
    };
    m_cmdTransfer = button("cmdTransfer", QStringLiteral("Send Data"),
                           QStringLiteral("Send data to the digital instrument"),
                           [this] { m_model.sendData(); });
    row->addWidget(m_cmdTransfer);
    row->addWidget(button("cmdClearCofn", QStringLiteral("Clear"),
                          QStringLiteral("Clear the actual configuration"),
                          [this] { m_model.clearConfiguration(); }));
    row->addWidget(button("cmdClose", QStringLiteral("Close"),
                          QStringLiteral("Close the Configuration"),
                          [this] { m_model.closeGauge(); }));
    row->addStretch();
    row->addWidget(button("cmdExit", QStringLiteral("Exit"), QString(),
                          [this] { m_model.exitProgram(gauge::ExitFrom::ToolBar); }));
    return m_frmToolBar;
}

void FrmMain::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(28);
    m_statusText = new QLabel(bar);
    m_statusText->setObjectName(QStringLiteral("StatusText"));
    bar->addWidget(m_statusText, 1);
    m_progressBar = new QProgressBar(bar);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar2"));
    m_progressBar->setRange(0, 100);
    m_progressBar->setFixedWidth(273);
    m_progressBar->setToolTip(QStringLiteral("Serial Prograss Bar "));
    bar->addPermanentWidget(m_progressBar);
}

void FrmMain::syncFromModel()
{
    const bool idle = !m_model.transferInProgress();

    m_frmGauge->setVisible(m_model.gaugeFrameVisible());
    m_frmGauge->setTitle(fromView(m_model.gaugeFrameCaption()));
    m_frmGauge->setAccessibleName(m_frmGauge->title());
    m_picture->setVisible(!m_model.gaugeFrameVisible());
    for (int c = 0; c < gauge::ChoiceCount; ++c)
        syncGroup(static_cast<Choice>(c));

    m_statusText->setText(QString::fromStdString(m_model.statusText()));
    m_progressBar->setVisible(m_model.progressVisible());
    m_progressBar->setValue(m_model.progressValue());
    m_cmdTransfer->setEnabled(m_model.sendDataEnabled());

    // While a transfer waits for its reply the window takes no other command.
    m_frmGauge->setEnabled(idle);
    m_frmToolBar->setEnabled(idle);
    for (int code = gauge::FirstGaugeType; code <= gauge::LastGaugeType; ++code)
        m_gaugeActions[code - 1]->setEnabled(idle && gauge::isOfferedInMenu(code));
    for (int number = 1; number <= gauge::PortCount; ++number) {
        const gauge::PortMenuItem item = m_model.portMenuItem(number);
        QAction *action = m_serialPortActions[number - 1];
        action->setEnabled(idle && item.enabled);
        action->setChecked(item.checked);
    }
    for (QAction *action : std::as_const(m_commandActions))
        action->setEnabled(idle);

    if (m_model.mousePointer() == gauge::MousePointer::WhatsThis)
        setCursor(Qt::WhatsThisCursor);
    else
        unsetCursor();
}

// A redraw is no choice of the technician's, so the buttons stay quiet while the model's state is
// put on them. A group the model leaves without a selection shows none: an exclusive button is
// unticked from code by lifting its exclusivity for the moment.
void FrmMain::syncGroup(Choice choice)
{
    const QList<QRadioButton *> &buttons = m_optionButtons[static_cast<int>(choice)];
    for (int i = 0; i < buttons.size(); ++i) {
        const gauge::OptionView option = m_model.option(choice, i);
        QRadioButton *button = buttons[i];
        const QSignalBlocker quiet(button);
        button->setText(fromView(option.caption));
        button->setToolTip(fromView(option.toolTip));
        button->setVisible(option.visible);
        button->setEnabled(option.enabled);
        if (option.selected) {
            button->setChecked(true);
        } else if (button->isChecked()) {
            button->setAutoExclusive(false);
            button->setChecked(false);
            button->setAutoExclusive(true);
        }
    }
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    // Closing in the middle of a transfer would leave its wait running without a window.
    if (m_model.transferInProgress()) {
        event->ignore();
        return;
    }
    m_model.windowClosed();
    QMainWindow::closeEvent(event);
}
