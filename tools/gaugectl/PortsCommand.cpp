#include "Commands.h"
#include "Console.h"
#include "JsonText.h"
#include "Texts.h"
#include "UsageTexts.h"

#include "serial/BackgroundProbes.h"
#include "serial/QtSerialPort.h"
#include "serial/SystemPortMap.h"
#include "transfer/Link.h"
#include "transfer/PortSurvey.h"
#include "transfer/TransferTexts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <cstdio>
#include <memory>

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
    const std::unique_ptr<gauge::PortProbes> probes = systemPortProbes(port);
    gauge::PortSurvey survey(port, ports, *probes);
    survey.probeAll();
    // Where a device may take seconds to answer, each answers on the event loop in its own time.
    if (survey.anyBeingTried()) {
        survey.setAnswerListener([&survey] {
            if (!survey.anyBeingTried())
                QCoreApplication::quit();
        });
        QCoreApplication::exec();
    }
    QJsonArray list;
    for (int number = 1; number <= gauge::PortCount; ++number) {
        const std::string com = "COM" + std::to_string(number);
        const gauge::SurveyedPort &surveyed = survey.entry(number);
        const std::optional<gauge::PortDevice> &device = surveyed.device;
        const bool opens = surveyed.usable;
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
        const std::string advice
            = gauge::openingAdvice(surveyed.refusal, gauge::portName(number, device));
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
