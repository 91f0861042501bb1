#include "gauge/Options.h"

#include "gauge/Catalogue.h"

namespace gauge {

namespace {

template<std::size_t N> std::string_view at(const std::array<std::string_view, N> &names, int index)
{
    return index >= 0 && index < static_cast<int>(N) ? names[static_cast<std::size_t>(index)]
                                                     : std::string_view();
}

} // namespace

std::string_view optionName(int gaugeType, Choice choice, int index)
{
    const GaugeTypeInfo *info = gaugeTypeInfo(gaugeType);
    switch (choice) {
    case Choice::Supply:
        return at(SupplyNames, index);
    case Choice::Unit:
        if (!info || index < 0 || index >= info->unitCount())
            return {};
        return wire::unitName(info->units[static_cast<std::size_t>(index)]);
    case Choice::Sender:
        if (!info || index < 0 || index >= static_cast<int>(info->senders.size()))
            return {};
        return info->senders[static_cast<std::size_t>(index)].name;
    case Choice::MinimumAlarm:
        return at(MinimumAlarmNames, index);
    case Choice::MaximumAlarm:
        return at(MaximumAlarmNames, index);
    case Choice::Blinking:
    case Choice::AlarmOutput:
        return at(OnOffNames, index);
    case Choice::Contact:
        return at(ContactNames, index);
    }
    return {};
}

} // namespace gauge
