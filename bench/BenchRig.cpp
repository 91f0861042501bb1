#include "BenchRig.h"

#include "gauge/Catalogue.h"

#include <QCoreApplication>
#include <QTimer>

BenchRig::BenchRig(gauge::sim::ReplyMode mode)
    : m_station(gauge::Platform {m_messages, m_dialogs, m_windows}, mode)
{
    m_station.plugGaugeIn(1);
    m_model.start();
    m_model.choosePort(1);
    m_model.chooseGaugeType(gauge::Voltmeter);
    m_model.chooseOption(gauge::Choice::Sender, 0);
    m_model.setChangeListener([this] { changed(); });
}

void BenchRig::sendData(int transfers, const std::function<void(int)> &before,
                        const std::function<void(int, double)> &after)
{
    m_transfers = transfers;
    m_sent = 0;
    m_before = before;
    m_after = after;
    QTimer::singleShot(0, [this] { sendNext(); });
    QCoreApplication::exec();
}

void BenchRig::sendNext()
{
    if (m_sent == m_transfers) {
        QCoreApplication::exit(0);
        return;
    }
    if (m_before)
        m_before(m_sent);
    m_waiting = true;
    m_elapsed.start();
    m_model.sendData();
}

// The transfer has ended when the window takes commands again; the next one starts once its
// message is out, on the next turn of the loop.
void BenchRig::changed()
{
    if (!m_waiting || !m_model.takesCommands())
        return;
    m_waiting = false;
    m_milliseconds = static_cast<double>(m_elapsed.nsecsElapsed()) / 1e6;
    QTimer::singleShot(0, [this] {
        if (m_after)
            m_after(m_sent, m_milliseconds);
        ++m_sent;
        sendNext();
    });
}
