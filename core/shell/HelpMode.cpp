#include "shell/MainForm.h"

namespace gauge {

namespace {

constexpr const char *HelpModeStatusText = "Help on line: Click on component";

} // namespace

void MainForm::FillHelpTexts()
{
    static constexpr const char *Texts[] = {
        "Transfer the data on Digital Instrument ",
        "Clear the gauge parameter ",
        "Creates a new configuration of Gauge Parameters",
        "Opens the new Gauge Instrument",
        "Opens the Gauge Parameters file",
        "Saves the configuration Gauge Parameters",
        "Exit to the programm",
    };
    for (std::size_t i = 0; i < std::size(Texts); ++i)
        m_config.HelpTexts[i] = Texts[i];
}

void MainForm::ShowHelpText(int index)
{
    m_config.HelpMode = false;
    if (index >= 0 && index < static_cast<int>(m_config.HelpTexts.size()))
        setStatusText(m_config.HelpTexts[static_cast<std::size_t>(index)]);
    m_mousePointer = MousePointer::Default;
}

void MainForm::Aiuto_Click()
{
    m_mousePointer = MousePointer::WhatsThis;
    m_config.HelpMode = true;
    setStatusText(HelpModeStatusText);
}

// The first step of each tool bar button: in help mode the click explains the button instead
// of running it.
bool MainForm::helpModeAnswered(const std::string &helpText)
{
    if (!m_config.HelpMode)
        return false;
    m_config.HelpMode = false;
    setStatusText(helpText);
    m_mousePointer = MousePointer::Default;
    return true;
}

} // namespace gauge
