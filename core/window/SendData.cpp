#include "window/MainWindowModel.h"

#include "transfer/TransferTexts.h"
#include "window/WindowTexts.h"

namespace gauge {

using namespace WindowTexts;

// The transfer runs on after this returns; its progress and its end come through the port's
// events and the timer.
void MainWindowModel::sendData()
{
    runCommand([this] {
        if (explainedInHelpMode(SendDataHelp))
            return;
        if (!m_portReady) {
            tell(MessageIcon::Information, std::string(NoPort));
            m_statusText = NoPort;
            return;
        }
        const GaugeConfiguration &configuration = m_setup.configuration();
        if (!configuration.complete()) {
            tell(MessageIcon::Information, std::string(Incomplete));
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

// The status bar follows once the technician has closed the message; until then the window
// takes no command, as while the transfer ran.
void MainWindowModel::transferFinished(TransferOutcome outcome)
{
    m_tellingOutcome = true;
    tell(outcome == TransferOutcome::Sent ? MessageIcon::Information : MessageIcon::Error,
         std::string(outcomeText(outcome)));
    m_statusText = outcomeStatus(outcome);
    m_tellingOutcome = false;
    changed();
}

} // namespace gauge
