#include "window/MainWindowModel.h"

#include "gauge/Catalogue.h"
#include "transfer/SerialPort.h"
#include "window/WindowCommands.h"
#include "window/WindowTexts.h"

#include <utility>

namespace gauge {

namespace {

OptionView senderView(const GaugeConfiguration &configuration, int index)
{
    OptionView view;
    const GaugeTypeInfo *info = gaugeTypeInfo(configuration.gaugeType);
    if (!info || index < 0 || index >= static_cast<int>(info->senders.size())) {
        view.visible = false;
        return view;
    }
    const SenderOption &sender = info->senders[static_cast<std::size_t>(index)];
    view.toolTip = sender.note;
    view.visible = sender.state != SenderState::Hidden;
    // Types with several units keep their senders greyed until a unit is chosen.
    const bool unitChosen = configuration.unitIndex != NotChosen;
    view.enabled = sender.state == SenderState::Enabled
        || (sender.state == SenderState::AfterUnit && unitChosen);
    return view;
}

// A record may choose a sender the window does not offer for its gauge type; the gauge will get
// it all the same, so it is shown chosen, greyed, where no hand could choose it.
void showSenderFromRecord(OptionView &view, int index)
{
    view.visible = true;
    view.enabled = false;
    if (view.caption.empty())
        view.caption = WindowTexts::senderFromRecord(index);
}

} // namespace

MainWindowModel::MainWindowModel(Platform platform, PortSurvey &ports, Transfer &transfer)
    : m_platform(platform)
    , m_ports(ports)
    , m_transfer(transfer)
    , m_statusText(WindowTexts::InitialStatus)
{
    m_setup.setNoticeHandler([this](Notice notice) { showNotice(notice); });
    m_ports.port().setEvents({
        [this](std::span<const std::uint8_t> bytes) { m_transfer.bytesArrived(bytes); },
        [this](std::span<const std::uint8_t> lastBytes) {
            portLost();
            m_transfer.lineLost(lastBytes);
        },
    });
    m_ports.setAnswerListener([this] { portAnswered(); });
}

MainWindowModel::~MainWindowModel()
{
    m_ports.setAnswerListener({});
    m_ports.port().setEvents({});
}

void MainWindowModel::setChangeListener(std::function<void()> listener)
{
    m_changeListener = std::move(listener);
}

void MainWindowModel::changed()
{
    if (m_changeListener)
        m_changeListener();
}

// Every command of the technician's comes through here: none runs while a transfer waits for
// its reply, and the view hears of what it changed, or is put back as it was where a widget ran
// ahead of a refused command.
void MainWindowModel::runCommand(const std::function<void()> &command)
{
    if (takesCommands())
        command();
    changed();
}

// A message speaks of the state the window is in, so the view is brought up to date first.
void MainWindowModel::tell(MessageIcon icon, const std::string &text, const std::string &detail)
{
    changed();
    m_platform.messages.show(icon, text, detail);
}

bool MainWindowModel::ask(std::string_view question)
{
    changed();
    return m_platform.messages.ask(std::string(question));
}

void MainWindowModel::showNotice(Notice notice)
{
    const std::string text(noticeText(notice));
    tell(notice == Notice::DedicatedSupply ? MessageIcon::Information : MessageIcon::Error, text);
}

bool MainWindowModel::gaugeFrameVisible() const
{
    return m_setup.configuration().gaugeType != NotChosen;
}

std::string_view MainWindowModel::gaugeFrameCaption() const
{
    const GaugeTypeInfo *info = gaugeTypeInfo(m_setup.configuration().gaugeType);
    return info ? info->title : std::string_view();
}

OptionView MainWindowModel::option(Choice choice, int index) const
{
    const GaugeConfiguration &configuration = m_setup.configuration();
    OptionView view;
    switch (choice) {
    case Choice::Supply:
        view.visible = index < static_cast<int>(SupplyNames.size());
        break;
    case Choice::Unit: {
        const GaugeTypeInfo *info = gaugeTypeInfo(configuration.gaugeType);
        view.visible = info && index < info->unitCount();
        break;
    }
    case Choice::Sender:
        view = senderView(configuration, index);
        break;
    case Choice::Contact:
        view.toolTip = ContactNotes[static_cast<std::size_t>(index)];
        break;
    case Choice::MinimumAlarm:
    case Choice::MaximumAlarm:
    case Choice::Blinking:
    case Choice::AlarmOutput:
        break;
    }
    view.caption = optionName(configuration.gaugeType, choice, index);
    view.selected = m_setup.selected(choice) == index;
    if (choice == Choice::Sender && view.selected && !view.visible)
        showSenderFromRecord(view, index);
    return view;
}

bool MainWindowModel::gaugeTypeOffered(int gaugeType) const
{
    return takesCommands() && isOfferedInMenu(gaugeType);
}

void MainWindowModel::chooseGaugeType(int gaugeType)
{
    runCommand([&] { m_setup.chooseGaugeType(gaugeType); });
}

void MainWindowModel::chooseOption(Choice choice, int index)
{
    runCommand([&] { m_setup.choose(choice, index); });
}

void MainWindowModel::enterHelpMode()
{
    runCommand([this] {
        m_mousePointer = MousePointer::WhatsThis;
        m_helpMode = true;
        m_statusText = WindowTexts::HelpModeStatus;
    });
}

// The first step of each tool bar button: in help mode the click explains the button instead
// of running it, and ends help mode.
bool MainWindowModel::explainedInHelpMode(std::string_view helpText)
{
    if (!m_helpMode)
        return false;
    m_helpMode = false;
    m_statusText = helpText;
    m_mousePointer = MousePointer::Default;
    return true;
}

void MainWindowModel::clearConfiguration()
{
    runCommand([this] {
        if (!explainedInHelpMode(WindowTexts::ClearHelp))
            m_setup.clearChoices();
    });
}

void MainWindowModel::closeGauge()
{
    runCommand([this] {
        if (!explainedInHelpMode(WindowTexts::CloseHelp))
            m_setup.closeGauge();
    });
}

void MainWindowModel::exitProgram(ExitFrom from)
{
    runCommand([this, from] {
        if (from == ExitFrom::ToolBar && explainedInHelpMode(WindowTexts::ExitHelp))
            return;
        windowMayClose();
        m_platform.windows.closeMainWindow();
    });
}

// The port is let go at once: the help windows may keep the program running, and another program
// must be able to take the port meanwhile. A transfer under way keeps the window: its wait would
// go on without one.
bool MainWindowModel::windowMayClose()
{
    if (!takesCommands())
        return false;
    m_ports.port().close();
    return true;
}

void MainWindowModel::showAbout()
{
    runCommand([this] { m_platform.windows.showAbout(); });
}

void MainWindowModel::showConnectionHelp()
{
    runCommand([this] { m_platform.windows.showConnectionHelp(); });
}

} // namespace gauge
