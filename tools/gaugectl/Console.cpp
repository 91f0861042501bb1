#include "Console.h"

#include "Texts.h"
#include "Utf8.h"

#include <QChar>

namespace {

// Beyond this, an echo tells how long the text was rather than filling the screen with it. Whole
// messages come through here too, so it leaves room for a long path and the words around it.
constexpr std::size_t LongestEcho = 512;

// Characters a terminal acts on rather than shows: C1 controls (some terminals take them as
// escape sequences), and the format characters and separators that reorder or hide what stands
// beside them (a right-to-left override can make "gag.exe" read "exe.gag").
bool actedOn(char32_t codePoint)
{
    switch (QChar::category(codePoint)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

void appendHex(std::string &text, std::uint32_t value, int digits)
{
    static constexpr char Digits[] = "0123456789abcdef";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        text += Digits[(value >> shift) & 0x0F];
}

} // namespace

std::string printable(std::string_view text)
{
    std::string result;
    std::string_view rest = text;
    while (!rest.empty() && result.size() < LongestEcho) {
        const Utf8Character character = utf8CharacterAt(rest);
        const auto byte = static_cast<unsigned char>(rest.front());
        if (byte == '\n') {
            result += "\\n";
        } else if (byte == '\t') {
            result += "\\t";
        } else if (character.length == 0 || byte < 0x20 || byte == 0x7F) {
            // A byte that is no part of UTF-8 too: alone, 0x9B is a control on some terminals.
            result += "\\x";
            appendHex(result, byte, 2);
        } else if (actedOn(character.codePoint)) {
            const bool wide = character.codePoint > 0xFFFF;
            result += wide ? "\\U" : "\\u";
            appendHex(result, character.codePoint, wide ? 8 : 4);
        } else {
            result.append(rest.substr(0, character.length));
        }
        rest.remove_prefix(character.length == 0 ? 1 : character.length);
    }
    if (!rest.empty())
        result += formatted(text::EchoCut, text.size());
    return result;
}

void printLine(std::FILE *stream, std::string_view text)
{
    std::fprintf(stream, "%s\n", std::string(text).c_str());
    std::fflush(stream);
}
