#include "CommandLine.h"

#include "DesktopTexts.h"
#include "platform/ArgumentText.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

gauge::Result<CommandLine> readCommandLine(const std::vector<std::string> &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(desktopText::ProgramDescription);
    // Not Qt's help option, which also offers a --help-all that parse() leaves unanswered.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  desktopText::HelpOption);
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("record"), desktopText::RecordArgument,
                                 QStringLiteral("[record]"));
    QStringList list;
    for (const std::string &argument : arguments)
        list.append(argumentText(argument));

    if (!parser.parse(list))
        return gauge::Failure {argumentBytes(parser.errorText())};
    CommandLine result;
    if (parser.isSet(help) || parser.isSet(version)) {
        std::fputs(qPrintable(parser.isSet(help)
                                  ? parser.helpText()
                                  : QString(desktopText::VersionLine)
                                        .arg(QCoreApplication::applicationVersion())),
                   stdout);
        result.helpShown = true;
        return result;
    }
    const QStringList records = parser.positionalArguments();
    if (records.size() > 1)
        return gauge::Failure {desktopText::OneRecordOnly};
    if (!records.isEmpty())
        result.record = argumentBytes(records.constFirst());
    return result;
}
