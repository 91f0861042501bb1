#include "Arguments.h"

#include "Console.h"
#include "ExitStatus.h"

#include <QCommandLineParser>

#include <cstdio>

std::optional<int> parseArguments(QCommandLineParser &parser, const Arguments &arguments,
                                  const char *usage)
{
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    parser.addOption(help);
    QStringList list {QStringLiteral("gaugectl")};
    for (const std::string &argument : arguments)
        list.append(argumentText(argument));
    if (!parser.parse(list))
        return usageError(printable(argumentBytes(parser.errorText())), usage);
    if (parser.isSet(help)) {
        std::fputs(usage, stdout);
        return ExitSuccess;
    }
    return std::nullopt;
}

int usageError(const std::string &problem, const char *usage)
{
    std::fprintf(stderr, "gaugectl: %s\n\n%s", problem.c_str(), usage);
    return ExitUsage;
}
