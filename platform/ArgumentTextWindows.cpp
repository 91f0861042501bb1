#include "ArgumentText.h"

#include <QCoreApplication>
#include <QStringList>

QString argumentText(const std::string &argument)
{
    return QString::fromStdString(argument);
}

std::string argumentBytes(const QString &text)
{
    return text.toStdString();
}

// Qt reads the arguments from the UTF-16 command line, leaving out those QApplication took.
std::vector<std::string> programArguments(int, char *[])
{
    std::vector<std::string> arguments;
    const QStringList list = QCoreApplication::arguments();
    for (const QString &argument : list)
        arguments.push_back(argumentBytes(argument));
    return arguments;
}
