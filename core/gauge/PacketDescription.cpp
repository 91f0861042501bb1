#include "gauge/PacketDescription.h"

#include "gauge/Catalogue.h"
#include "gauge/Options.h"
#include "wire/CoefficientEncoding.h"
#include "wire/WireFormat.h"

namespace gauge {

namespace {

using namespace wire;

std::string gaugeName(std::uint8_t code)
{
    const GaugeCodeMeaning meaning = decodeGaugeCode(code);
    const GaugeTypeInfo *info = gaugeTypeInfo(meaning.gaugeType);
    if (!info)
        return "unknown gauge code " + std::to_string(code);
    return std::string(info->menuName) + ", "
        + std::string(SupplyNames[meaning.dedicatedSupply ? DedicatedSupply : TwelveVolts]);
}

std::string unit(std::uint8_t code)
{
    const std::string_view name = unitName(code);
    return name.empty() ? "unknown" : std::string(name);
}

std::string alarm(int tenths)
{
    if (tenths == 0)
        return "off";
    return std::to_string(tenths / 10) + "%";
}

std::string onOff(int value)
{
    return value == Off || value == On ? std::string(OnOffNames[static_cast<std::size_t>(value)])
                                       : "unknown (" + std::to_string(value) + ")";
}

std::string contact(int value)
{
    return value == 0 ? "NO (normally open)" : value == 1 ? "NC (normally closed)" : "unknown";
}

} // namespace

std::vector<std::string> describePacket(std::span<const std::uint8_t> packet)
{
    if (packet.size() != PacketSize)
        return {"not a parameter packet: " + std::to_string(packet.size()) + " bytes instead of "
                + std::to_string(PacketSize)};

    std::vector<std::string> lines;
    const auto frameStart = packet.subspan(PacketField::FrameStart, 2);
    if (frameStart[0] != FrameStartByte || frameStart[1] != FrameStartByte) {
        const std::uint8_t expected[] = {FrameStartByte, FrameStartByte};
        lines.push_back("frame start: " + hexBytes(frameStart) + " (should be " + hexBytes(expected)
                        + ")");
    }
    lines.push_back("gauge: " + gaugeName(packet[PacketField::GaugeCode]));
    lines.push_back("unit: " + unit(packet[PacketField::UnitCode]));
    lines.push_back("scale: " + std::to_string(wordAt(packet, PacketField::ScaleLow)) + " to "
                    + std::to_string(wordAt(packet, PacketField::ScaleHigh)));
    lines.push_back("minimum alarm: " + alarm(wordAt(packet, PacketField::MinimumAlarm)));
    lines.push_back("maximum alarm: " + alarm(wordAt(packet, PacketField::MaximumAlarm)));
    lines.push_back("alarm output: " + onOff(packet[PacketField::AlarmOutput]));
    lines.push_back("blinking alarm: " + onOff(packet[PacketField::Blinking]));
    std::string curve = "curve:";
    for (std::size_t offset = PacketField::Curve; offset < PacketField::Contact; offset += 4)
        curve += " " + coefficientText(wordAt(packet, offset), wordAt(packet, offset + 2));
    lines.push_back(curve);
    lines.push_back("contact: " + contact(packet[PacketField::Contact]));
    lines.push_back("sender: " + std::to_string(packet[PacketField::SenderNumber]));
    const std::uint8_t sum = checksum(packet.first(PacketField::Checksum));
    const std::uint8_t sent = packet[PacketField::Checksum];
    lines.push_back(
        "checksum: " + std::to_string(sent)
        + (sum == sent ? " (correct)" : " (wrong, should be " + std::to_string(sum) + ")"));
    return lines;
}

} // namespace gauge
