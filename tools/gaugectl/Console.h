#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// The text as it may go to a terminal: control characters (in a file name, say), bytes that are no
// part of UTF-8, and the characters that reorder or hide text are written as escapes, so they can
// neither hide nor move anything on the screen; a text too long for an echo is cut, saying so.
std::string printable(std::string_view text);

// A text with the names and numbers put in where its printf format says.
template<typename... Values> std::string formatted(const char *format, Values... values)
{
    const int length = std::snprintf(nullptr, 0, format, values...);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    std::snprintf(text.data(), text.size() + 1, format, values...);
    return text;
}

// One line, flushed at once, so that what goes to standard output and standard error keeps its
// order.
void printLine(std::FILE *stream, std::string_view text);
