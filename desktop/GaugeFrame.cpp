#include "GaugeFrame.h"

#include "CoreText.h"
#include "DesktopTexts.h"
#include "Frames.h"
#include "gauge/Catalogue.h"
#include "window/MainWindowModel.h"

#include <QApplication>
#include <QGridLayout>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>

using gauge::Choice;

namespace {

// The senders fill two columns of this many.
constexpr int SendersPerColumn = 10;
// Room between a sender's caption and the next column.
constexpr int SenderColumnGap = 8;

// The option groups keep the names the gauge's documentation gives their controls.
const char *groupName(Choice choice)
{
    static constexpr const char *Names[] = {"optVoltage", "optUnit", "optSender", "optMinAll",
                                            "optAllMax",  "optBLK",  "optAlLOut", "optNO_NC"};
    static_assert(std::size(Names) == gauge::ChoiceCount, "one name for each option group");
    return Names[static_cast<int>(choice)];
}

// How wide a sender option must be for the longest name of any gauge type.
int widestSenderCaption(const QRadioButton *button)
{
    const QFontMetrics metrics(button->font());
    int widest = 0;
    for (int code = gauge::FirstGaugeType; code <= gauge::LastGaugeType; ++code) {
        for (const gauge::SenderOption &sender : gauge::gaugeTypeInfo(code)->senders)
            widest = qMax(widest, metrics.horizontalAdvance(fromCore(sender.name)));
    }
    const QStyle *style = button->style();
    return widest + style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button)
        + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button) + SenderColumnGap;
}

// The longest caption an option of the group can carry, whatever the gauge type.
QString longestCaption(Choice choice)
{
    QString longest;
    for (int code = gauge::FirstGaugeType; code <= gauge::LastGaugeType; ++code) {
        for (int i = 0; i < gauge::optionCount(choice); ++i) {
            const QString caption = fromCore(gauge::optionName(code, choice, i));
            if (caption.size() > longest.size())
                longest = caption;
        }
    }
    return longest;
}

} // namespace

GaugeFrame::GaugeFrame(gauge::MainWindowModel &model, QWidget *parent)
    : QGroupBox(parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("frmGauge"));
    setFont(frameFont());
    // A panel of the ordinary window colour laid over the blue work area.
    setAutoFillBackground(true);
    QPalette panel = palette();
    panel.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    setPalette(panel);

    auto *grid = new QGridLayout(this);
    grid->addWidget(
        buildOptionFrame("frmPowerSupply", desktopText::PowerSupply, Choice::Supply, {0, 1, 2, 3}),
        0, 0);
    grid->addWidget(
        buildOptionFrame("frmUnit", desktopText::MeasureUnits, Choice::Unit, {0, 1, 2, 3}), 0, 1);
    grid->addWidget(buildSenderFrame(), 0, 2, 2, 1);
    grid->addWidget(buildAlarmFrame(), 1, 0, 1, 2);
    grid->setColumnStretch(0, 0);
    grid->setColumnStretch(1, 0);
    grid->setColumnStretch(2, 1);
}

QGroupBox *GaugeFrame::buildSenderFrame()
{
    QGroupBox *sender = buildOptionFrame("frmSender", desktopText::Sensor, Choice::Sender, {});
    auto *senderGrid = new QGridLayout(sender);
    const QList<QRadioButton *> &senders = m_optionButtons[static_cast<int>(Choice::Sender)];
    const int senderWidth = widestSenderCaption(senders.first());
    for (int i = 0; i < senders.size(); ++i) {
        senders[i]->setMinimumWidth(senderWidth);
        senderGrid->addWidget(senders[i], i % SendersPerColumn, i / SendersPerColumn);
    }
    // Below the last row, the room left over.
    senderGrid->setRowStretch(SendersPerColumn, 1);
    return sender;
}

