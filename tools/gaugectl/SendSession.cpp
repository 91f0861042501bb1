#include "SendSession.h"

#include "Commands.h"
#include "Console.h"
#include "JsonText.h"
#include "ProductionLog.h"
#include "StandardStreams.h"
#include "Texts.h"
#include "UnitId.h"

#include "transfer/Link.h"
#include "transfer/TransferTexts.h"

#include <QCoreApplication>

#include <cstdio>
#include <string_view>
#include <utility>

namespace {

bool answeredYes(const std::optional<std::string> &answer)
{
    return answer && !answer->empty() && (answer->front() == 'y' || answer->front() == 'Y');
}

// Ctrl+D typed where it is no end of input (in Windows' console, or after Ctrl+V), then Enter:
// nothing but control characters, which no operator types to ask for the next gauge.
bool onlyControlCharacters(std::string_view line)
{
    bool control = false;
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == ' ' || c == '\t')
            continue;
        if (byte >= 0x20 && byte != 0x7F)
            return false;
        control = true;
    }
    return control;
}

} // namespace

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
    if (!goOnWhileLogStillNamed())
        return;
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
        if (m_unitsTried.contains(*m_options.unit)) {
            askWhetherSameGaugeAgain();
            return;
        }
        programGauge();
    });
}

// A double scan is the commonest slip on a production line. An id given again is taken only when
// the operator says at a terminal that the same gauge is being programmed again.
void SendSession::askWhetherSameGaugeAgain()
{
    const std::string unit = printable(*m_options.unit);
    const auto refuse = [this, unit] {
        std::fprintf(stderr, text::UnitRepeated, unit.c_str());
        askForUnit();
    };
    if (!inputIsTerminal()) {
        refuse();
        return;
    }
    std::fprintf(stderr, text::YesOrNo, formatted(text::SameGaugeAgain, unit.c_str()).c_str());
    std::fflush(stderr);
    m_input.waitForLine([this, refuse](std::optional<std::string> answer) {
        if (answeredYes(answer))
            programGauge();
        else
            refuse();
    });
}

void SendSession::programGauge()
{
    ++m_attempt.gauge;
    m_attempt.started = QDateTime::currentDateTimeUtc();
    m_attempt.unit = m_options.unit;
    if (m_options.unit)
        m_unitsTried.insert(*m_options.unit);
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
    if (!inputIsTerminal()) {
        std::fputs(text::AlarmOffNeedsYes, stderr);
        decline(text::DeclinedWithoutYes, ExitUsage);
        return;
    }
    std::fprintf(stderr, text::YesOrNo, std::string(gauge::AlarmOffQuestion).c_str());
    std::fflush(stderr);
    m_input.waitForLine([this](std::optional<std::string> answer) {
        if (answeredYes(answer)) {
            m_options.yes = m_options.each;
            sendPacket();
            return;
        }
        // On a production run the operator turns down this gauge, not the batch.
        if (m_options.each) {
            m_port.close();
            gaugeEnded(Attempt::Outcome::Declined, text::DeclinedByOperator,
                       formatted(text::GaugeNotProgrammed, text::DeclinedByOperator));
            return;
        }
        decline(text::DeclinedByOperator, ExitNotConfirmed);
    });
}

// A declined gauge is traced too (in the log, and in --json's output), so the log tells a skipped
// unit from one never seen.
void SendSession::decline(const char *why, int status)
{
    m_port.close();
    if (!tellAttempt(Attempt::Outcome::Declined, why))
        status = ExitNotConfirmed;
    finish(status);
}

void SendSession::sendPacket()
{
    if (!goOnWithLogHeldForLine())
        return;
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

bool SendSession::goOnWhileLogStillNamed()
{
    const auto named = m_log ? m_log->stillNamed() : gauge::Result<void, LogFile::Naming>();
    if (named)
        return true;
    sayNoFurtherGauge(*m_log, named.error());
    m_port.close();
    finish(ExitNotConfirmed);
    return false;
}

// A gauge gets its packet only once its line has a place: the log's lock is taken now, after the
// last question and never across an operator's wait, and held until the line is in; and the
// log's name must still lead to the file, however long the operator took.
bool SendSession::goOnWithLogHeldForLine()
{
    if (!m_log)
        return true;
    if (const gauge::Status held = m_log->holdForNextLine(); !held) {
        m_port.close();
        // A signal cut the wait short: the run ends as interrupted, with the signal's status.
        if (TerminationWatch::requested())
            return false;
        std::fprintf(stderr, text::LogCannotTakeGauge, printable(m_log->path()).c_str(),
                     held.error().reason.c_str());
        finish(ExitNotConfirmed);
        return false;
    }
    return goOnWhileLogStillNamed();
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
        const char *counted = sent                  ? "sent"
            : outcome == Attempt::Outcome::Declined ? "declined"
                                                    : "failed";
        std::printf(text::GaugeCounted, m_sent + m_failed, counted, m_sent, m_failed);
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
        if (line && !onlyControlCharacters(*line))
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
    // Without --each the run was for one gauge, which did not come.
    if (!m_options.each) {
        std::fputs(text::NoUnitCame, stderr);
        finish(ExitNotConfirmed);
        return;
    }
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
