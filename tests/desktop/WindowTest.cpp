// The Qt view: it shows what the model says and hands clicks to it.
#include "AboutWindow.h"
#include "CommandLine.h"
#include "ConnectionHelpWindow.h"
#include "MainWindow.h"
#include "QtFileDialogs.h"
#include "QtMessages.h"
#include "QtWindowCommands.h"
#include "serial/BackgroundProbes.h"
#include "support/Fakes.h"
#include "support/TempDir.h"
#include "transfer/PortMap.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTextDocument>
#include <QtCore/qtestsupport_core.h>
#include <QtWidgets/qtestsupport_widgets.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>

namespace gauge::test {
namespace {

FixedPortMap twoPorts()
{
    FixedPortMap ports;
    ports.set(1, {"/dev/ttyUSB0", "USB-Serial Controller"});
    ports.set(2, {"/dev/ttyUSB1", "USB-Serial Controller"});
    return ports;
}

class Window : public testing::Test
{
protected:
    Window()
        : Window(nullptr)
    {
    }
    // probes: how the start asks the devices whether they open; none: the port answers at once.
    explicit Window(PortProbes *probes)
        : ports(twoPorts())
        , survey(probes ? PortSurvey(port, ports, *probes) : PortSurvey(port, ports))
        , model(Platform {messages, dialogs, windows}, survey, transfer)
        , window(model)
    {
        port.refusals["/dev/ttyUSB1"] = {OpenFailure::NotThere, 2};
        windows.setMainWindow(&window);
        window.startUp();
        window.show();
    }

    template<typename T> T *find(const QString &name) const
    {
        T *child = window.findChild<T *>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }
    QRadioButton *option(const char *group, int index) const
    {
        return find<QRadioButton>(QStringLiteral("%1(%2)").arg(QLatin1String(group)).arg(index));
    }
    QString statusText() const { return find<QLabel>(QStringLiteral("StatusText"))->text(); }

