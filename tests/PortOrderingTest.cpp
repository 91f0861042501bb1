#include "transfer/PortOrdering.h"

#include <gtest/gtest.h>

namespace gauge::test {
namespace {

std::vector<std::string> paths(const std::vector<PortDevice> &devices)
{
    std::vector<std::string> result;
    for (const PortDevice &device : devices)
        result.push_back(device.path);
    return result;
}

TEST(PortOrdering, UsbAdaptersComeFirstEachGroupInNaturalOrder)
{
    const std::vector<PortDevice> found = {
        {"/dev/ttyS10", ""},  {"/dev/ttyS2", ""}, {"/dev/ttyUSB10", ""}, {"/dev/ttyACM0", ""},
        {"/dev/ttyUSB2", ""}, {"/dev/ttyS0", ""}, {"/dev/ttyUSB0", ""},
    };
    EXPECT_EQ(
        paths(orderedForComNumbers(found)),
        (std::vector<std::string> {"/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB2", "/dev/ttyUSB10",
                                   "/dev/ttyS0", "/dev/ttyS2", "/dev/ttyS10"}));
}

TEST(PortOrdering, LeadingZerosAndPrefixesCompareSensibly)
{
    const std::vector<PortDevice> found
        = {{"/dev/ttyS01", ""}, {"/dev/ttyS1a", ""}, {"/dev/ttyS", ""}, {"/dev/ttyS00", ""}};
    EXPECT_EQ(
        paths(orderedForComNumbers(found)),
        (std::vector<std::string> {"/dev/ttyS", "/dev/ttyS00", "/dev/ttyS01", "/dev/ttyS1a"}));
    EXPECT_TRUE(orderedForComNumbers({}).empty());
}

std::vector<std::string> numbered(const ComAssignment &numbers)
{
    std::vector<std::string> result;
    for (const auto &device : numbers)
        result.push_back(device ? device->path : "-");
    while (!result.empty() && result.back() == "-")
        result.pop_back();
    return result;
}

// A device keeps its COM number while it stays plugged in; a new one takes the lowest free
// number, even when it would sort before the others.
TEST(PortOrdering, NumbersStayWithTheirDevicesAsOthersComeAndGo)
{
    ComAssignment numbers = reassignComNumbers({}, {{"/dev/ttyUSB0"}, {"/dev/ttyS0"}});
    EXPECT_EQ(numbered(numbers), (std::vector<std::string> {"/dev/ttyUSB0", "/dev/ttyS0"}));

    numbers = reassignComNumbers(numbers, {{"/dev/ttyS0"}, {"/dev/ttyACM0"}, {"/dev/ttyUSB0"}});
    EXPECT_EQ(numbered(numbers),
              (std::vector<std::string> {"/dev/ttyUSB0", "/dev/ttyS0", "/dev/ttyACM0"}));

    numbers = reassignComNumbers(numbers, {{"/dev/ttyS0"}, {"/dev/ttyACM0"}});
    EXPECT_EQ(numbered(numbers), (std::vector<std::string> {"-", "/dev/ttyS0", "/dev/ttyACM0"}));

    numbers = reassignComNumbers(numbers, {{"/dev/ttyS0"}, {"/dev/ttyACM0"}, {"/dev/ttyUSB3"}});
    EXPECT_EQ(numbered(numbers),
              (std::vector<std::string> {"/dev/ttyUSB3", "/dev/ttyS0", "/dev/ttyACM0"}));
    EXPECT_EQ(numbers.size(), 12u);
}

} // namespace
} // namespace gauge::test
