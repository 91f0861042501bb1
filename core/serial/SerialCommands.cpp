#include "shell/MainForm.h"

#include "serial/Clock.h"
#include "serial/Packet.h"
#include "serial/SerialPort.h"
#include "shell/Messages.h"

#include <algorithm>

namespace gauge {

namespace {

constexpr const char *PortBusyText = "Error : Port is busy";
constexpr const char *NoPortText = "Serial Port not chosen yet or not available";
constexpr const char *IncompleteText = "Attention: Setting Parameters not complete";
constexpr const char *AlarmOffQuestion =
        "Minimum or/and Maximum Alarm are OFF, do you want continue?";
constexpr const char *InProgressStatus = "Set in progress.....";
constexpr const char *NoCommunicationText = "Error: No Comunication with Digital Gauge ";
constexpr const char *NoCommunicationStatus = "No Communication with Digital Gauge";
constexpr const char *NotSentText = "Error: Data not sent";
constexpr const char *NotSentStatus = "Data not sent!!!";
constexpr const char *SentText = "Data has been sent successfully ";

constexpr auto ReplyTimeLimit = std::chrono::seconds(2);
// Progress runs over the 37 bytes out and the 37 echoed back.
constexpr int ProgressSpan = 74;

// The serial procedures go on past a failing step and look at the last error at fixed points.
class PendingError
{
public:
    void record(int errorNumber)
    {
        if (errorNumber != 0)
            m_number = errorNumber;
    }
    int number() const { return m_number; }
    void clear() { m_number = 0; }

private:
    int m_number = 0;
};

int percentOfSpan(int steps)
{
    return std::min(100, (steps * 100 + ProgressSpan / 2) / ProgressSpan);
}

} // namespace

void MainForm::ProbeSerialPorts()
{
    SerialPort &port = m_platform.serialPort;
    PendingError pending;
    pending.record(port.setLineSettings(ProbeLineSettings));
    pending.clear();
    for (int n = 1; n <= SerialPortCount; ++n) {
        if (port.isOpen())
            pending.record(port.close());
        pending.record(port.setPortNumber(n));
        pending.record(port.open());
        m_serialPortItems[static_cast<std::size_t>(n - 1)].enabled = pending.number() == 0;
        pending.clear();
    }
    port.close();
}

void MainForm::SerialPort_Click(int number)
{
    if (number < 1 || number > SerialPortCount)
        return;
    SerialPort &port = m_platform.serialPort;
    for (MenuItemState &item : m_serialPortItems)
        item.checked = false;

    PendingError pending;
    if (port.isOpen())
        pending.record(port.close());
    pending.record(port.setPortNumber(number));
    pending.record(port.setLineSettings(LinkLineSettings));
    pending.record(port.setReceiveSettings(ReceiveSettings {}));
    pending.record(port.open());

    MenuItemState &item = m_serialPortItems[static_cast<std::size_t>(number - 1)];
    if (pending.number() == 0) {
        item.checked = true;
        setStatusText("COM" + std::to_string(number) + " Active");
        m_config.PortReady = true;
        return;
    }
    item.enabled = false;
    const std::string detail = port.errorDetail(pending.number());
    if (pending.number() == PortBusyError)
        m_platform.messages.information(PortBusyText, detail);
    else
        m_platform.messages.information("Error : " + std::to_string(pending.number()), detail);
}

void MainForm::cmdTransfer_Click()
{
    m_lastTransferOutcome = TransferOutcome::NotRun;
    if (m_config.HelpMode) {
        ShowHelpText(0);
        return;
    }
    m_lastTransferOutcome = TransferOutcome::Refused;
    if (!m_config.PortReady) {
        m_platform.messages.information(NoPortText);
        setStatusText(NoPortText);
        return;
    }
    if (!ConfigurationComplete(m_config)) {
        m_platform.messages.information(IncompleteText);
        return;
    }
    m_lastTransferOutcome = TransferOutcome::Cancelled;
    if ((m_config.MinAlarm == 0 || m_config.MaxAlarm == 0)
        && !m_platform.messages.ask(AlarmOffQuestion))
        return;

    const ParameterPacket packet = BuildParameterPacket(m_config);
    std::copy(packet.begin(), packet.end(), m_config.TxBuffer.begin());
    setStatusText(InProgressStatus);

    m_transferInProgress = true;
    changed();
    const bool received = ExchangePacket();
    m_transferInProgress = false;
    changed();

    if (!received) {
        m_lastTransferOutcome = TransferOutcome::NoCommunication;
        m_platform.messages.error(NoCommunicationText);
        setStatusText(NoCommunicationStatus);
        return;
    }
    const bool echoValid = ReplyEchoValid(m_config);
    const bool headerValid = ReplyHeaderValid(m_config);
    if (echoValid && headerValid) {
        m_lastTransferOutcome = TransferOutcome::Sent;
        m_platform.messages.information(SentText);
        setStatusText(SentText);
    } else {
        m_lastTransferOutcome = TransferOutcome::NotConfirmed;
        m_platform.messages.error(NotSentText);
        setStatusText(NotSentStatus);
    }
}

bool MainForm::ExchangePacket()
{
    SerialPort &port = m_platform.serialPort;
    const Clock &clock = m_platform.clock;
    const int packetLength = m_config.PacketLength;
    const int replyLength = packetLength + m_config.ReplyHeaderLength + 1;

    port.discardInput();
    m_progressVisible = true;
    for (int i = 0; i < packetLength; ++i) {
        port.write(m_config.TxBuffer[static_cast<std::size_t>(i)]);
        setProgress(percentOfSpan(i));
    }
    // Whatever came in while the packet was handed over is line noise, not the reply.
    port.discardInput();

    const auto start = clock.now();
    int waiting = 0;
    for (;;) {
        if (port.bytesWaiting(waiting) != 0)
            return false;
        const auto elapsed = clock.now() - start;
        if (waiting >= replyLength || elapsed > ReplyTimeLimit)
            break;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(ReplyTimeLimit - elapsed);
        port.waitForBytes(replyLength, left + std::chrono::milliseconds(1));
    }
    if (waiting != replyLength)
        return false;

    std::array<std::uint8_t, ReplySize> reply {};
    if (replyLength != ReplySize || port.read(reply) != 0)
        return false;
    for (int i = 0; i < replyLength; ++i) {
        m_config.RxBuffer[static_cast<std::size_t>(i)] = reply[static_cast<std::size_t>(i)];
        setProgress(percentOfSpan(i + 35));
    }
    return true;
}

void MainForm::setProgress(int value)
{
    m_progressValue = value;
    changed();
}

} // namespace gauge
