#include "Commands.h"
#include "Console.h"
#include "JsonText.h"
#include "Texts.h"
#include "UsageTexts.h"

#include "serial/QtSerialPort.h"
#include "serial/SystemPortMap.h"
#include "transfer/Link.h"
#include "transfer/PortSurvey.h"
#include "transfer/TransferTexts.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>

#include <cstdio>

int runPorts(const Arguments &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), QString());
    parser.addOption(json);
    if (const auto status = parseArguments(parser, arguments, usage::Ports))
        return *status;
    if (!parser.positionalArguments().isEmpty())
        return usageError(usage::PortsTakesNoArguments, usage::Ports);

    SystemPortMap ports;
    QtSerialPort port;
    gauge::PortSurvey survey(port, ports);
    survey.probeAll();
    QJsonArray list;
    for (int number = 1; number <= gauge::PortCount; ++number) {
        const std::string com = "COM" + std::to_string(number);
        const auto &[device, opens, refusal] = survey.entry(number);
        QJsonObject entry {{QStringLiteral("port"), QString::fromStdString(com)},
                           {QStringLiteral("device"), QJsonValue()},
                           {QStringLiteral("description"), QJsonValue()},
                           {QStringLiteral("opens"), QJsonValue()},
                           {QStringLiteral("detail"), QJsonValue()}};
        if (!device) {
            list.append(entry);
            if (!parser.isSet(json))
                std::printf(text::NoDeviceBehindPort, com.c_str());
            continue;
        }
        const std::string advice = gauge::openingAdvice(refusal, gauge::portName(number, device));
        entry[QStringLiteral("device")] = json::name(device->path);
        entry[QStringLiteral("description")] = json::text(device->description);
        entry[QStringLiteral("opens")] = opens;
        if (!opens)
            entry[QStringLiteral("detail")] = json::text(advice);
        list.append(entry);
        if (parser.isSet(json))
            continue;
        const std::string state = opens ? text::PortOpens : text::PortDoesNotOpen + advice;
        // What a USB adapter calls itself is the adapter's to say, control characters and all.
        std::printf(text::PortLine, com.c_str(), printable(device->path).c_str(),
                    device->description.empty() ? "" : ", ", printable(device->description).c_str(),
                    printable(state).c_str());
    }
    if (parser.isSet(json))
        std::fputs(json::line({{QStringLiteral("ports"), list}}).c_str(), stdout);
    return ExitSuccess;
}
