#include "CommandLine.h"

#include "DesktopTexts.h"
#include "platform/ArgumentText.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#ifdef Q_OS_WIN
#include <QMessageBox>
#endif

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
        result.answer
            = (parser.isSet(help)
                   ? parser.helpText()
                   : QString(desktopText::VersionLine).arg(QCoreApplication::applicationVersion()))
                  .toStdString();
        return result;
    }
    const QStringList records = parser.positionalArguments();
    if (records.size() > 1)
        return gauge::Failure {desktopText::OneRecordOnly};
    if (!records.isEmpty())
        result.record = argumentBytes(records.constFirst());
    return result;
}

#ifdef Q_OS_WIN

// The help's columns line up in a fixed-width font only.
void tellAnswer(const std::string &answer)
{
    QMessageBox box(QMessageBox::Information, QString(),
                    QStringLiteral("<pre>%1</pre>")
                        .arg(QString::fromStdString(answer).trimmed().toHtmlEscaped()));
    box.setTextFormat(Qt::RichText);
    box.exec();
}

void tellCommandLineError(const std::string &error)
{
    QMessageBox box(QMessageBox::Critical, QString(),
                    QString::asprintf(desktopText::CommandLineError, error.c_str()).trimmed());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

#else

void tellAnswer(const std::string &answer)
{
    std::fputs(answer.c_str(), stdout);
}

void tellCommandLineError(const std::string &error)
{
    std::fprintf(stderr, desktopText::CommandLineError, error.c_str());
}

#endif
