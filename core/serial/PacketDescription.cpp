#include "serial/PacketDescription.h"

#include "catalogue/GaugeCatalogue.h"
#include "serial/Packet.h"

#include <array>
#include <cstdio>

namespace gauge {

namespace {

int wordAt(std::span<const std::uint8_t> packet, std::size_t offset)
{
    return packet[offset] * 256 + packet[offset + 1];
}

std::string unitName(int code)
{
    static constexpr std::array<const char *, 11> Names = {
        nullptr, "Volt", "Ampere", "°C", "°F", "PSI", "ATM", "BAR", "%", nullptr, "%"};
    if (code >= 0 && code < static_cast<int>(Names.size()) && Names[static_cast<std::size_t>(code)])
        return Names[static_cast<std::size_t>(code)];
    return "unknown";
}

std::string gaugeName(int code)
{
    const int type = code > 50 ? code - 50 : code;
    const GaugeTypeInfo *info = gaugeTypeInfo(type);
    if (!info)
        return "unknown gauge code " + std::to_string(code);
    return std::string(info->menuCaption) + (code > 50 ? ", 24 Vdc (Dedicated)" : ", 12 Vdc");
}

std::string alarm(int tenths)
{
    if (tenths == 0)
        return "off";
    return std::to_string(tenths / 10) + "%";
}

std::string onOff(int value)
{
    return value == 0 ? "OFF" : value == 1 ? "ON" : "unknown (" + std::to_string(value) + ")";
}

// The integer word carries the sign in bit 14, the fraction word the thousandths.
std::string coefficient(int integerWord, int fractionWord)
{
    constexpr int SignFlag = 16384;
    const bool negative = (integerWord & SignFlag) != 0;
    char text[32];
    std::snprintf(text, sizeof text, "%s%d.%03d", negative ? "-" : "", integerWord & ~SignFlag,
                  fractionWord);
    return text;
}

} // namespace

std::vector<std::string> describePacket(std::span<const std::uint8_t> packet)
{
    if (packet.size() != PacketSize)
        return {"not a parameter packet: " + std::to_string(packet.size()) + " bytes instead of "
                + std::to_string(PacketSize)};

    std::vector<std::string> lines;
    if (packet[0] != 170 || packet[1] != 170)
        lines.push_back("frame start: " + hexBytes(packet.first(2)) + " (should be AA AA)");
    lines.push_back("gauge: " + gaugeName(packet[2]));
    lines.push_back("unit: " + unitName(packet[3]));
    lines.push_back("scale: " + std::to_string(wordAt(packet, 4)) + " to "
                    + std::to_string(wordAt(packet, 6)));
    lines.push_back("minimum alarm: " + alarm(wordAt(packet, 10)));
    lines.push_back("maximum alarm: " + alarm(wordAt(packet, 14)));
    lines.push_back("alarm output: " + onOff(packet[16]));
    lines.push_back("blinking alarm: " + onOff(packet[17]));
    std::string curve = "curve:";
    for (std::size_t k = 0; k < 4; ++k)
        curve += " " + coefficient(wordAt(packet, 18 + 4 * k), wordAt(packet, 20 + 4 * k));
    lines.push_back(curve);
    lines.push_back(std::string("contact: ")
                    + (packet[34] == 0 ? "NO (normally open)" : packet[34] == 1 ? "NC (normally closed)" : "unknown"));
    lines.push_back("sender: " + std::to_string(packet[35]));
    const std::uint8_t checksum = ComputeChecksum(packet, PacketSize);
    lines.push_back("checksum: " + std::to_string(packet[36])
                    + (checksum == packet[36] ? " (correct)"
                                              : " (wrong, should be " + std::to_string(checksum) + ")"));
    return lines;
}

std::string hexBytes(std::span<const std::uint8_t> bytes)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t byte : bytes) {
        if (!text.empty())
            text += ' ';
        text += Digits[byte >> 4];
        text += Digits[byte & 0x0F];
    }
    return text;
}

} // namespace gauge
