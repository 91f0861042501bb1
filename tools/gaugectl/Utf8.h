#pragma once

#include <cstddef>
#include <string_view>

// One character at the start of a text that may hold any bytes (a name from the system, a line
// typed or scanned): length 0 where the bytes there are no well-formed UTF-8.
struct Utf8Character
{
    std::size_t length = 0;
    char32_t codePoint = 0;
};

Utf8Character utf8CharacterAt(std::string_view text);
