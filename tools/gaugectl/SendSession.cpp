#include "SendSession.h"

#include "Commands.h"

#include "transfer/Link.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

SendSession::SendSession(gauge::PortDevice device, const gauge::wire::Packet &packet,
                         Options options, Question &question)
    : m_device(std::move(device))
    , m_packet(packet)
    , m_options(options)
    , m_question(question)
{
    m_port.setEvents({
        [this](std::span<const std::uint8_t> bytes) { m_transfer.bytesArrived(bytes); },
        [this] { m_transfer.lineLost(); },
    });
    QObject::connect(&m_termination, &TerminationWatch::terminationRequested, &m_termination,
                     [this](int number) { leave(number); });
}

void SendSession::start()
{
    programNextGauge();
}

// Opened anew for every gauge: a line that dropped during the last one is open again.
void SendSession::programNextGauge()
{
    const gauge::OpenResult opening = gauge::openLink(m_port, m_device);
    // A device that is no line to a gauge is a mistake in the command, not a failed gauge.
    if (opening.failure == gauge::OpenFailure::NotSerial) {
        std::fprintf(stderr, "gaugectl: %s is not a serial device\n",
                     printable(m_device.path).c_str());
        finish(ExitUsage);
        return;
    }
    if (opening.failure == gauge::OpenFailure::OwnTerminal) {
        printLine(stderr, "gaugectl: " + printable(gauge::openingAdvice(opening, m_device.path)));
        finish(ExitUsage);
        return;
    }
    if (!opening.opened()) {
        printLine(stderr, gauge::openingErrorText(opening));
        printLine(stderr, "  " + printable(gauge::openingAdvice(opening, m_device.name)));
        gaugeDone(false);
        return;
    }
    if (m_options.alarmOff && !m_question.ask(gauge::AlarmOffQuestion)) {
        leaveIfInterrupted();
        if (m_question.refused())
            std::fprintf(stderr,
                         "gaugectl: an alarm of this record is off; run on a terminal to "
                         "answer the question, or pass --yes\n");
        finish(m_question.refused() ? ExitUsage : ExitNotConfirmed);
        return;
    }
    m_transfer.start(m_packet, {}, [this](gauge::TransferOutcome outcome) {
        printLine(stdout, gauge::outcomeText(outcome));
        gaugeDone(outcome == gauge::TransferOutcome::Sent);
    });
}

void SendSession::gaugeDone(bool sent)
{
    (sent ? m_sent : m_failed) += 1;
    if (!m_options.each) {
        finish(sent ? ExitSuccess : ExitNotConfirmed);
        return;
    }
    std::printf("gauge %d %s; sent %d, failed %d\n", m_sent + m_failed, sent ? "sent" : "failed",
                m_sent, m_failed);
    std::fflush(stdout);
    waitForNextGauge();
}

void SendSession::waitForNextGauge()
{
    std::fprintf(stderr, "Connect the next gauge and press Enter (Ctrl+D to finish): ");
    std::fflush(stderr);
    m_input.waitForLine([this](bool lineCame) {
        if (lineCame) {
            programNextGauge();
            return;
        }
        std::fprintf(stderr, "\n");
        m_port.close();
        std::printf("sent %d, failed %d\n", m_sent, m_failed);
        finish(m_failed == 0 ? ExitSuccess : ExitNotConfirmed);
    });
}

void SendSession::finish(int status)
{
    QCoreApplication::exit(status);
}

// A signal that cut short the question's read is seen here, without waiting for the event loop.
void SendSession::leaveIfInterrupted()
{
    if (const int number = TerminationWatch::caughtSignal())
        leave(number);
}

// Ctrl+C, a kill, or the terminal closed while a gauge is programmed must not leave the port's
// lock file behind: the port is closed before the program ends.
void SendSession::leave(int number)
{
    m_port.close();
    std::fprintf(stderr, "\ngaugectl: interrupted; the port is closed\n");
    std::exit(128 + number);
}
