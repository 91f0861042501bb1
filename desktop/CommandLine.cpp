#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

CommandLine readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Programs digital panel gauges over a serial cable."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("record"),
                                 QStringLiteral("A gauge parameter record (.gag) to open."),
                                 QStringLiteral("[record]"));
    CommandLine result;
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        std::fputs(qPrintable(parser.isSet(help)
                                  ? parser.helpText()
                                  : QStringLiteral("gauge-programmer %1\n")
                                        .arg(QCoreApplication::applicationVersion())),
                   stdout);
        result.helpShown = true;
        return result;
    }
    const QStringList records = parser.positionalArguments();
    if (records.size() > 1)
        result.error = QStringLiteral("One record at a time, please.");
    else if (!records.isEmpty())
        result.record = records.constFirst();
    return result;
}
