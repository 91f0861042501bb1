#include "Commands.h"
#include "Console.h"
#include "RecordLoading.h"

#include "gauge/GaugeSetup.h"
#include "serial/QtSerialPort.h"
#include "serial/SystemPortMap.h"
#include "transfer/Clock.h"
#include "transfer/Link.h"
#include "transfer/Transfer.h"

#include <QCommandLineParser>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <regex>
#include <unistd.h>

namespace {

constexpr const char *Usage = R"(Usage: gaugectl send --port PORT [--yes] [--each] FILE.gag

Programs the gauge on PORT with the record, through the same exchange as "Send Data" in the
window, and prints the same result ("Data has been sent successfully " and so on).

  --port PORT  COM1 to COM12, numbered as the window numbers them, or a device path
  --yes        answer Yes when the record has an alarm switched off; without a terminal to
               ask on, such a record is refused unless --yes is given
  --each       production run: program gauge after gauge with the same record, waiting for
               Enter between them (end with Ctrl+D), and keep a count of sent and failed gauges;
               the port is opened anew for every gauge

Exit status: 0 sent (with --each: every gauge), 1 the gauge did not confirm, the port failed
or the output could not be written, 2 bad usage, a port that is not a serial device, or a
refused record.
)";

struct SendOptions
{
    std::string port;
    std::string record;
    bool yes = false;
    bool each = false;
};

// Nothing when the arguments were answered (--help) or refused; the exit status is then set.
std::optional<SendOptions> parse(const Arguments &arguments, int &status)
{
    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("PORT"));
    const QCommandLineOption yes(QStringLiteral("yes"), QString());
    const QCommandLineOption each(QStringLiteral("each"), QString());
    parser.addOptions({port, yes, each});
    if (const auto answered = parseArguments(parser, arguments, Usage)) {
        status = *answered;
        return std::nullopt;
    }
    const QStringList records = parser.positionalArguments();
    if (records.size() > 1) {
        status = usageError("unexpected argument " + printable(records[1].toStdString()), Usage);
        return std::nullopt;
    }
    SendOptions options;
    options.port = parser.value(port).toLocal8Bit().toStdString();
    options.record = records.isEmpty() ? std::string() : records[0].toLocal8Bit().toStdString();
    options.yes = parser.isSet(yes);
    options.each = parser.isSet(each);
    if (options.port.empty() || options.record.empty()) {
        status = usageError("send needs --port PORT and a record file", Usage);
        return std::nullopt;
    }
    return options;
}

// "COM7" names the seventh port as the window numbers them; anything else is a device path.
struct PortArgument
{
    enum Kind { DevicePath, ComNumber, ComOutOfRange } kind = DevicePath;
    int number = 0;
};

PortArgument portArgument(const std::string &port)
{
    static const std::regex Com("com(-?[0-9]+)", std::regex::icase);
    std::smatch match;
    if (!std::regex_match(port, match, Com))
        return {};
    const std::string digits = match[1].str();
    if (digits.size() > 3)
        return {PortArgument::ComOutOfRange};
    const int number = std::stoi(digits);
    if (number < 1 || number > gauge::PortCount)
        return {PortArgument::ComOutOfRange};
    return {PortArgument::ComNumber, number};
}

// Ctrl+C, or a kill, while a gauge is programmed must not leave the port's lock file behind:
// the port is closed before the program ends. The signal only wakes the event loop through a
// pipe; the closing happens there, or after the blocking read the signal interrupted.
class InterruptWatch
{
public:
    explicit InterruptWatch(QtSerialPort &port)
        : m_port(port)
    {
        if (::pipe(s_wake) == 0) {
            m_notifier = std::make_unique<QSocketNotifier>(s_wake[0], QSocketNotifier::Read);
            QObject::connect(m_notifier.get(), &QSocketNotifier::activated,
                             [this] { leaveIfInterrupted(); });
        }
        struct sigaction action
        {
        };
        action.sa_handler = &InterruptWatch::onSignal;
        sigemptyset(&action.sa_mask);
        // No SA_RESTART: a read waiting for Enter returns, so the interrupt is seen at once.
        ::sigaction(SIGINT, &action, nullptr);
        ::sigaction(SIGTERM, &action, nullptr);
    }

