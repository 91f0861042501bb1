#include "PortArgument.h"

#include "transfer/PortMap.h"

#include <algorithm>
#include <cctype>
#include <string_view>

PortArgument portArgument(const std::string &port)
{
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto lower
        = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    if (port.size() < 4 || lower(port[0]) != 'c' || lower(port[1]) != 'o' || lower(port[2]) != 'm')
        return {};
    std::string_view digits = std::string_view(port).substr(3);
    const bool negative = digits.front() == '-';
    if (negative)
        digits.remove_prefix(1);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit))
        return {};
    if (negative || digits.size() > 3)
        return {PortArgument::ComOutOfRange};
    const int number = std::stoi(std::string(digits));
    if (number < 1 || number > gauge::PortCount)
        return {PortArgument::ComOutOfRange};
    return {PortArgument::ComNumber, number};
}
