#include "shell/MainForm.h"

#include "curves/DisplayOptions.h"
#include "shell/WindowCommands.h"

#include <utility>

namespace gauge {

namespace {

constexpr const char *InitialStatusText = "Serial Port Not Chosen yet or not available";
constexpr const char *NoPortStatusText = "Attention: Serial Port Not Available";
constexpr int Timer1StartInterval = 100;

// The captions the groups carry before a gauge type is chosen; the gauge type setup replaces
// those of the voltage, unit and sender options before the frame is ever shown.
OptionGroup makeGroup(const char *name, int count, const char *placeholder)
{
    OptionGroup group(name, count);
    for (int i = 0; i < count; ++i)
        group.option(i).caption = placeholder;
    return group;
}

template<std::size_t N>
OptionGroup makeGroup(const char *name, const std::array<std::string_view, N> &captions)
{
    OptionGroup group(name, static_cast<int>(N));
    for (std::size_t i = 0; i < N; ++i)
        group.option(static_cast<int>(i)).caption = captions[i];
    return group;
}

} // namespace

MainForm::MainForm(Platform platform)
    : m_platform(platform)
    , m_groups {makeGroup("optVoltage", 4, "Option2"), makeGroup("optUnit", 4, "Option2"),
                makeGroup("optSender", 20, "Option1"), makeGroup("optMinAll", MinAlarmCaptions),
                makeGroup("optAllMax", MaxAlarmCaptions),  makeGroup("optBLK", OnOffCaptions),
                makeGroup("optAlLOut", OnOffCaptions),     makeGroup("optNO_NC", ContactCaptions)}
    , m_statusText(InitialStatusText)
{
    groupRef(GroupId::optVoltage).option(0).caption = "12Vdc";
    for (int i = 0; i < static_cast<int>(ContactToolTips.size()); ++i)
        groupRef(GroupId::optNO_NC).option(i).toolTip = ContactToolTips[static_cast<std::size_t>(i)];

    const std::pair<GroupId, void (MainForm::*)(int)> handlers[] = {
        {GroupId::optVoltage, &MainForm::optVoltage_Click},
        {GroupId::optUnit, &MainForm::optUnit_Click},
        {GroupId::optSender, &MainForm::optSender_Click},
        {GroupId::optMinAll, &MainForm::optMinAll_Click},
        {GroupId::optAllMax, &MainForm::optAllMax_Click},
        {GroupId::optBLK, &MainForm::optBLK_Click},
        {GroupId::optAlLOut, &MainForm::optAlLOut_Click},
        {GroupId::optNO_NC, &MainForm::optNO_NC_Click},
    };
    for (const auto &binding : handlers) {
        const auto handler = binding.second;
        groupRef(binding.first).setHandler([this, handler](int index) { (this->*handler)(index); });
    }
    for (MenuItemState &item : m_serialPortItems)
        item.enabled = true;
}

const OptionGroup &MainForm::group(GroupId id) const
{
    return m_groups[static_cast<std::size_t>(id)];
}

OptionGroup &MainForm::groupRef(GroupId id)
{
    return m_groups[static_cast<std::size_t>(id)];
}

void MainForm::select(GroupId id, int index)
{
    groupRef(id).select(index);
}

MenuItemState MainForm::serialPortItem(int number) const
{
    if (number < 1 || number > SerialPortCount)
        return {};
    return m_serialPortItems[static_cast<std::size_t>(number - 1)];
}

void MainForm::setChangeListener(std::function<void()> listener)
{
    m_changeListener = std::move(listener);
}

void MainForm::changed()
{
    if (m_changeListener)
        m_changeListener();
}

void MainForm::setStatusText(const std::string &text)
{
    m_statusText = text;
}

void MainForm::Form_Load()
{
    setStartupDefaults(m_config);
    BuildCoefficientTable(m_config.CoefficientTable);
    m_config.PortReady = false;
    m_progressVisible = false;

    ProbeSerialPorts();
    bool anyPort = false;
    for (const MenuItemState &item : m_serialPortItems)
        anyPort = anyPort || item.enabled;
    if (!anyPort) {
        setStatusText(NoPortStatusText);
        m_transferButtonEnabled = false;
    }

    FillHelpTexts();
    m_timer1Interval = Timer1StartInterval;
}

void MainForm::Timer1_Timer()
{
    // One tick per run: the connection help comes up once, shortly after the window.
    if (m_timer1Interval == 0)
        return;
    m_timer1Interval = 0;
    m_platform.windows.showConnectionHelp();
}

void MainForm::About_Click()
{
    m_platform.windows.showAbout();
}

void MainForm::HelpConnection_Click()
{
    m_platform.windows.showConnectionHelp();
}

} // namespace gauge
