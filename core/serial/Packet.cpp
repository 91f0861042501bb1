#include "serial/Packet.h"

#include "shell/GaugeConfiguration.h"

#include <algorithm>
#include <cmath>

namespace gauge {

namespace {

class PacketWriter
{
public:
    explicit PacketWriter(ParameterPacket &packet)
        : m_packet(packet)
    {
    }

    void byte(int value) { m_packet[m_position++] = static_cast<std::uint8_t>(value); }
    void word(int value)
    {
        const int wire = std::clamp(value, 0, 0xFFFF);
        byte(wire / 256);
        byte(wire % 256);
    }

private:
    ParameterPacket &m_packet;
    std::size_t m_position = 0;
};

int wholeNumber(float value)
{
    return static_cast<int>(std::lround(value));
}

} // namespace

ParameterPacket BuildParameterPacket(const GaugeConfiguration &config)
{
    ParameterPacket packet {};
    PacketWriter out(packet);
    out.byte(config.FrameStartByte);
    out.byte(config.FrameStartByte);
    out.byte(config.GaugeCode);
    out.byte(config.UnitCode);
    out.word(config.ScaleLow);
    out.word(config.ScaleHigh);
    out.word(0);
    out.word(wholeNumber(config.MinAlarm));
    out.word(0);
    out.word(wholeNumber(config.MaxAlarm));
    out.byte(config.AlarmOutput);
    out.byte(config.BlkSetting);
    for (std::size_t j = 0; j < 4; ++j) {
        out.word(config.CurveCoefficients[j]);
        out.word(config.CurveCoefficients[4 + j]);
    }
    out.byte(config.ContactType);
    out.byte(config.SenderIndex + 1);
    packet[PacketSize - 1] = ComputeChecksum(packet, PacketSize);
    return packet;
}

std::uint8_t ComputeChecksum(std::span<const std::uint8_t> bytes, int count)
{
    const auto summed = std::min<std::size_t>(count > 1 ? count - 1 : 0, bytes.size());
    unsigned sum = 0;
    for (std::size_t i = 0; i < summed; ++i)
        sum += bytes[i];
    return static_cast<std::uint8_t>(sum % 256);
}

bool ReplyHeaderValid(const GaugeConfiguration &config)
{
    const auto &rx = config.RxBuffer;
    return rx[0] == config.FrameStartByte && rx[1] == config.FrameStartByte
        && rx[3] == ComputeChecksum(rx, ReplyHeaderSize);
}

bool ReplyEchoValid(const GaugeConfiguration &config)
{
    for (int i = ReplyHeaderSize; i <= ReplyHeaderSize + PacketSize; ++i) {
        if (config.RxBuffer[static_cast<std::size_t>(i)]
            != config.TxBuffer[static_cast<std::size_t>(i - ReplyHeaderSize)])
            return false;
    }
    return true;
}

} // namespace gauge
