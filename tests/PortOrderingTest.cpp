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

} // namespace
} // namespace gauge::test
