#include "Commands.h"
#include "Console.h"
#include "JsonText.h"
#include "RecordLoading.h"
#include "Texts.h"
#include "UsageTexts.h"

#include "gauge/Catalogue.h"
#include "gauge/GaugeSetup.h"

#include <QCommandLineParser>
#include <QJsonObject>

#include <cstdio>

namespace {

// The option's name as the window shows it. A record can choose a sender that has a curve but
// no place in the window; it goes by the number the packet gives it.
std::string chosen(const gauge::GaugeSetup &setup, gauge::Choice choice, const char *whenNone)
{
    const int index = setup.selected(choice);
    if (index == gauge::NotChosen)
        return whenNone;
    const std::string_view name = gauge::optionName(setup.configuration().gaugeType, choice, index);
    if (name.empty())
        return formatted(text::NotOffered, index + 1);
    return std::string(name);
}

// A choice in numbers and in words; no index where nothing is chosen, no name where the window
// offers none.
QJsonObject choiceJson(const gauge::GaugeSetup &setup, gauge::Choice choice)
{
    const int index = setup.selected(choice);
    if (index == gauge::NotChosen)
        return {{QStringLiteral("index"), QJsonValue()}, {QStringLiteral("name"), QJsonValue()}};
    const std::string_view name = gauge::optionName(setup.configuration().gaugeType, choice, index);
    return {{QStringLiteral("index"), index},
            {QStringLiteral("name"), name.empty() ? QJsonValue() : json::text(name)}};
}

QJsonObject recordJson(const std::string &path, const gauge::Record &bytes,
                       const gauge::GaugeSetup &setup)
{
    using gauge::Choice;
    const gauge::GaugeConfiguration &configuration = setup.configuration();
    const QJsonObject gaugeType {
        {QStringLiteral("code"), configuration.gaugeType},
        {QStringLiteral("name"),
         json::text(gauge::gaugeTypeInfo(configuration.gaugeType)->menuName)}};
    const QJsonObject choices {
        {QStringLiteral("gauge_type"), gaugeType},
        {QStringLiteral("supply_voltage"), choiceJson(setup, Choice::Supply)},
        {QStringLiteral("unit"), choiceJson(setup, Choice::Unit)},
        {QStringLiteral("sender"), choiceJson(setup, Choice::Sender)},
        {QStringLiteral("minimum_alarm"), choiceJson(setup, Choice::MinimumAlarm)},
        {QStringLiteral("maximum_alarm"), choiceJson(setup, Choice::MaximumAlarm)},
        {QStringLiteral("blinking_alarm"), choiceJson(setup, Choice::Blinking)},
        {QStringLiteral("alarm_output"), choiceJson(setup, Choice::AlarmOutput)},
        {QStringLiteral("contact"), choiceJson(setup, Choice::Contact)},
    };
    return {{QStringLiteral("record"), json::name(path)},
            {QStringLiteral("record_bytes"), json::hex(bytes)},
            {QStringLiteral("choices"), choices},
            {QStringLiteral("packet"), json::hex(configuration.packet())}};
}

} // namespace

int runShow(const Arguments &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), QString());
    parser.addOption(json);
    if (const auto status = parseArguments(parser, arguments, usage::Show))
        return *status;
    const QStringList records = parser.positionalArguments();
    if (records.size() != 1 || records.constFirst().isEmpty())
        return usageError(usage::ShowTakesOneRecord, usage::Show);
    const std::string record = argumentBytes(records.constFirst());

    gauge::GaugeSetup setup;
    const gauge::Result<gauge::RecordChoices> reading = gauge::readRecord(record);
    if (!restoreRecord(reading, setup))
        return ExitUsage;
    if (parser.isSet(json)) {
        const gauge::Record bytes = gauge::encodeRecord(reading.value());
        std::fputs(json::line(recordJson(record, bytes, setup)).c_str(), stdout);
        return ExitSuccess;
    }

    using gauge::Choice;
    const gauge::GaugeConfiguration &configuration = setup.configuration();
    const std::pair<const char *, std::string> fields[] = {
        {text::GaugeTypeField,
         std::string(gauge::gaugeTypeInfo(configuration.gaugeType)->menuName)},
        {text::SupplyField, chosen(setup, Choice::Supply, text::NoneChosen)},
        {text::UnitField, chosen(setup, Choice::Unit, text::NoneChosen)},
        {text::SenderField, chosen(setup, Choice::Sender, text::NoneChosen)},
        {text::MinimumAlarmField, chosen(setup, Choice::MinimumAlarm, text::AlarmIsOff)},
        {text::MaximumAlarmField, chosen(setup, Choice::MaximumAlarm, text::AlarmIsOff)},
        {text::BlinkingField, chosen(setup, Choice::Blinking, text::NoneChosen)},
        {text::AlarmOutputField, chosen(setup, Choice::AlarmOutput, text::NoneChosen)},
        {text::ContactField, chosen(setup, Choice::Contact, text::NoneChosen)},
        {text::PacketField, gauge::wire::hexBytes(configuration.packet())},
    };
    for (const auto &[name, value] : fields)
        std::printf(text::ShownField, name, value.c_str());
    return ExitSuccess;
}