    FakeMessages messages;
    FakeFileDialogs dialogs;
    FakeClock clock;
    FakeTimer timer {clock};
    FakeSerialPort port;
    FixedPortMap ports;
    QtWindowCommands windows;
    Transfer transfer {port, clock, timer};
    PortSurvey survey;
    MainWindowModel model;
    MainWindow window;
};

TEST_F(Window, StartsWithTheLogoAndTheLayoutsTexts)
{
    EXPECT_EQ(window.windowTitle(), "Digital Instrument");
    EXPECT_FALSE(find<QGroupBox>("frmGauge")->isVisible());
    EXPECT_TRUE(find<QWidget>("Picture1")->isVisible());
    EXPECT_EQ(find<QGroupBox>("frmToolBar")->title(), "ToolBar");
    EXPECT_EQ(find<QStatusBar>("StatusBar1"), window.statusBar());
    EXPECT_EQ(statusText(), "Serial Port Not Chosen yet or not available");
    EXPECT_FALSE(find<QProgressBar>("ProgressBar2")->isVisible());
    EXPECT_EQ(find<QProgressBar>("ProgressBar2")->toolTip(), "Serial Prograss Bar ");

    struct Button
    {
        const char *name;
        const char *caption;
        const char *toolTip;
    };
    for (const Button &b :
         {Button {"cmdTransfer", "Send Data", "Send data to the digital instrument"},
          Button {"cmdClearCofn", "Clear", "Clear the actual configuration"},
          Button {"cmdClose", "Close", "Close the Configuration"},
          Button {"cmdExit", "Exit", ""}}) {
        auto *button = find<QPushButton>(b.name);
        EXPECT_EQ(button->text(), b.caption);
        EXPECT_EQ(button->toolTip(), b.toolTip);
        EXPECT_TRUE(button->font().bold());
    }

    const std::pair<const char *, const char *> frames[] = {{"frmPowerSupply", "Power Supply"},
                                                            {"frmUnit", "Measure Units"},
                                                            {"frmSender", "Sensor"},
                                                            {"frmSetAlarm", "Alarm Setting"},
                                                            {"frmAllMin", "Minimum Alarm"},
                                                            {"frmAllMax", "Maximum Alarm"},
                                                            {"fmrBLk", "Blinking Alarm"},
                                                            {"frmAllHw", "Alarm Output Signal"},
                                                            {"Frame1", ""},
                                                            {"Frame2", ""}};
    for (const auto &[name, caption] : frames)
        EXPECT_EQ(find<QGroupBox>(name)->title(), caption);
    EXPECT_EQ(find<QGroupBox>("frmAllMin")->toolTip(), "Minimum perctly of active alarm");
    EXPECT_EQ(find<QGroupBox>("frmAllMax")->toolTip(), "Maximum Percently of active alarm");
    EXPECT_EQ(find<QGroupBox>("fmrBLk")->toolTip(), "Active the arrow blinking on LCD");
    EXPECT_EQ(find<QGroupBox>("frmAllHw")->toolTip(), "Active Output line at the gauge");
    EXPECT_EQ(option("optNO_NC", 0)->text(), "NO ");
    EXPECT_EQ(option("optNO_NC", 1)->toolTip(), "Norm. Closed");
    EXPECT_EQ(option("optAllMax", 3)->text(), "80 %");
}

// Tests and assistive tools find the controls by the names the gauge's documentation gives them:
// each name is there once, inside the control the documentation puts it in. "optUnit(0-3)"
// stands for a group named once per index.
TEST_F(Window, EveryControlCarriesItsDocumentedNameInsideItsDocumentedContainer)
{
    const std::pair<const char *, const char *> tree[] = {
        {"FrmMain",
         "frmGauge Picture1 frmToolBar StatusBar1 ProgressBar2 SettingMenu MenuSeriale "
         "Help SetStrumenti"},
        {"frmGauge", "frmPowerSupply frmUnit frmSender frmSetAlarm"},
        {"frmSetAlarm", "frmAllMin frmAllMax fmrBLk frmAllHw"},
        {"frmAllHw", "Frame1 Frame2"},
        {"frmPowerSupply", "optVoltage(0-3)"},
        {"frmUnit", "optUnit(0-3)"},
        {"frmSender", "optSender(0-19)"},
        {"frmAllMin", "optMinAll(0-4)"},
        {"frmAllMax", "optAllMax(0-4)"},
        {"fmrBLk", "optBLK(0-1)"},
        {"Frame1", "optAlLOut(0-1)"},
        {"Frame2", "optNO_NC(0-1)"},
        {"frmToolBar", "cmdTransfer cmdClearCofn cmdClose cmdExit"},
        {"SettingMenu", "NuovaConfigurazione ApriConfigurazione SalvaConfigurazione Uscita"},
        {"NuovaConfigurazione", "Gauge(1-10)"},
        {"ApriConfigurazione", "ConfFile GaugPar"},
        {"MenuSeriale", "SerialPort(1-12)"},
        {"Help", "Aiuto About HelpConnection"},
    };
    ASSERT_EQ(window.objectName(), "FrmMain");
    const QRegularExpression group(QStringLiteral("(\\w+)\\((\\d+)-(\\d+)\\)"));
    for (const auto &[containerName, names] : tree) {
        const QObject *container = window.objectName() == QLatin1String(containerName)
            ? &window
            : window.findChild<QObject *>(QLatin1String(containerName));
        ASSERT_NE(container, nullptr) << containerName;
        for (const QString &entry : QString::fromLatin1(names).split(QLatin1Char(' '))) {
            QStringList expanded {entry};
            if (const QRegularExpressionMatch match = group.match(entry); match.hasMatch()) {
                expanded.clear();
                for (int i = match.captured(2).toInt(); i <= match.captured(3).toInt(); ++i)
                    expanded << QStringLiteral("%1(%2)").arg(match.captured(1)).arg(i);
            }
            for (const QString &name : std::as_const(expanded))
                EXPECT_EQ(container->findChildren<QObject *>(name).size(), 1)
                    << name.toStdString() << " in " << containerName;
        }
    }
}

// Only "Alarm Setting" itself is captioned larger; the frames inside it are like every other.
TEST_F(Window, OnlyAlarmSettingHasTheLargerCaption)
{
    const qreal normal = find<QGroupBox>("frmUnit")->font().pointSizeF();
    EXPECT_GT(find<QGroupBox>("frmSetAlarm")->font().pointSizeF(), normal);
    for (const char *inner : {"frmAllMin", "frmAllMax", "fmrBLk", "frmAllHw", "Frame1"}) {
        EXPECT_EQ(find<QGroupBox>(inner)->font().pointSizeF(), normal) << inner;
        EXPECT_TRUE(find<QGroupBox>(inner)->font().bold()) << inner;
    }
}

TEST_F(Window, MenusCarryTheirCaptionsShortcutsAndStates)
{
    const char *keys = "ABCDEFGHIK";
    const char *captions[]
        = {"Fuel Level",      "Consuption",        "Oil Pressure", "Water Level", "Air Temperature",
           "Oil Temperature", "Water Temperature", "Voltmeter",    "Ammeter",     "Waste Level"};
    for (int code = 1; code <= 10; ++code) {
        auto *action = find<QAction>(QStringLiteral("Gauge(%1)").arg(code));
        EXPECT_EQ(action->text(), captions[code - 1]);
        EXPECT_EQ(action->shortcut(),
                  QKeySequence(QStringLiteral("Ctrl+%1").arg(QLatin1Char(keys[code - 1]))));
        EXPECT_EQ(action->isEnabled(), code != 2) << code;
    }
    struct Entry
    {
        const char *name;
        const char *caption;
        const char *shortcut;
    };
    for (const Entry &e :
         {Entry {"ConfFile", "Configuration File", "Ctrl+X"},
          Entry {"GaugPar", "Gauge Parameter", "Ctrl+Y"},
          Entry {"SalvaConfigurazione", "Save ", "Ctrl+S"}, Entry {"Uscita", "Exit", "Ctrl+Q"},
          Entry {"Aiuto", "Help on line", "F1"}, Entry {"About", "About", "F2"},
          Entry {"HelpConnection", "ShowConnection", "F3"}}) {
        auto *action = find<QAction>(e.name);
        EXPECT_EQ(action->text(), e.caption);
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(e.shortcut)));
    }
    EXPECT_FALSE(find<QAction>("ConfFile")->isEnabled());
    EXPECT_TRUE(find<QAction>("GaugPar")->isEnabled());
    EXPECT_FALSE(find<QAction>("SetStrumenti")->isVisible());
    EXPECT_EQ(find<QMenu>("ApriConfigurazione")->title(), "Open  ");
    EXPECT_EQ(find<QMenu>("MenuSeriale")->title(), "Serial Port");

