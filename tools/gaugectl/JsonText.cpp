#include "JsonText.h"

#include "wire/WireFormat.h"

#include <QJsonDocument>
#include <QString>

namespace json {

namespace {

// How many bytes the well-formed UTF-8 sequence at the start of text takes; 0 where there is none.
std::size_t utf8SequenceAt(std::string_view text)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

QJsonValue name(const std::string &bytes)
{
    static constexpr char Digits[] = "0123456789abcdef";
    std::string text;
    for (std::string_view rest = bytes; !rest.empty();) {
        const std::size_t length = utf8SequenceAt(rest);
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
