#include "window/MainWindowModel.h"

namespace gauge {

namespace {

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

// The transfer runs on after this returns; its progress and its end come through the port's
// events and the timer.
void MainWindowModel::sendData()
{
    runCommand([this] {
        if (explainedInHelpMode(SendDataHelpText))
            return;
        if (!m_portReady) {
            tell(MessageIcon::Information, std::string(NoPortText));
            m_statusText = NoPortText;
            return;
        }
        const GaugeConfiguration &configuration = m_setup.configuration();
        if (!configuration.complete()) {
            tell(MessageIcon::Information, std::string(IncompleteText));
            return;
        }
        if (configuration.alarmOff() && !ask(AlarmOffQuestion))
            return;

        m_statusText = InProgressStatus;
        m_transfer.start(
            configuration.packet(), [this](int percent) { setProgress(percent); },
            [this](TransferOutcome outcome) { transferFinished(outcome); });
    });
}

void MainWindowModel::setProgress(int percent)
{
    m_progressVisible = true;
    m_progressValue = percent;
    changed();
}

// The status bar follows once the technician has closed the message.
void MainWindowModel::transferFinished(TransferOutcome outcome)
{
    tell(outcome == TransferOutcome::Sent ? MessageIcon::Information : MessageIcon::Error,
         std::string(outcomeText(outcome)));
    m_statusText = outcomeStatus(outcome);
    changed();
}

} // namespace gauge
