#include "JsonText.h"
#include "Utf8.h"

#include "wire/WireFormat.h"

#include <QJsonDocument>
#include <QString>

namespace json {

QJsonValue name(const std::string &bytes)
{
    static constexpr char Digits[] = "0123456789abcdef";
    std::string text;
    for (std::string_view rest = bytes; !rest.empty();) {
        const std::size_t length = utf8CharacterAt(rest).length;
        if (length == 0) {
            const auto byte = static_cast<unsigned char>(rest.front());
            text += {'\\', 'x', Digits[byte >> 4], Digits[byte & 0x0F]};
            rest.remove_prefix(1);
            continue;
        }
        if (rest.front() == '\\')
            text += '\\';
        text.append(rest.substr(0, length));
        rest.remove_prefix(length);
    }
    return QString::fromStdString(text);
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
