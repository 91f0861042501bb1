#include "ArgumentText.h"

QString argumentText(const std::string &argument)
{
    return QString::fromLatin1(argument);
}

std::string argumentBytes(const QString &text)
{
    return text.toLatin1().toStdString();
}

// QCoreApplication::arguments() would decode the bytes as UTF-8 and lose those that are not.
std::vector<std::string> programArguments(int argc, char *argv[])
{
    return {argv, argv + argc};
}
