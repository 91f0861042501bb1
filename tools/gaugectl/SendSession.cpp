#include "SendSession.h"

#include "Commands.h"
#include "Console.h"
#include "JsonText.h"
#include "ProductionLog.h"
#include "Texts.h"
#include "UnitId.h"

#include "transfer/Link.h"
#include "transfer/TransferTexts.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>
#include <utility>

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
    if (const gauge::Status named = m_log ? m_log->stillNamed() : gauge::Status(); !named) {
        sayNoFurtherGauge(*m_log, named.error());
        m_port.close();
        finish(ExitNotConfirmed);
        return;
    }
    if (m_options.askUnit) {
        askForUnit();
        return;
    }
    programGauge();
}

// A line that is no unit id is refused and the id asked for again; nothing goes to a gauge
// without one. An empty line, or the end of the input, ends the run.
void SendSession::askForUnit()
{
    std::fputs(text::AskUnit, stderr);
    std::fflush(stderr);
    m_input.waitForLine([this](std::optional<std::string> line) {
        if (!line || line->find_first_not_of(" \t\r") == std::string::npos) {
            endRun();
            return;
        }
        m_options.unit = unitId(*line);
        if (!m_options.unit) {
            std::fprintf(stderr, text::UnitRefused, printable(*line).c_str());
            askForUnit();
            return;
        }
        programGauge();
    });
}

void SendSession::programGauge()
{
    ++m_attempt.gauge;
    m_attempt.started = QDateTime::currentDateTimeUtc();
    m_attempt.unit = m_options.unit;
    m_attempt.packet.reset();
    m_attemptTime.start();

    const gauge::Opening opening = gauge::openLink(m_port, m_target.device);
    if (!opening) {
        refusedOpening(opening.error());
        return;
    }
    if (m_options.alarmOff && !m_options.yes) {
        askWhetherAlarmsMayBeOff();
        return;
    }
    sendPacket();
}

void SendSession::refusedOpening(const gauge::OpeningRefusal &refusal)
{
    const std::string advice = gauge::openingAdvice(refusal, m_target.device.name);
    // A device that is no line to a gauge is a mistake in the command, not a failed gauge.
    if (refusal.failure == gauge::OpenFailure::NotSerial
        || refusal.failure == gauge::OpenFailure::OwnTerminal) {
        if (refusal.failure == gauge::OpenFailure::NotSerial)
            std::fprintf(stderr, text::NotASerialDevice, printable(m_target.device.path).c_str());
        else
            printLine(stderr, "gaugectl: " + printable(advice));
        finish(tellAttempt(Attempt::Outcome::PortFailed, advice) ? ExitUsage : ExitNotConfirmed);
        return;
    }
    printLine(stderr, gauge::openingErrorText(refusal));
    printLine(stderr, "  " + printable(advice));
    gaugeEnded(Attempt::Outcome::PortFailed, gauge::openingErrorText(refusal) + ": " + advice);
}

// The window's one question, on the terminal. Without a terminal to ask on, the record is refused
// unless --yes answered; on a production run one Yes holds for every gauge.
void SendSession::askWhetherAlarmsMayBeOff()
{
    if (!::isatty(STDIN_FILENO)) {
        std::fputs(text::AlarmOffNeedsYes, stderr);
        decline(text::DeclinedWithoutYes, ExitUsage);
        return;
    }
    std::fprintf(stderr, text::YesOrNo, std::string(gauge::AlarmOffQuestion).c_str());
    std::fflush(stderr);
    m_input.waitForLine([this](std::optional<std::string> answer) {
        if (!answer || answer->empty() || (answer->front() != 'y' && answer->front() != 'Y')) {
            decline(text::DeclinedByOperator, ExitNotConfirmed);
            return;
        }
        m_options.yes = m_options.each;
        sendPacket();
    });
}

// A declined gauge is traced where a log is kept, so the log tells a skipped unit from one never
// seen.
void SendSession::decline(const char *why, int status)
{
    m_port.close();
    if (m_log && !tellAttempt(Attempt::Outcome::Declined, why))
        status = ExitNotConfirmed;
    finish(status);
}

void SendSession::sendPacket()
{
    m_attempt.packet = m_target.packet;
    m_packetOut = true;
    m_transfer.start(m_target.packet, {}, [this](gauge::TransferOutcome outcome) {
        m_packetOut = false;
        const std::string words(gauge::outcomeText(outcome));
        switch (outcome) {
        case gauge::TransferOutcome::Sent:
            gaugeEnded(Attempt::Outcome::Sent, {}, words);
            return;
        case gauge::TransferOutcome::NotConfirmed:
            gaugeEnded(Attempt::Outcome::NotConfirmed, words, words);
            return;
        case gauge::TransferOutcome::NoCommunication:
            gaugeEnded(Attempt::Outcome::NoCommunication, words, words);
            return;
        }
    });
}

bool SendSession::tellAttempt(Attempt::Outcome outcome, const std::string &detail)
{
    m_attempt.outcome = outcome;
    m_attempt.detail = detail;
    m_attempt.durationMs = m_attemptTime.elapsed();
    return m_attempt.report(m_options.json, m_log).ok();
}

void SendSession::gaugeEnded(Attempt::Outcome outcome, const std::string &detail,
                             const std::string &words)
{
    const bool told = tellAttempt(outcome, detail);
    if (!m_options.json && !words.empty())
        printLine(stdout, words);
    // A production run that cannot be traced must not go on.
    if (!told) {
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
        std::printf(text::GaugeCounted, m_sent + m_failed, sent ? "sent" : "failed", m_sent,
                    m_failed);
        std::fflush(stdout);
    }
    if (m_options.askUnit)
        programNextGauge();
    else
        waitForNextGauge();
}

void SendSession::waitForNextGauge()
{
    std::fputs(text::PressEnter, stderr);
    std::fflush(stderr);
    m_input.waitForLine([this](std::optional<std::string> line) {
        if (line)
            programNextGauge();
        else
            endRun();
    });
}

void SendSession::endRun()
{
    std::fputs("\n", stderr);
    m_port.close();
    if (m_options.each && !m_options.json)
        std::printf(text::RunCounted, m_sent, m_failed);
    finish(m_failed == 0 ? ExitSuccess : ExitNotConfirmed);
}

// Once: a signal that comes while the run ends already changes nothing.
void SendSession::finish(int status)
{
    if (std::exchange(m_finished, true))
        return;
    QCoreApplication::exit(status);
}

// Ctrl+C, a kill, or the terminal closed while a gauge is programmed must not leave the port's
// lock file behind: the port is closed before the program ends.
void SendSession::leave(int number)
{
    // The gauge may have its packet already: it is traced, as interrupted.
    if (m_packetOut && !m_finished)
        tellAttempt(Attempt::Outcome::Interrupted, text::InterruptedDetail);
    m_port.close();
    std::fputs(text::Interrupted, stderr);
    finish(ExitSignalBase + number);
}