    auto *com1 = find<QAction>("SerialPort(1)");
    EXPECT_EQ(com1->text(), "COM1");
    EXPECT_TRUE(com1->isEnabled());
    EXPECT_EQ(com1->statusTip(), "/dev/ttyUSB0 – USB-Serial Controller");
    EXPECT_FALSE(find<QAction>("SerialPort(2)")->isEnabled());
    EXPECT_EQ(find<QAction>("SerialPort(12)")->text(), "COM12");
}

TEST_F(Window, AGaugeTypeBringsUpItsFrame)
{
    find<QAction>("Gauge(3)")->trigger();
    auto *frame = find<QGroupBox>("frmGauge");
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->title(), "Oil pressure");
    EXPECT_FALSE(find<QWidget>("Picture1")->isVisible());
    EXPECT_EQ(option("optUnit", 2)->text(), "BAR");
    EXPECT_FALSE(option("optUnit", 3)->isVisible());
    EXPECT_EQ(option("optSender", 2)->text(), "Teleflex  80PSI 4HD");
    EXPECT_FALSE(option("optSender", 2)->isEnabled());
    EXPECT_FALSE(option("optSender", 8)->isVisible());
    EXPECT_TRUE(option("optVoltage", 0)->isChecked());
    EXPECT_EQ(option("optVoltage", 1)->text(), "24 Vdc (Dedicated)");

    option("optUnit", 2)->click();
    EXPECT_EQ(model.setup().configuration().unitIndex, 2);
    EXPECT_TRUE(option("optSender", 2)->isEnabled());

    find<QPushButton>("cmdClose")->click();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(find<QWidget>("Picture1")->isVisible());
}

