#include "UnitId.h"

#include <algorithm>

namespace {

constexpr std::size_t LongestUnitId = 64;

bool printable(char c)
{
    return c >= ' ' && c <= '~';
}

} // namespace

std::optional<std::string> unitId(std::string_view typed)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!typed.empty() && blank(typed.front()))
        typed.remove_prefix(1);
    while (!typed.empty() && blank(typed.back()))
        typed.remove_suffix(1);
    if (typed.empty() || typed.size() > LongestUnitId
        || !std::all_of(typed.begin(), typed.end(), printable))
        return std::nullopt;
    return std::string(typed);
}
