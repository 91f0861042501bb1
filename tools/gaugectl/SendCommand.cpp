#include "Commands.h"
#include "Console.h"
#include "RecordLoading.h"

#include "gauge/GaugeSetup.h"
#include "serial/QtSerialPort.h"
#include "serial/SystemPortMap.h"
#include "transfer/Clock.h"
#include "transfer/Link.h"
#include "transfer/Transfer.h"

#include <cstdio>
#include <iostream>
#include <optional>

namespace {

constexpr const char *Usage = R"(Usage: gaugectl send --port PORT [--yes] [--each] FILE.gag

Programs the gauge on PORT with the record, through the same exchange as "Send Data" in the
window, and prints the same result ("Data has been sent successfully " and so on).

  --port PORT  COM1 to COM12, numbered as the window numbers them, or a device path
  --yes        answer Yes when the record has an alarm switched off; without a terminal to
               ask on, such a record is refused unless --yes is given
  --each       production run: program gauge after gauge with the same record, waiting for
               Enter between them (end with Ctrl+D), and keep a count of sent and failed gauges

Exit status: 0 sent (with --each: every gauge), 1 the gauge did not confirm or the port
failed, 2 bad usage or a refused record.
)";

struct SendOptions
{
    std::string port;
    std::string record;
    bool yes = false;
    bool each = false;
};

std::optional<SendOptions> parse(const Arguments &arguments, std::string &problem)
{
    SendOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (argument == "--port" && i + 1 < arguments.size())
            options.port = arguments[++i];
        else if (argument == "--yes")
            options.yes = true;
        else if (argument == "--each")
            options.each = true;
        else if (!argument.starts_with('-') && options.record.empty())
            options.record = argument;
        else {
            problem = "unexpected argument " + argument;
            return std::nullopt;
        }
    }
    if (options.port.empty() || options.record.empty()) {
        problem = "send needs --port PORT and a record file";
        return std::nullopt;
    }
    return options;
}

// "COM7" names the seventh port as the window numbers them; anything else is a device path.
std::optional<int> comNumber(const std::string &port)
{
    if (port.size() < 4 || (port.compare(0, 3, "COM") != 0 && port.compare(0, 3, "com") != 0))
        return std::nullopt;
    try {
        std::size_t used = 0;
        const int number = std::stoi(port.substr(3), &used);
        if (used == port.size() - 3 && number >= 1 && number <= gauge::PortCount)
            return number;
    } catch (const std::exception &) {
    }
    return std::nullopt;
}

const char *outcomeWord(gauge::TransferOutcome outcome)
{
    return outcome == gauge::TransferOutcome::Sent ? "sent" : "failed";
}

void printLine(std::FILE *stream, std::string_view text)
{
    std::fprintf(stream, "%s\n", std::string(text).c_str());
    std::fflush(stream);
}

} // namespace

int runSend(const Arguments &arguments)
{
    if (wantsHelp(arguments)) {
        std::fputs(Usage, stdout);
        return ExitSuccess;
    }
    std::string problem;
    const auto options = parse(arguments, problem);
    if (!options)
        return usageError(problem, Usage);

    gauge::FixedPortMap ports;
    int number = 1;
    if (const auto com = comNumber(options->port)) {
        number = *com;
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
        ports.set(number, {options->port, ""});
    }

    Question question(options->yes ? Question::Answer::Yes : Question::Answer::Ask);
    if (options->each)
        question.rememberYes();
    gauge::GaugeSetup setup;
    if (!loadRecord(options->record, setup))
        return ExitUsage;
    const gauge::GaugeConfiguration &configuration = setup.configuration();

    QtSerialPort port(ports);
    const gauge::SteadyClock clock;
    if (const int error = gauge::openLink(port, number); error != 0) {
        printLine(stderr, gauge::openingErrorText(error));
        printLine(stderr, "  " + port.errorDetail(error));
        return ExitNotConfirmed;
    }

    int sent = 0;
    int failed = 0;
    for (;;) {
        if (configuration.alarmOff() && !question.ask(gauge::AlarmOffQuestion)) {
            if (question.refused())
                std::fprintf(stderr,
                             "gaugectl: an alarm of this record is off; run on a terminal "
                             "to answer the question, or pass --yes\n");
            return question.refused() ? ExitUsage : ExitNotConfirmed;
        }
        const gauge::TransferOutcome outcome
            = gauge::sendPacket(port, clock, configuration.packet(), {});
        printLine(stdout, gauge::outcomeText(outcome));
        (outcome == gauge::TransferOutcome::Sent ? sent : failed) += 1;
        if (!options->each)
            return outcome == gauge::TransferOutcome::Sent ? ExitSuccess : ExitNotConfirmed;

        std::printf("gauge %d %s; sent %d, failed %d\n", sent + failed, outcomeWord(outcome), sent,
                    failed);
        std::fflush(stdout);
        std::fprintf(stderr, "Connect the next gauge and press Enter (Ctrl+D to finish): ");
        std::string line;
        if (!std::getline(std::cin, line)) {
            std::fprintf(stderr, "\n");
            break;
        }
    }
    std::printf("sent %d, failed %d\n", sent, failed);
    return failed == 0 ? ExitSuccess : ExitNotConfirmed;
}