TEST_F(Window, ClicksReachTheModelAndTheViewFollowsIt)
{
    find<QAction>("Gauge(1)")->trigger();
    QRadioButton *sender = option("optSender", 4);
    sender->click();
    EXPECT_EQ(model.setup().configuration().senderIndex, 4);
    EXPECT_TRUE(sender->isChecked());
    // A second click on a selected option would untick a free-standing button; the model keeps
    // it selected and the view shows that.
    sender->click();
    EXPECT_TRUE(sender->isChecked());
    EXPECT_EQ(model.setup().configuration().senderIndex, 4);

    option("optSender", 0)->click();
    EXPECT_FALSE(sender->isChecked());
    EXPECT_TRUE(option("optSender", 0)->isChecked());

    // A rejected threshold leaves its group without a ticked option.
    option("optAllMax", 1)->click();
    option("optMinAll", 4)->click();
    EXPECT_EQ(messages.texts(),
              std::vector<std::string> {"Error: Minimu Alarm is greater than Maximum Alarm"});
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(option("optMinAll", i)->isChecked()) << i;
}

TEST_F(Window, PortChoiceAndHelpModeShowInTheWindow)
{
    find<QAction>("SerialPort(1)")->trigger();
    EXPECT_EQ(statusText(), "COM1 Active");
    EXPECT_TRUE(find<QAction>("SerialPort(1)")->isChecked());

    find<QAction>("Aiuto")->trigger();
    EXPECT_EQ(statusText(), "Help on line: Click on component");
    EXPECT_EQ(window.cursor().shape(), Qt::WhatsThisCursor);
    find<QPushButton>("cmdClearCofn")->click();
    EXPECT_EQ(statusText(), "Clear the gauge parameter ");
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Window, TheTransferShowsItsProgress)
{
    find<QAction>("SerialPort(1)")->trigger();
    find<QAction>("Gauge(2)")->setEnabled(true); // reached through a record in use
    find<QAction>("Gauge(2)")->trigger();
    find<QPushButton>("cmdTransfer")->click();

    // The gauge has not answered yet: the window shows the wait and takes no other command.
    auto *progress = find<QProgressBar>("ProgressBar2");
    EXPECT_EQ(statusText(), "Set in progress.....");
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->value(), 49);
    EXPECT_FALSE(find<QGroupBox>("frmToolBar")->isEnabled());
    EXPECT_FALSE(find<QGroupBox>("frmGauge")->isEnabled());
    EXPECT_FALSE(find<QAction>("Gauge(1)")->isEnabled());
    EXPECT_FALSE(find<QAction>("SerialPort(1)")->isEnabled());
    EXPECT_FALSE(find<QAction>("GaugPar")->isEnabled());
    window.close();
    EXPECT_TRUE(window.isVisible());

    runLine(port, timer, [this] { return model.takesCommands(); });
    EXPECT_EQ(statusText(), "Data has been sent successfully ");
    EXPECT_EQ(progress->value(), 100);
    EXPECT_TRUE(find<QGroupBox>("frmToolBar")->isEnabled());
    EXPECT_TRUE(find<QAction>("GaugPar")->isEnabled());
}

TEST_F(Window, ConnectionHelpComesUpOnceAfterStartAndIsRaisedNotDuplicated)
{
    EXPECT_EQ(windows.connectionHelp(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([this] { return windows.connectionHelp() != nullptr; }));
    ConnectionHelpWindow *help = windows.connectionHelp();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Help Connection");

    find<QAction>("HelpConnection")->trigger();
    EXPECT_EQ(windows.connectionHelp(), help);
    EXPECT_EQ(QApplication::topLevelWidgets().count(help), 1);

    help->findChild<QPushButton *>("cmdClose")->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return windows.connectionHelp() == nullptr; }));
    find<QAction>("HelpConnection")->trigger();
    ASSERT_NE(windows.connectionHelp(), nullptr);
    EXPECT_TRUE(windows.connectionHelp()->isVisible());
}

