#pragma once

#include "gauge/CoefficientTable.h"
#include "gauge/GaugeConfiguration.h"
#include "gauge/Notices.h"
#include "gauge/OptionGroup.h"
#include "gauge/Options.h"
#include "gauge/RecordChoices.h"

#include <array>
#include <functional>
#include <optional>

namespace gauge {

// The gauge being set up: which gauge type it is to be and every choice made for it, with what
// follows from them (gauge code, unit code, the sender's curve and scale).
//
// Every choice goes through one option group's selection rule, whether the technician makes it
// or the setup makes it itself: choosing a gauge type selects the supply voltage and the default
// alarms, which run their own handling; choosing the 24 V supply sets the gauge type up again.
// A record restores through the same selections, so it ends exactly where the same choices made
// by hand end.
class GaugeSetup
{
public:
    using NoticeHandler = std::function<void(Notice)>;

    GaugeSetup();
    GaugeSetup(const GaugeSetup &) = delete;
    GaugeSetup &operator=(const GaugeSetup &) = delete;

    // Called while a choice is applied, at the moment the notice arises.
    void setNoticeHandler(NoticeHandler handler);

    // Sets the gauge up as a new gauge of this type: the supply voltage kept, the unit and sender
    // to be chosen again, the alarms and outputs at their defaults.
    void chooseGaugeType(int gaugeType);
    // Selects an option, by the selection rule.
    void choose(Choice choice, int index);
    // Puts the alarms back to their defaults and asks for the sender (and, where a type has
    // several, the unit) again.
    void clearChoices();
    // Leaves the gauge: no gauge type is set up any more. Everything else is kept for the next.
    void closeGauge();
    // Applies a record's choices as a technician would make them, in the record's order.
    void restore(const RecordChoices &record);

    // The choices to keep in a record; nothing while the configuration is incomplete.
    std::optional<RecordChoices> recordChoices() const;

    const GaugeConfiguration &configuration() const { return m_configuration; }
    int selected(Choice choice) const { return group(choice).selected(); }

private:
    OptionGroup &group(Choice choice) { return m_groups[static_cast<std::size_t>(choice)]; }
    const OptionGroup &group(Choice choice) const
    {
        return m_groups[static_cast<std::size_t>(choice)];
    }

    void fillOptions(int gaugeType);
    void loadSenderCurve();
    void notify(Notice notice);

    void supplyChosen(int index);
    void unitChosen(int index);
    void senderChosen(int index);
    void minimumAlarmChosen(int index);
    void maximumAlarmChosen(int index);

    GaugeConfiguration m_configuration;
    CoefficientTable m_curves;
    std::array<OptionGroup, ChoiceCount> m_groups;
    // While a record is restored its own alarm and output choices replace the defaults.
    bool m_restoring = false;
    NoticeHandler m_noticeHandler;
};

} // namespace gauge