    void leaveIfInterrupted()
    {
        if (s_signal == 0)
            return;
        m_port.close();
        std::fprintf(stderr, "\ngaugectl: interrupted; the port is closed\n");
        std::exit(128 + s_signal);
    }

private:
    static void onSignal(int number)
    {
        s_signal = number;
        const char wake = 0;
        [[maybe_unused]] const auto written = ::write(s_wake[1], &wake, 1);
    }

    static inline volatile std::sig_atomic_t s_signal = 0;
    static inline int s_wake[2] = {-1, -1};
    QtSerialPort &m_port;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

// Opens the port for the next gauge; a port that does not open is said, naming it and why.
int openPort(QtSerialPort &port, int number)
{
    const int error = gauge::openLink(port, number);
    if (error != 0 && error != ENOTTY) {
        printLine(stderr, gauge::openingErrorText(error));
        printLine(stderr, "  " + printable(port.errorDetail(error)));
    }
    return error;
}

} // namespace

int runSend(const Arguments &arguments)
{
    int status = ExitSuccess;
    const auto options = parse(arguments, status);
    if (!options)
        return status;

    gauge::FixedPortMap ports;
    int number = 1;
    const PortArgument port = portArgument(options->port);
    if (port.kind == PortArgument::ComOutOfRange)
        return usageError("COM numbers run from COM1 to COM" + std::to_string(gauge::PortCount)
                              + "; " + printable(options->port) + " is not one",
                          Usage);
    if (port.kind == PortArgument::ComNumber) {
        number = port.number;
        const SystemPortMap system;
        const auto device = system.device(number);
        if (!device) {
            std::fprintf(stderr,
                         "gaugectl: no serial device stands behind %s (see gaugectl ports)\n",
                         options->port.c_str());
            return ExitNotConfirmed;
        }
        ports.set(number, *device);
    } else {
        ports.set(number, {options->port, "", options->port});
    }

    Question question(options->yes ? Question::Answer::Yes : Question::Answer::Ask);
    if (options->each)
        question.rememberYes();
    gauge::GaugeSetup setup;
    if (!loadRecord(options->record, setup))
        return ExitUsage;
    const gauge::GaugeConfiguration &configuration = setup.configuration();

    QtSerialPort serialPort(ports);
    InterruptWatch interrupts(serialPort);
    const gauge::SteadyClock clock;

    int sent = 0;
    int failed = 0;
    for (;;) {
        // Opened anew for every gauge: a line that dropped during the last one is open again.
        std::optional<gauge::TransferOutcome> outcome;
        const int error = openPort(serialPort, number);
        if (error == ENOTTY) {
            std::fprintf(stderr, "gaugectl: %s is not a serial device\n",
                         printable(ports.device(number)->path).c_str());
            return ExitUsage;
        }
        if (error == 0) {
            if (configuration.alarmOff() && !question.ask(gauge::AlarmOffQuestion)) {
                interrupts.leaveIfInterrupted();
                if (question.refused())
                    std::fprintf(stderr,
                                 "gaugectl: an alarm of this record is off; run on a "
                                 "terminal to answer the question, or pass --yes\n");
                return question.refused() ? ExitUsage : ExitNotConfirmed;
            }
            outcome = gauge::sendPacket(serialPort, clock, configuration.packet(), {});
            printLine(stdout, gauge::outcomeText(*outcome));
        }
        const bool gaugeSent = outcome == gauge::TransferOutcome::Sent;
        (gaugeSent ? sent : failed) += 1;
        if (!options->each)
            return gaugeSent ? ExitSuccess : ExitNotConfirmed;

        std::printf("gauge %d %s; sent %d, failed %d\n", sent + failed,
                    gaugeSent ? "sent" : "failed", sent, failed);
        std::fflush(stdout);
        std::fprintf(stderr, "Connect the next gauge and press Enter (Ctrl+D to finish): ");
        std::string line;
        const bool more = static_cast<bool>(std::getline(std::cin, line));
        interrupts.leaveIfInterrupted();
        if (!more) {
            std::fprintf(stderr, "\n");
            break;
        }
    }
    serialPort.close();
    std::printf("sent %d, failed %d\n", sent, failed);
    return failed == 0 ? ExitSuccess : ExitNotConfirmed;
}