TEST_F(Window, ConnectionHelpTexts)
{
    find<QAction>("HelpConnection")->trigger();
    ConnectionHelpWindow *help = windows.connectionHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->findChild<QLabel *>("lblHelp")->text().startsWith(
        "The gauge can be connected to a personal computer using Products DRAV TQX-4471"));
    EXPECT_EQ(help->findChild<QLabel *>("Label3")->text(),
              "3) Attach feeding jack plug (marked red) to Jack 2 or 3.");
    EXPECT_EQ(help->findChild<QLabel *>("Label1")->text(),
              "1) Attach jack plug (marked green) of the programming cable  to Jack S of the gauge "
              "(Jack 1). ");
    EXPECT_EQ(help->findChild<QWidget *>("Picture1")->size(), QSize(600, 208));
    auto *check = help->findChild<QCheckBox *>("chkStartup");
    ASSERT_NE(check, nullptr);
    EXPECT_FALSE(check->isVisible());
    EXPECT_EQ(check->text(), "Shows to the next startup ");
}

TEST_F(Window, AboutIsRaisedNotDuplicated)
{
    find<QAction>("About")->trigger();
    AboutWindow *about = windows.about();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "Information");
    find<QAction>("About")->trigger();
    EXPECT_EQ(windows.about(), about);
    EXPECT_EQ(about->findChild<QLabel *>("lblRelease")->text(), "Release 1.2");
    EXPECT_EQ(about->findChild<QPushButton *>("cmdClose")->text(), "OK");
}

TEST_F(Window, ClosingTheWindowAnyWayLetsGoOfThePort)
{
    find<QAction>("SerialPort(1)")->trigger();
    ASSERT_TRUE(port.isOpen());
    window.close(); // the title bar's close button, or Alt+F4
    EXPECT_FALSE(port.isOpen());
}

TEST_F(Window, ExitClosesTheMainWindowOnly)
{
    find<QAction>("HelpConnection")->trigger();
    find<QPushButton>("cmdExit")->click();
    EXPECT_FALSE(window.isVisible());
    ASSERT_NE(windows.connectionHelp(), nullptr);
    EXPECT_TRUE(windows.connectionHelp()->isVisible());
}

// What an assistive tool sees and does: radio buttons in frames named by their own captions, and
// its toggle and press actions choose exactly as a click does.
TEST_F(Window, AssistiveToolsSeeRadioButtonsInNamedFramesAndTheirActionsChoose)
{
    find<QAction>("Gauge(1)")->trigger();
    const std::pair<const char *, const char *> frames[]
        = {{"frmGauge", "Fuel Level"},         {"frmPowerSupply", "Power Supply"},
           {"frmUnit", "Measure Units"},       {"frmSender", "Sensor"},
           {"frmSetAlarm", "Alarm Setting"},   {"frmAllMin", "Minimum Alarm"},
           {"frmAllMax", "Maximum Alarm"},     {"fmrBLk", "Blinking Alarm"},
           {"frmAllHw", "Alarm Output Signal"}};
    for (const auto &[name, caption] : frames) {
        QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(find<QGroupBox>(name));
        ASSERT_NE(frame, nullptr) << name;
        EXPECT_EQ(frame->text(QAccessible::Name), caption) << name;
    }
    EXPECT_NE(
        QAccessible::queryAccessibleInterface(find<QGroupBox>("Frame1"))->text(QAccessible::Name),
        QAccessible::queryAccessibleInterface(find<QGroupBox>("Frame2"))->text(QAccessible::Name));

    QAccessibleInterface *reed = QAccessible::queryAccessibleInterface(option("optSender", 4));
    ASSERT_NE(reed, nullptr);
    EXPECT_EQ(reed->role(), QAccessible::RadioButton);
    EXPECT_EQ(reed->text(QAccessible::Name), option("optSender", 4)->text());
    ASSERT_NE(reed->actionInterface(), nullptr);
    reed->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(model.setup().configuration().senderIndex, 4);
    EXPECT_TRUE(option("optSender", 4)->isChecked());

    QAccessibleInterface *first = QAccessible::queryAccessibleInterface(option("optSender", 0));
    first->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([this] { return model.setup().configuration().senderIndex == 0; }));
    EXPECT_FALSE(option("optSender", 4)->isChecked());

    QAccessibleInterface *clear
        = QAccessible::queryAccessibleInterface(find<QPushButton>("cmdClearCofn"));
    clear->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !model.setup().configuration().complete(); }));
    EXPECT_FALSE(option("optSender", 0)->isChecked());
}

