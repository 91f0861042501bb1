#include "Console.h"

std::string printable(std::string_view text)
{
    static constexpr char Digits[] = "0123456789abcdef";
    std::string result;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            result += "\\n";
        } else if (c == '\t') {
            result += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            result += "\\x";
            result += Digits[byte >> 4];
            result += Digits[byte & 0x0F];
        } else {
            result += c;
        }
    }
    return result;
}

void printLine(std::FILE *stream, std::string_view text)
{
    std::fprintf(stream, "%s\n", std::string(text).c_str());
    std::fflush(stream);
}
