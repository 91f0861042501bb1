#pragma once

#include <optional>
#include <string>
#include <string_view>

// A gauge's own serial number, as its label carries it (typed, or scanned from a barcode): 1 to
// 64 printable characters, the blanks around them trimmed. Nothing when the text is no unit id.
std::optional<std::string> unitId(std::string_view typed);
