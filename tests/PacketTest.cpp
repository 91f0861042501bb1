// The parameter packet, its checksum, the reply checks and the packet in words.
#include "gauge/PacketDescription.h"
#include "wire/WireFormat.h"

#include <gtest/gtest.h>

#include <vector>

namespace gauge::test {
namespace {

using namespace wire;

PacketFields voltmeterExample()
{
    PacketFields fields;
    fields.gaugeCode = 8;
    fields.unitCode = 1;
    fields.scaleLow = 9;
    fields.scaleHigh = 16;
    fields.minimumAlarm = 200;
    fields.maximumAlarm = 800;
    fields.alarmOutput = 0;
    fields.blinking = 1;
    fields.curve = {0, 0, 0, 0, 5, 990, 0, 0};
    fields.contact = 0;
    fields.senderNumber = 1;
    return fields;
}

const Packet ExamplePacket = {170, 170, 8, 1, 0, 9, 0, 16, 0, 0, 0,   200, 0, 0, 3, 32, 0, 1, 0,
                              0,   0,   0, 0, 0, 0, 0, 0,  5, 3, 222, 0,   0, 0, 0, 0,  1, 73};

TEST(Packet, MatchesTheDocumentedExample)
{
    EXPECT_EQ(buildPacket(voltmeterExample()), ExamplePacket);
}

TEST(Packet, SixteenBitFieldsTravelHighByteFirst)
{
    PacketFields fields = voltmeterExample();
    fields.scaleHigh = 362;
    fields.minimumAlarm = 0;
    fields.curve[0] = 16911;
    fields.contact = 1;
    fields.senderNumber = 10;
    const Packet packet = buildPacket(fields);
    EXPECT_EQ(packet[6], 1);
    EXPECT_EQ(packet[7], 106);
    EXPECT_EQ(packet[10], 0);
    EXPECT_EQ(packet[11], 0);
    EXPECT_EQ(packet[18], 66);
    EXPECT_EQ(packet[19], 15);
    EXPECT_EQ(packet[34], 1);
    EXPECT_EQ(packet[35], 10);
    EXPECT_EQ(packet[36], checksum(std::span(packet).first(36)));
}

TEST(Checksum, SumsTheBytesModulo256)
{
    const std::vector<std::uint8_t> bytes = {200, 100, 0, 99};
    EXPECT_EQ(checksum(std::span(bytes).first(3)), 44);
    EXPECT_EQ(checksum(bytes), (200 + 100 + 0 + 99) % 256);
    EXPECT_EQ(checksum({}), 0);
}

TEST(GaugeCode, AddsFiftyForTheDedicatedSupply)
{
    EXPECT_EQ(gaugeCode(3, false), 3);
    EXPECT_EQ(gaugeCode(3, true), 53);
    EXPECT_EQ(decodeGaugeCode(60).gaugeType, 10);
    EXPECT_TRUE(decodeGaugeCode(60).dedicatedSupply);
    EXPECT_FALSE(decodeGaugeCode(10).dedicatedSupply);
}

class ReplyChecks : public testing::Test
{
protected:
    void SetUp() override
    {
        const std::uint8_t header[] = {170, 170, 0, 84};
        std::copy(std::begin(header), std::end(header), reply.begin());
        std::copy(ExamplePacket.begin(), ExamplePacket.end(), reply.begin() + 4);
        reply[41] = 0;
    }
    Reply reply {};
};

TEST_F(ReplyChecks, AcceptTheProperReplyWhateverItsHeaderByte)
{
    EXPECT_TRUE(replyHeaderValid(reply));
    EXPECT_TRUE(replyEchoValid(reply, ExamplePacket));
    reply[2] = 1;
    reply[3] = 85;
    EXPECT_TRUE(replyHeaderValid(reply));
}

// Each of the header's bytes counts on its own: a frame byte that is wrong is caught even with
// a checksum that matches it, and a checksum that is wrong is caught.
TEST_F(ReplyChecks, RejectAHeaderWrongInAnyByte)
{
    for (const std::size_t frameByte : {0u, 1u}) {
        Reply wrong = reply;
        wrong[frameByte] = 0x55;
        wrong[3] = checksum(std::span(wrong).first(3));
        EXPECT_FALSE(replyHeaderValid(wrong)) << "byte " << frameByte;
        EXPECT_TRUE(replyEchoValid(wrong, ExamplePacket));
    }
    Reply wrongSum = reply;
    wrongSum[3] ^= 0x01;
    EXPECT_FALSE(replyHeaderValid(wrongSum));
    // The header byte itself may be anything, but the checksum must cover it.
    Reply uncovered = reply;
    uncovered[2] = 7;
    EXPECT_FALSE(replyHeaderValid(uncovered));
}

TEST_F(ReplyChecks, RejectAWrongEchoOrTrailer)
{
    for (std::size_t position = 4; position < reply.size(); ++position) {
        Reply wrong = reply;
        wrong[position] ^= 0x01;
        EXPECT_FALSE(replyEchoValid(wrong, ExamplePacket)) << "byte " << position;
        EXPECT_TRUE(replyHeaderValid(wrong));
    }
}

TEST(PacketDescription, ReadsTheFieldsBack)
{
    EXPECT_EQ(describePacket(ExamplePacket),
              (std::vector<std::string> {
                  "gauge: Voltmeter, 12 Vdc", "unit: Volt", "scale: 9 to 16", "minimum alarm: 20%",
                  "maximum alarm: 80%", "alarm output: OFF", "blinking alarm: ON",
                  "curve: 0.000 0.000 5.990 0.000", "contact: NO (normally open)", "sender: 1",
                  "checksum: 73 (correct)"}));
    EXPECT_EQ(hexBytes(std::span(ExamplePacket).first(4)), "AA AA 08 01");
}

TEST(PacketDescription, PointsOutWhatIsWrong)
{
    Packet packet = ExamplePacket;
    packet[1] = 0xAB;
    packet[2] = 53;
    packet[18] = 0x40; // c1 negative, integer part 0
    packet[21] = 214;
    packet[36] = 0;
    const auto lines = describePacket(packet);
    EXPECT_EQ(lines[0], "frame start: AA AB (should be AA AA)");
    EXPECT_EQ(lines[1], "gauge: Oil Pressure, 24 Vdc (Dedicated)");
    EXPECT_EQ(lines[8], "curve: -0.214 0.000 5.990 0.000");
    EXPECT_EQ(lines.back(), "checksum: 0 (wrong, should be 141)");
    EXPECT_EQ(describePacket(std::vector<std::uint8_t>(3, 0)).front(),
              "not a parameter packet: 3 bytes instead of 37");
}

} // namespace
} // namespace gauge::test