// A key pressed and let go on the widget, as the keyboard delivers it. (The window tests do without
// the Qt Test library, which the Windows build of Qt leaves out.)
void pressKey(QWidget *widget, Qt::Key key)
{
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

// Tab to a group, then the arrow keys and Space choose; the screen never shows a choice the
// configuration does not have, also where the model refuses one.
TEST_F(Window, TheKeyboardChoosesAsTheMouseDoes)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    find<QAction>("Gauge(3)")->trigger();
    QRadioButton *psi = option("optUnit", 0);
    psi->setFocus();
    pressKey(psi, Qt::Key_Space);
    EXPECT_EQ(model.setup().configuration().unitIndex, 0);
    pressKey(psi, Qt::Key_Down);
    EXPECT_EQ(model.setup().configuration().unitIndex, 1);
    EXPECT_TRUE(option("optUnit", 1)->isChecked());
    EXPECT_FALSE(psi->isChecked());

    // A minimum of 80% above a maximum of 40% is refused, and nothing stays ticked.
    option("optAllMax", 1)->click();
    QRadioButton *high = option("optMinAll", 4);
    high->setFocus();
    pressKey(high, Qt::Key_Space);
    EXPECT_EQ(messages.texts().back(), "Error: Minimu Alarm is greater than Maximum Alarm");
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(option("optMinAll", i)->isChecked()) << i;
}

// A name outside ASCII as the programs hold it: on POSIX the system's bytes, UTF-8 or not (here
// Latin-1); on Windows UTF-8, beyond what an ANSI code page holds.
#ifdef _WIN32
const std::string Accented = "-Prüf-東京";
#else
const std::string Accented = "-\xe9";
#endif

// Such a name still names its file.
TEST_F(Window, ARecordNamedOnTheCommandLineOrDroppedOpens)
{
    TempDir dir;
    const std::string record = dir.path("oil" + Accented + ".gag");
    writeAll(record, {100, 103, 102, 101, 101, 103, 100, 100, 100});

    const gauge::Result<CommandLine> commandLine = readCommandLine({"gauge-programmer", record});
    ASSERT_TRUE(commandLine.ok());
    EXPECT_EQ(commandLine.value().record, record);
    window.openRecordFile(commandLine.value().record);
    EXPECT_EQ(model.setup().configuration().gaugeType, OilPressure);
    EXPECT_EQ(find<QGroupBox>("frmGauge")->title(), "Oil pressure");
    EXPECT_TRUE(option("optSender", 2)->isChecked());

    // A file that is refused changes nothing and says why, as from the menu.
    const std::string bad = dir.path("bad.gag");
    writeAll(bad, {1, 2, 3});
    window.openRecordFile(bad);
    EXPECT_EQ(messages.texts().back(),
              "The file \"" + bad
                  + "\" is not a valid gauge parameter file: it holds 3 "
                    "bytes, a gauge parameter record holds 9.");
    EXPECT_EQ(model.setup().configuration().gaugeType, OilPressure);

    const std::string voltmeter = dir.path("volt" + Accented + ".gag");
    writeAll(voltmeter, {100, 108, 100, 100, 101, 103, 101, 100, 100});
    QMimeData data;
#ifdef _WIN32
    // Windows names files in UTF-16: the file manager hands over the URL of that name.
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(voltmeter))});
#else
    data.setUrls({QUrl::fromEncoded(
        "file://" + QByteArray::fromStdString(voltmeter).toPercentEncoding("/"))});
#endif
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_TRUE(
        QTest::qWaitFor([this] { return model.setup().configuration().gaugeType == Voltmeter; }));

    QMimeData text;
    text.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir.path("notes.txt")))});
    QDragEnterEvent other(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &other);
    EXPECT_FALSE(other.isAccepted());

    EXPECT_EQ(readCommandLine({"gauge-programmer", "a.gag", "b.gag"}).error().reason,
              "One record at a time, please.");
}

