// The parameter packet, its checksum and the reply checks.
#include "serial/Packet.h"
#include "serial/PacketDescription.h"
#include "shell/GaugeConfiguration.h"

#include <gtest/gtest.h>

#include <vector>

namespace gauge::test {
namespace {

GaugeConfiguration voltmeterExample()
{
    GaugeConfiguration config;
    setStartupDefaults(config);
    config.GaugeCode = 8;
    config.UnitCode = 1;
    config.ScaleLow = 9;
    config.ScaleHigh = 16;
    config.MinAlarm = 200;
    config.MaxAlarm = 800;
    config.AlarmOutput = 0;
    config.BlkSetting = 1;
    // In table order: c1 (0, 0), c2 (0, 0), c3 (5, 990), c4 (0, 0).
    config.CurveCoefficients = {0, 0, 5, 0, 0, 0, 990, 0};
    config.ContactType = 0;
    config.SenderIndex = 0;
    return config;
}

const ParameterPacket ExamplePacket = {170, 170, 8, 1, 0, 9, 0,   16, 0, 0, 0, 200, 0,
                                       0,   3,   32, 0, 1, 0, 0,  0,  0, 0, 0, 0,   0,
                                       0,   5,   3,  222, 0, 0, 0, 0, 0, 1, 73};

TEST(Packet, MatchesTheDocumentedExample)
{
    EXPECT_EQ(BuildParameterPacket(voltmeterExample()), ExamplePacket);
}

TEST(Packet, SixteenBitFieldsTravelHighByteFirst)
{
    GaugeConfiguration config = voltmeterExample();
    config.ScaleHigh = 362;
    config.MinAlarm = 0;
    config.CurveCoefficients[0] = 16911;
    config.ContactType = 1;
    config.SenderIndex = 9;
    const ParameterPacket packet = BuildParameterPacket(config);
    EXPECT_EQ(packet[6], 1);
    EXPECT_EQ(packet[7], 106);
    EXPECT_EQ(packet[10], 0);
    EXPECT_EQ(packet[11], 0);
    EXPECT_EQ(packet[18], 66);
    EXPECT_EQ(packet[19], 15);
    EXPECT_EQ(packet[34], 1);
    EXPECT_EQ(packet[35], 10);
    EXPECT_EQ(packet[36], ComputeChecksum(packet, 37));
}

TEST(Checksum, SumsAllButTheLastByteModulo256)
{
    const std::vector<std::uint8_t> bytes = {200, 100, 0, 99};
    EXPECT_EQ(ComputeChecksum(bytes, 4), 44);
    EXPECT_EQ(ComputeChecksum(bytes, 2), 200);
    // A count beyond the bytes never reads past them.
    EXPECT_EQ(ComputeChecksum(bytes, 100), (200 + 100 + 0 + 99) % 256);
    EXPECT_EQ(ComputeChecksum(bytes, 0), 0);
}

class ReplyChecks : public testing::Test
{
protected:
    void SetUp() override
    {
        config = voltmeterExample();
        std::copy(ExamplePacket.begin(), ExamplePacket.end(), config.TxBuffer.begin());
        const std::uint8_t header[] = {170, 170, 0, 84};
        std::copy(std::begin(header), std::end(header), config.RxBuffer.begin());
        std::copy(ExamplePacket.begin(), ExamplePacket.end(), config.RxBuffer.begin() + 4);
        config.RxBuffer[41] = 0;
    }
    GaugeConfiguration config;
};

TEST_F(ReplyChecks, AcceptTheProperReply)
{
    EXPECT_TRUE(ReplyHeaderValid(config));
    EXPECT_TRUE(ReplyEchoValid(config));
    config.RxBuffer[2] = 1;
    config.RxBuffer[3] = 85;
    EXPECT_TRUE(ReplyHeaderValid(config));
}

TEST_F(ReplyChecks, RejectAWrongHeader)
{
    config.RxBuffer[3] = 85;
    EXPECT_FALSE(ReplyHeaderValid(config));
    EXPECT_TRUE(ReplyEchoValid(config));
    config.RxBuffer[3] = 84;
    config.RxBuffer[1] = 171;
    EXPECT_FALSE(ReplyHeaderValid(config));
}

TEST_F(ReplyChecks, RejectAWrongEchoOrTrailer)
{
    config.RxBuffer[41] = 1;
    EXPECT_FALSE(ReplyEchoValid(config));
    config.RxBuffer[41] = 0;
    config.RxBuffer[4 + 35] ^= 1;
    EXPECT_FALSE(ReplyEchoValid(config));
    EXPECT_TRUE(ReplyHeaderValid(config));
}

TEST(PacketDescription, ReadsTheFieldsBack)
{
    EXPECT_EQ(describePacket(ExamplePacket),
              (std::vector<std::string> {"gauge: Voltmeter, 12 Vdc", "unit: Volt", "scale: 9 to 16",
                                         "minimum alarm: 20%", "maximum alarm: 80%",
                                         "alarm output: OFF", "blinking alarm: ON",
                                         "curve: 0.000 0.000 5.990 0.000",
                                         "contact: NO (normally open)", "sender: 1",
                                         "checksum: 73 (correct)"}));
    EXPECT_EQ(hexBytes(std::span(ExamplePacket).first(4)), "AA AA 08 01");
}

TEST(PacketDescription, PointsOutWhatIsWrong)
{
    ParameterPacket packet = ExamplePacket;
    packet[2] = 53;
    packet[18] = 0x40; // c1 negative, integer part 0
    packet[21] = 214;
    packet[36] = 0;
    const auto lines = describePacket(packet);
    EXPECT_EQ(lines[0], "gauge: Oil Pressure, 24 Vdc (Dedicated)");
    EXPECT_EQ(lines[7], "curve: -0.214 0.000 5.990 0.000");
    EXPECT_EQ(lines.back(), "checksum: 0 (wrong, should be 140)");
    EXPECT_EQ(describePacket(std::vector<std::uint8_t>(3, 0)).front(),
              "not a parameter packet: 3 bytes instead of 37");
}

} // namespace
} // namespace gauge::test
