#include "SendSession.h"

#include "Commands.h"
#include "Console.h"
#include "JsonText.h"
#include "ProductionLog.h"

#include "transfer/Link.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

namespace {

void sayNoFurtherGauge(const ProductionLog &log, const std::string &why)
{
    std::fprintf(stderr,
                 "gaugectl: the production log %s could not be written (%s); no further gauge is "
                 "programmed\n",
                 printable(log.path()).c_str(), why.c_str());
}

} // namespace

bool reportAttempt(const Attempt &attempt, bool json, ProductionLog *log)
{
    const QJsonObject object = toJson(attempt);
    if (json) {
        std::fputs(json::line(object).c_str(), stdout);
        std::fflush(stdout);
    }
    if (!log)
        return true;
    const std::string failure = log->append(object);
    if (failure.empty())
        return true;
    sayNoFurtherGauge(*log, failure);
    return false;
}

SendSession::SendSession(Target target, Options options, ProductionLog *log)
    : m_target(std::move(target))
    , m_options(options)
    , m_log(log)
{
    m_port.setEvents({
        [this](std::span<const std::uint8_t> bytes) { m_transfer.bytesArrived(bytes); },
        [this](std::span<const std::uint8_t> lastBytes) { m_transfer.lineLost(lastBytes); },
    });
    QObject::connect(&m_termination, &TerminationWatch::terminationRequested, &m_termination,
                     [this](int number) { leave(number); });
    m_attempt.gauge = 0;
    m_attempt.port = m_target.port;
    m_attempt.device = m_target.devicePath;
    m_attempt.record = m_target.record;
    m_attempt.recordBytes = m_target.recordBytes;
}

void SendSession::start()
{
    programNextGauge();
}

// Opened anew for every gauge: a line that dropped during the last one is open again.
void SendSession::programNextGauge()
{
    if (const std::string gone = m_log ? m_log->stillNamed() : std::string(); !gone.empty()) {
        sayNoFurtherGauge(*m_log, gone);
        m_port.close();
        finish(ExitNotConfirmed);
        return;
    }
    ++m_attempt.gauge;
    m_attempt.started = QDateTime::currentDateTimeUtc();
    m_attempt.packet.reset();
    m_attemptTime.start();

    const gauge::OpenResult opening = gauge::openLink(m_port, m_target.device);
    const std::string advice = gauge::openingAdvice(opening, m_target.device.name);
    // A device that is no line to a gauge is a mistake in the command, not a failed gauge.
    if (opening.failure == gauge::OpenFailure::NotSerial
        || opening.failure == gauge::OpenFailure::OwnTerminal) {
        if (opening.failure == gauge::OpenFailure::NotSerial)
            std::fprintf(stderr, "gaugectl: %s is not a serial device\n",
                         printable(m_target.device.path).c_str());
        else
            printLine(stderr, "gaugectl: " + printable(advice));
        finish(tellAttempt(Attempt::Outcome::PortFailed, advice) ? ExitUsage : ExitNotConfirmed);
        return;
    }
    if (!opening.opened()) {
        printLine(stderr, gauge::openingErrorText(opening));
        printLine(stderr, "  " + printable(advice));
        gaugeEnded(Attempt::Outcome::PortFailed, gauge::openingErrorText(opening) + ": " + advice);
        return;
    }
    if (m_options.alarmOff && !m_options.yes) {
        askWhetherAlarmsMayBeOff();
        return;
    }
    sendPacket();
}

// The window's one question, on the terminal. Without a terminal to ask on, the record is refused
// unless --yes answered; on a production run one Yes holds for every gauge.
void SendSession::askWhetherAlarmsMayBeOff()
{
    if (!::isatty(STDIN_FILENO)) {
        std::fprintf(stderr,
                     "gaugectl: an alarm of this record is off; run on a terminal to "
                     "answer the question, or pass --yes\n");
        finish(ExitUsage);
        return;
    }
    std::fprintf(stderr, "%s [y/N] ", std::string(gauge::AlarmOffQuestion).c_str());
    std::fflush(stderr);
    m_input.waitForLine([this](std::optional<std::string> answer) {
        if (!answer || answer->empty() || (answer->front() != 'y' && answer->front() != 'Y')) {
            finish(ExitNotConfirmed);
            return;
        }
        m_options.yes = m_options.each;
        sendPacket();
    });
}

void SendSession::sendPacket()
{
    m_attempt.packet = m_target.packet;
    m_transfer.start(m_target.packet, {}, [this](gauge::TransferOutcome outcome) {
        const std::string text(gauge::outcomeText(outcome));
        if (!m_options.json)
            printLine(stdout, text);
        switch (outcome) {
        case gauge::TransferOutcome::Sent:
            gaugeEnded(Attempt::Outcome::Sent);
            return;
        case gauge::TransferOutcome::NotConfirmed:
            gaugeEnded(Attempt::Outcome::NotConfirmed, text);
            return;
        case gauge::TransferOutcome::NoCommunication:
            gaugeEnded(Attempt::Outcome::NoCommunication, text);
            return;
        }
    });
}

bool SendSession::tellAttempt(Attempt::Outcome outcome, const std::string &detail)
{
    m_attempt.outcome = outcome;
    m_attempt.detail = detail;
    m_attempt.durationMs = m_attemptTime.elapsed();
    return reportAttempt(m_attempt, m_options.json, m_log);
}

void SendSession::gaugeEnded(Attempt::Outcome outcome, const std::string &detail)
{
    // A production run that cannot be traced must not go on.
    if (!tellAttempt(outcome, detail)) {
        m_port.close();
        finish(ExitNotConfirmed);
        return;
    }
    const bool sent = outcome == Attempt::Outcome::Sent;
    (sent ? m_sent : m_failed) += 1;
    if (!m_options.each) {
        finish(sent ? ExitSuccess : ExitNotConfirmed);
        return;
    }
    if (!m_options.json) {
        std::printf("gauge %d %s; sent %d, failed %d\n", m_sent + m_failed,
                    sent ? "sent" : "failed", m_sent, m_failed);
        std::fflush(stdout);
    }
    waitForNextGauge();
}

void SendSession::waitForNextGauge()
{
    std::fprintf(stderr, "Connect the next gauge and press Enter (Ctrl+D to finish): ");
    std::fflush(stderr);
    m_input.waitForLine([this](std::optional<std::string> line) {
        if (line) {
            programNextGauge();
            return;
        }
        std::fprintf(stderr, "\n");
        m_port.close();
        if (!m_options.json)
            std::printf("sent %d, failed %d\n", m_sent, m_failed);
        finish(m_failed == 0 ? ExitSuccess : ExitNotConfirmed);
    });
}

void SendSession::finish(int status)
{
    QCoreApplication::exit(status);
}

// Ctrl+C, a kill, or the terminal closed while a gauge is programmed must not leave the port's
// lock file behind: the port is closed before the program ends.
void SendSession::leave(int number)
{
    m_port.close();
    std::fprintf(stderr, "\ngaugectl: interrupted; the port is closed\n");
    finish(128 + number);
}
