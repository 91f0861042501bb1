#include "shell/GaugeConfiguration.h"

namespace gauge {

void setStartupDefaults(GaugeConfiguration &config)
{
    config.MinAlarm = 0;
    config.MaxAlarm = 0;
    config.AlarmOutput = 0;
    config.BlkSetting = 1;
    config.ContactType = 0;

    config.GaugeType = NotChosen;
    config.SenderIndex = NotChosen;
    config.UnitIndex = NotChosen;
    config.SupplyVoltage = NotChosen;

    config.SenderCount = 0;
    config.UnitCount = 0;

    config.PacketLength = 37;
    config.ReplyHeaderLength = 4;
    config.FrameStartByte = 170;
}

bool ConfigurationComplete(const GaugeConfiguration &config)
{
    return config.GaugeType != NotChosen && config.SenderIndex != NotChosen
        && config.UnitIndex != NotChosen && config.SupplyVoltage != NotChosen;
}

} // namespace gauge
