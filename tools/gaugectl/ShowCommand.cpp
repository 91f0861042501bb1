#include "Commands.h"
#include "RecordLoading.h"

#include "gauge/Catalogue.h"
#include "gauge/GaugeSetup.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

constexpr const char *Usage = R"(Usage: gaugectl show FILE.gag

Prints a gauge parameter record in words and the 37-byte packet it would send, in hex. The
record goes through the same checks and restore as "Open > Gauge Parameter" in the window; the
24 V notice it may bring up is printed to standard error.

Exit status: 0 shown, 1 the output could not be written, 2 bad usage or a refused record.
)";

// The option's name as the window shows it. A record can choose a sender that has a curve but
// no place in the window; it goes by the number the packet gives it.
std::string chosen(const gauge::GaugeSetup &setup, gauge::Choice choice, const char *whenNone)
{
    const int index = setup.selected(choice);
    if (index == gauge::NotChosen)
        return whenNone;
    const std::string_view name = gauge::optionName(setup.configuration().gaugeType, choice, index);
    if (name.empty())
        return "number " + std::to_string(index + 1) + ", not offered in the window";
    return std::string(name);
}

} // namespace

int runShow(const Arguments &arguments)
{
    QCommandLineParser parser;
    if (const auto status = parseArguments(parser, arguments, Usage))
        return *status;
    const QStringList records = parser.positionalArguments();
    if (records.size() != 1 || records.constFirst().isEmpty())
        return usageError("show takes one record file", Usage);
    const std::string record = argumentBytes(records.constFirst());

    gauge::GaugeSetup setup;
    if (!loadRecord(record, setup))
        return ExitUsage;

    using gauge::Choice;
    const gauge::GaugeConfiguration &configuration = setup.configuration();
    const std::pair<const char *, std::string> fields[] = {
        {"Gauge type", std::string(gauge::gaugeTypeInfo(configuration.gaugeType)->menuName)},
        {"Supply voltage", chosen(setup, Choice::Supply, "none")},
        {"Unit", chosen(setup, Choice::Unit, "none")},
        {"Sender", chosen(setup, Choice::Sender, "none")},
        {"Minimum alarm", chosen(setup, Choice::MinimumAlarm, "off")},
        {"Maximum alarm", chosen(setup, Choice::MaximumAlarm, "off")},
        {"Blinking alarm", chosen(setup, Choice::Blinking, "none")},
        {"Alarm output", chosen(setup, Choice::AlarmOutput, "none")},
        {"Contact", chosen(setup, Choice::Contact, "none")},
    };
    for (const auto &[name, value] : fields)
        std::printf("%-15s %s\n", (std::string(name) + ":").c_str(), value.c_str());
    std::printf("%-15s %s\n", "Packet:", gauge::wire::hexBytes(configuration.packet()).c_str());
    return ExitSuccess;
}
