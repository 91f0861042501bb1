#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// The text as it may go to a terminal: control characters (in a file name, say) are written as
// escapes, so they can neither hide nor move anything on the screen.
std::string printable(std::string_view text);

// One line, flushed at once, so that what goes to standard output and standard error keeps its
// order.
void printLine(std::FILE *stream, std::string_view text);
