#include "wire/WireFormat.h"

#include <algorithm>

namespace gauge::wire {

namespace {

class PacketWriter
{
public:
    explicit PacketWriter(Packet &packet)
        : m_packet(packet)
    {
    }

    void byte(int value) { m_packet[m_position++] = static_cast<std::uint8_t>(value); }
    void word(int value)
    {
        const int onWire = std::clamp(value, 0, 0xFFFF);
        byte(onWire / 256);
        byte(onWire % 256);
    }

private:
    Packet &m_packet;
    std::size_t m_position = 0;
};

} // namespace

Packet buildPacket(const PacketFields &fields)
{
    Packet packet {};
    PacketWriter out(packet);
    out.byte(FrameStartByte);
    out.byte(FrameStartByte);
    out.byte(fields.gaugeCode);
    out.byte(fields.unitCode);
    out.word(fields.scaleLow);
    out.word(fields.scaleHigh);
    out.word(0);
    out.word(fields.minimumAlarm);
    out.word(0);
    out.word(fields.maximumAlarm);
    out.byte(fields.alarmOutput);
    out.byte(fields.blinking);
    for (const std::int16_t word : fields.curve)
        out.word(word);
    out.byte(fields.contact);
    out.byte(fields.senderNumber);
    packet[PacketField::Checksum] = checksum(std::span(packet).first(PacketField::Checksum));
    return packet;
}

int wordAt(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return bytes[offset] * 256 + bytes[offset + 1];
}

std::uint8_t checksum(std::span<const std::uint8_t> bytes)
{
    unsigned sum = 0;
    for (const std::uint8_t byte : bytes)
        sum += byte;
    return static_cast<std::uint8_t>(sum % 256);
}

bool replyHeaderValid(const Reply &reply)
{
    const std::span<const std::uint8_t> header(reply.data(), ReplyField::HeaderChecksum);
    return reply[ReplyField::FrameStart] == FrameStartByte
        && reply[ReplyField::FrameStart + 1] == FrameStartByte
        && reply[ReplyField::HeaderChecksum] == checksum(header);
}

bool replyEchoValid(const Reply &reply, const Packet &packet)
{
    return std::equal(packet.begin(), packet.end(), reply.begin() + ReplyField::Echo)
        && reply[ReplyField::Trailer] == ReplyTrailer;
}

std::uint8_t gaugeCode(int gaugeType, bool dedicatedSupply)
{
    return static_cast<std::uint8_t>(dedicatedSupply ? gaugeType + DedicatedSupplyOffset
                                                     : gaugeType);
}

GaugeCodeMeaning decodeGaugeCode(std::uint8_t code)
{
    if (code > DedicatedSupplyOffset)
        return {code - DedicatedSupplyOffset, true};
    return {code, false};
}

std::string_view unitName(std::uint8_t code)
{
    switch (static_cast<Unit>(code)) {
    case Unit::Volt:
        return "Volt";
    case Unit::Ampere:
        return "Ampere";
    case Unit::Celsius:
        return "°C";
    case Unit::Fahrenheit:
        return "°F";
    case Unit::Psi:
        return "PSI";
    case Unit::Atm:
        return "ATM";
    case Unit::Bar:
        return "BAR";
    case Unit::LevelPercent:
    case Unit::ConsumptionPercent:
        return "%";
    }
    return {};
}

std::string hexBytes(std::span<const std::uint8_t> bytes)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string text;
    for (const std::uint8_t byte : bytes) {
        if (!text.empty())
            text += ' ';
        text += Digits[byte >> 4];
        text += Digits[byte & 0x0F];
    }
    return text;
}

} // namespace gauge::wire
