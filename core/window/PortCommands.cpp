#include "window/MainWindowModel.h"

#include "transfer/Link.h"
#include "transfer/SerialPort.h"
#include "transfer/Transfer.h"
#include "window/Messages.h"

namespace gauge {

namespace {

constexpr std::string_view NoPortAtAllText = "Attention: Serial Port Not Available";
constexpr std::string_view NoPortText = "Serial Port not chosen yet or not available";
constexpr std::string_view IncompleteText = "Attention: Setting Parameters not complete";
constexpr std::string_view SendDataHelpText = "Transfer the data on Digital Instrument ";
constexpr std::string_view InProgressStatus = "Set in progress.....";

std::string_view outcomeStatus(TransferOutcome outcome)
{
    switch (outcome) {
    case TransferOutcome::NoCommunication:
        return "No Communication with Digital Gauge";
    case TransferOutcome::NotConfirmed:
        return "Data not sent!!!";
    case TransferOutcome::Sent:
        break;
    }
    return outcomeText(outcome);
}

} // namespace

void MainWindowModel::start()
{
    m_platform.serialPort.setLostHandler([this] { portLost(); });
    updatePortMenu(probePorts(m_platform.serialPort));
}

void MainWindowModel::refreshPorts()
{
    std::array<bool, PortCount> opens = probePorts(m_platform.serialPort);
    // The port open for the link does not open a second time; it is as usable as ever.
    for (int n = 1; n <= PortCount; ++n) {
        if (m_portMenu[static_cast<std::size_t>(n - 1)].checked)
            opens[static_cast<std::size_t>(n - 1)] = true;
    }
    updatePortMenu(opens);
}

// Without any usable port nothing can be sent, which the status bar says; a port that comes up
// later takes that back.
void MainWindowModel::updatePortMenu(const std::array<bool, PortCount> &opens)
{
    bool anyPort = false;
    for (std::size_t i = 0; i < opens.size(); ++i) {
        m_portMenu[i].enabled = opens[i];
        anyPort = anyPort || opens[i];
    }
    if (!anyPort) {
        m_statusText = NoPortAtAllText;
        m_sendDataEnabled = false;
    } else if (!m_sendDataEnabled) {
        m_sendDataEnabled = true;
        if (m_statusText == NoPortAtAllText)
            m_statusText = InitialStatusText;
    }
}

// The device went away: nothing is shown as active any more. The technician chooses the port
// again once the cable is back; everything else stays as it was.
void MainWindowModel::portLost()
{
    for (PortMenuItem &item : m_portMenu)
        item.checked = false;
    m_statusText = InitialStatusText;
    changed();
}

void MainWindowModel::choosePort(int number)
{
    if (number < 1 || number > PortCount)
        return;
    for (PortMenuItem &item : m_portMenu)
        item.checked = false;

    SerialPort &port = m_platform.serialPort;
    const int error = openLink(port, number);
    PortMenuItem &item = m_portMenu[static_cast<std::size_t>(number - 1)];
    if (error == 0) {
        item.checked = true;
        m_statusText = "COM" + std::to_string(number) + " Active";
        m_portReady = true;
        return;
    }
    item.enabled = false;
    m_platform.messages.information(openingErrorText(error), port.errorDetail(error));
}

void MainWindowModel::sendData()
{
    if (explainedInHelpMode(SendDataHelpText))
        return;
    if (!m_portReady) {
        m_platform.messages.information(std::string(NoPortText));
        m_statusText = NoPortText;
        return;
    }
    const GaugeConfiguration &configuration = m_setup.configuration();
    if (!configuration.complete()) {
        m_platform.messages.information(std::string(IncompleteText));
        return;
    }
    if (configuration.alarmOff() && !m_platform.messages.ask(std::string(AlarmOffQuestion)))
        return;

    m_statusText = InProgressStatus;
    m_transferInProgress = true;
    changed();
    const TransferOutcome outcome
        = sendPacket(m_platform.serialPort, m_platform.clock, configuration.packet(),
                     [this](int percent) { setProgress(percent); });
    m_transferInProgress = false;
    changed();

    const std::string text(outcomeText(outcome));
    if (outcome == TransferOutcome::Sent)
        m_platform.messages.information(text);
    else
        m_platform.messages.error(text);
    m_statusText = outcomeStatus(outcome);
}

void MainWindowModel::setProgress(int percent)
{
    m_progressVisible = true;
    m_progressValue = percent;
    changed();
}

} // namespace gauge