// Only "Alarm Setting" itself is captioned a little larger; the frames inside it are captioned
// like every other.
QGroupBox *GaugeFrame::buildAlarmFrame()
{
    QGroupBox *alarms = captionedFrame("frmSetAlarm", desktopText::AlarmSetting);
    alarms->setFont(frameFont(1));
    auto *alarmRow = new QHBoxLayout(alarms);
    QGroupBox *minimum = buildOptionFrame("frmAllMin", desktopText::MinimumAlarm,
                                          Choice::MinimumAlarm, {0, 1, 2, 3, 4});
    minimum->setToolTip(desktopText::MinimumAlarmToolTip);
    QGroupBox *maximum = buildOptionFrame("frmAllMax", desktopText::MaximumAlarm,
                                          Choice::MaximumAlarm, {4, 3, 2, 1, 0});
    maximum->setToolTip(desktopText::MaximumAlarmToolTip);
    QGroupBox *blinking
        = buildOptionFrame("fmrBLk", desktopText::BlinkingAlarm, Choice::Blinking, {0, 1});
    blinking->setToolTip(desktopText::BlinkingAlarmToolTip);

    QGroupBox *output = captionedFrame("frmAllHw", desktopText::AlarmOutputSignal);
    output->setToolTip(desktopText::AlarmOutputSignalToolTip);
    auto *outputRow = new QHBoxLayout(output);
    // Untitled on screen, where "OFF"/"ON" and "NO "/"NC" speak for themselves; an assistive tool
    // needs a name for each.
    QGroupBox *alarmOutput = buildOptionFrame("Frame1", QString(), Choice::AlarmOutput, {0, 1});
    alarmOutput->setAccessibleName(desktopText::AlarmOutputName);
    QGroupBox *contact = buildOptionFrame("Frame2", QString(), Choice::Contact, {0, 1});
    contact->setAccessibleName(desktopText::AlarmContactName);
    outputRow->addWidget(alarmOutput);
    outputRow->addWidget(contact);

    auto *rightColumn = new QVBoxLayout;
    rightColumn->addWidget(blinking);
    rightColumn->addWidget(output);
    alarmRow->addWidget(minimum);
    alarmRow->addWidget(maximum);
    alarmRow->addLayout(rightColumn);
    return alarms;
}

// Creates the option buttons of a group; those listed go into the frame top to bottom.
QGroupBox *GaugeFrame::buildOptionFrame(const char *name, const QString &caption, Choice choice,
                                        const QList<int> &topToBottom)
{
    QGroupBox *box = captionedFrame(name, caption);
    QList<QRadioButton *> &buttons = m_optionButtons[static_cast<int>(choice)];
    for (int i = 0; i < gauge::optionCount(choice); ++i) {
        auto *button = new QRadioButton(box);
        button->setObjectName(indexedName(groupName(choice), i));
        QFont plain = button->font();
        plain.setBold(false);
        button->setFont(plain);
        connect(button, &QRadioButton::toggled, this, [this, choice, i](bool checked) {
            if (checked)
                m_model.chooseOption(choice, i);
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

// Measured with every option of the first sender column showing and the unit and voltage options
// carrying the longest caption they can have. No gauge type fills the second sender column, so it
// takes no room. The next redraw puts the model's captions back.
QSize GaugeFrame::sizeForEveryGaugeType()
{
    std::size_t longestList = 0;
    for (int code = gauge::FirstGaugeType; code <= gauge::LastGaugeType; ++code)
        longestList = std::max(longestList, gauge::gaugeTypeInfo(code)->senders.size());
    const QList<QRadioButton *> &senders = m_optionButtons[static_cast<int>(Choice::Sender)];
    for (qsizetype i = 0; i < senders.size(); ++i)
        senders[i]->setVisible(i < static_cast<qsizetype>(longestList));
    for (const Choice choice : {Choice::Supply, Choice::Unit}) {
        const QString longest = longestCaption(choice);
        for (QRadioButton *button : std::as_const(m_optionButtons[static_cast<int>(choice)]))
            button->setText(longest);
    }
    ensurePolished();
    return sizeHint();
}

void GaugeFrame::redraw()
{
    setVisible(m_model.gaugeFrameVisible());
    setTitle(fromCore(m_model.gaugeFrameCaption()));
    setAccessibleName(title());
    setEnabled(m_model.takesCommands());
    for (int c = 0; c < gauge::ChoiceCount; ++c)
        redrawGroup(static_cast<Choice>(c));
}

// A redraw is no choice of the technician's, so the buttons stay quiet while the model's state is
// put on them. A group the model leaves without a selection shows none: an exclusive button is
// unticked from code by lifting its exclusivity for the moment.
void GaugeFrame::redrawGroup(Choice choice)
{
    const QList<QRadioButton *> &buttons = m_optionButtons[static_cast<int>(choice)];
    for (int i = 0; i < buttons.size(); ++i) {
        const gauge::OptionView option = m_model.option(choice, i);
        QRadioButton *button = buttons[i];
        const QSignalBlocker quiet(button);
        button->setText(fromCore(option.caption));
        button->setToolTip(fromCore(option.toolTip));
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