// Everything a message shows from outside (a file name, the system's words) is shown exactly as
// it is: a name that looks like formatting is not read as formatting.
TEST(MessageBoxes, ShowTheirTextsAsPlainText)
{
    const std::string text = "The file \"<i>tank  3.gag\" could not be read: a<br>b.";
    const std::string detail = "A folder named <u>site  & more";
    const auto box = QtMessages().messageBox(MessageIcon::Error, text, detail);
    // What a label displays: its text, unless it takes that text for rich text.
    std::vector<std::string> shown;
    for (const QLabel *label : box->findChildren<QLabel *>()) {
        const bool rich = label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        QTextDocument document;
        document.setHtml(label->text());
        shown.push_back((rich ? document.toPlainText() : label->text()).toStdString());
    }
    EXPECT_NE(std::find(shown.begin(), shown.end(), text), shown.end());
    EXPECT_NE(std::find(shown.begin(), shown.end(), detail), shown.end());
}

TEST_F(Window, TheSerialPortMenuLooksAtThePortsAgainWhenItOpens)
{
    ports.remove(2);
    ports.set(3, {"/dev/ttyACM0", "Programming cable"});
    const std::size_t openings = port.openings.size();
    QMenu *menu = find<QMenu>("MenuSeriale");
    QMetaObject::invokeMethod(menu, "aboutToShow");
    EXPECT_TRUE(find<QAction>("SerialPort(3)")->isEnabled());
    EXPECT_EQ(find<QAction>("SerialPort(3)")->statusTip(), "/dev/ttyACM0 – Programming cable");
    EXPECT_EQ(find<QAction>("SerialPort(2)")->statusTip(), "No serial device found for this port");
    EXPECT_EQ(port.openings.size(), openings + 1);
}

// The device behind COM1 takes 10 s to say whether it opens, as a Bluetooth port whose device is
// away does, unless answered sooner; the start asks it on a thread of its own.
struct SlowDevice
{
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
    std::promise<void> answer;
    BackgroundProbes probes {
        [answered = answer.get_future().share()](const PortDevice &device) -> Opening {
            if (device.path != "/dev/ttyUSB0")
                return OpeningRefusal {OpenFailure::NotThere, 2};
            answered.wait_for(std::chrono::seconds(10));
            return {};
        }};
};

class WindowWithASlowDevice : public SlowDevice, public Window
{
protected:
    WindowWithASlowDevice()
        : Window(&probes)
    {
    }
};

// The window comes up at once, takes commands and goes on with its start; COM1 is greyed, said to
// be still being tried, until its answer comes.
TEST_F(WindowWithASlowDevice, ComesUpAtOnceAndOffersThePortOnceItAnswers)
{
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    EXPECT_TRUE(window.isVisible());
    QAction *com1 = find<QAction>("SerialPort(1)");
    EXPECT_FALSE(com1->isEnabled());
    EXPECT_EQ(com1->statusTip(),
              "/dev/ttyUSB0 – USB-Serial Controller – still being tried, not yet known to open");
    EXPECT_EQ(statusText(), "Serial Port Not Chosen yet or not available");
    find<QAction>("Gauge(3)")->trigger();
    EXPECT_TRUE(find<QGroupBox>("frmGauge")->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([this] { return windows.connectionHelp() != nullptr; }));

    answer.set_value();
    EXPECT_TRUE(QTest::qWaitFor([com1] { return com1->isEnabled(); }, 5000));
    EXPECT_EQ(com1->statusTip(), "/dev/ttyUSB0 – USB-Serial Controller");
}

TEST(FileDialogFilter, TakesTheQtForm)
{
    EXPECT_EQ(qtNameFilter({"Configuaration GAUGE  (*.gag)", "gag"}),
              "Configuaration GAUGE  (*.gag)");
    EXPECT_EQ(qtNameFilter({"Records", "gag"}), "Records (*.gag)");
}

// A name the technician sees comes back as it was typed, from a drop (a file dialog's answer takes
// the same way) to the box that refuses the record.
TEST_F(Window, ADroppedNameIsShownAsTyped)
{
    TempDir dir;
    const std::string typed = dir.path("Prüfprotokoll-東京.gag");
    writeAll(typed, {1, 2, 3});
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(typed))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !messages.shown.empty(); }));
    const auto box = QtMessages().messageBox(MessageIcon::Error, messages.texts().back(), {});
    EXPECT_EQ(box->text().toStdString(),
              "The file \"" + typed
                  + "\" is not a valid gauge parameter file: it holds 3 bytes, a gauge parameter "
                    "record holds 9.");
}

} // namespace
} // namespace gauge::test
