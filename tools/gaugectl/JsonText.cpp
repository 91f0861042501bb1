#include "JsonText.h"

#include "wire/WireFormat.h"

#include <QJsonDocument>
#include <QString>
#include <QStringDecoder>

namespace json {

QJsonValue name(const std::string &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(QByteArrayView(bytes));
    return utf8.hasError() ? QString::fromLatin1(bytes) : decoded;
}

QJsonValue text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QJsonValue hex(std::span<const std::uint8_t> bytes)
{
    return QString::fromStdString(gauge::wire::hexBytes(bytes));
}

std::string line(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString() + "\n";
}

} // namespace json
