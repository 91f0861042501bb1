#include "gauge/GaugeConfiguration.h"

namespace gauge {

wire::Packet GaugeConfiguration::packet() const
{
    wire::PacketFields fields;
    fields.gaugeCode = gaugeCode;
    fields.unitCode = unitCode;
    fields.scaleLow = scale.low;
    fields.scaleHigh = scale.high;
    fields.minimumAlarm = minimumAlarm;
    fields.maximumAlarm = maximumAlarm;
    fields.alarmOutput = alarmOutput;
    fields.blinking = blinking;
    fields.curve = curve;
    fields.contact = contact;
    fields.senderNumber = static_cast<std::uint8_t>(senderIndex + 1);
    return wire::buildPacket(fields);
}

} // namespace gauge
