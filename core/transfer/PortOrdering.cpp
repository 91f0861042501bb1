#include "transfer/PortOrdering.h"

#include <algorithm>
#include <cctype>

namespace gauge {

namespace {

bool isUsbAdapter(const std::string &path)
{
    return path.find("ttyUSB") != std::string::npos || path.find("ttyACM") != std::string::npos;
}

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Compares runs of digits by their value and everything else character by character.
bool naturalLess(const std::string &a, const std::string &b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            std::size_t endA = i;
            std::size_t endB = j;
            while (endA < a.size() && isDigit(a[endA]))
                ++endA;
            while (endB < b.size() && isDigit(b[endB]))
                ++endB;
            std::string runA = a.substr(i, endA - i);
            std::string runB = b.substr(j, endB - j);
            runA.erase(0, std::min(runA.find_first_not_of('0'), runA.size() - 1));
            runB.erase(0, std::min(runB.find_first_not_of('0'), runB.size() - 1));
            if (runA.size() != runB.size())
                return runA.size() < runB.size();
            if (runA != runB)
                return runA < runB;
            i = endA;
            j = endB;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

} // namespace

std::vector<PortDevice> orderedForComNumbers(std::vector<PortDevice> devices)
{
    std::stable_sort(devices.begin(), devices.end(), [](const PortDevice &a, const PortDevice &b) {
        const bool usbA = isUsbAdapter(a.path);
        const bool usbB = isUsbAdapter(b.path);
        if (usbA != usbB)
            return usbA;
        return naturalLess(a.path, b.path);
    });
    return devices;
}

ComAssignment reassignComNumbers(const ComAssignment &previous, std::vector<PortDevice> found)
{
    ComAssignment numbers(PortCount);
    std::vector<PortDevice> newcomers;
    for (PortDevice &device : orderedForComNumbers(std::move(found))) {
        const auto kept = std::find_if(previous.begin(), previous.end(), [&](const auto &old) {
            return old && old->path == device.path;
        });
        const auto index = static_cast<std::size_t>(kept - previous.begin());
        if (kept != previous.end() && index < numbers.size())
            numbers[index] = std::move(device);
        else
            newcomers.push_back(std::move(device));
    }
    auto next = newcomers.begin();
    for (auto &place : numbers) {
        if (!place && next != newcomers.end())
            place = std::move(*next++);
    }
    return numbers;
}

} // namespace gauge
