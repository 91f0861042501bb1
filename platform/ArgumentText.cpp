#include "ArgumentText.h"

QString argumentText(const std::string &argument)
{
    return QString::fromLatin1(argument);
}

std::string argumentBytes(const QString &text)
{
    return text.toLatin1().toStdString();
}
