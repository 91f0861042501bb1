#include "window/MainWindowModel.h"

#include "transfer/Link.h"
#include "transfer/TransferTexts.h"
#include "window/WindowTexts.h"

namespace gauge {

using namespace WindowTexts;

namespace {

std::string describe(const PortDevice &device)
{
    return device.description.empty() ? device.path : device.path + " – " + device.description;
}

} // namespace

void MainWindowModel::start()
{
    m_startVerdictDue = true;
    m_ports.probeAll();
    offerPortsAtStart();
    changed();
}

void MainWindowModel::lookAtPorts()
{
    runCommand([this] {
        m_ports.look();
        offerUsablePorts();
    });
}

// Without any usable port at the start nothing can be sent, which the status bar says once every
// device tried at the start has answered.
void MainWindowModel::offerPortsAtStart()
{
    if (!m_startVerdictDue || m_ports.anyBeingTried())
        return;
    m_startVerdictDue = false;
    if (!m_ports.anyUsable()) {
        m_statusText = NoPortAtAllStatus;
        m_sendDataEnabled = false;
    }
}

// A port that turns up usable makes Send Data available, should the start have found none.
void MainWindowModel::offerUsablePorts()
{
    if (m_ports.anyUsable() && !m_sendDataEnabled) {
        m_sendDataEnabled = true;
        if (m_statusText == NoPortAtAllStatus)
            m_statusText = InitialStatus;
    }
}

void MainWindowModel::portAnswered()
{
    offerPortsAtStart();
    offerUsablePorts();
    changed();
}

// A refused permission is the one refusal the technician can do something about; the entry
// says what.
PortMenuItem MainWindowModel::portMenuItem(int number) const
{
    if (number < 1 || number > PortCount)
        return {};
    const SurveyedPort &entry = m_ports.entry(number);
    PortMenuItem item;
    item.enabled = takesCommands() && entry.usable;
    item.checked = number == m_ports.linkPort();
    if (entry.beingTried)
        item.description = beingTriedDescription(describe(*entry.device));
    else if (!entry.usable && entry.refusal.failure == OpenFailure::NoPermission)
        item.description = openingAdvice(entry.refusal, portName(number, entry.device));
    else
        item.description
            = entry.device ? describe(*entry.device) : std::string(NoDeviceDescription);
    return item;
}

void MainWindowModel::choosePort(int number)
{
    if (number < 1 || number > PortCount)
        return;
    runCommand([this, number] {
        const Opening opening = m_ports.openLink(number);
        if (opening) {
            m_statusText = portActiveStatus(number);
            m_portReady = true;
            return;
        }
        tell(MessageIcon::Information, openingErrorText(opening.error()),
             openingAdvice(opening.error(), portName(number, m_ports.entry(number).device)));
    });
}

// The device went away: nothing is shown as active any more. The technician chooses the port
// again once the cable is back; everything else stays as it was.
void MainWindowModel::portLost()
{
    m_ports.forgetLink();
    m_statusText = InitialStatus;
    changed();
}

} // namespace gauge
