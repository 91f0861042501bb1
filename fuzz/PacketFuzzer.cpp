// Random sequences of a technician's actions on the main window. After every step each choice
// holds a valid value or none, the configuration counts as complete exactly when the screen shows
// a full choice, and a complete configuration gives a sound packet.
#include "FuzzCheck.h"
#include "gauge/Catalogue.h"
#include "gauge/CoefficientTable.h"
#include "support/Fakes.h"

using namespace gauge;
using namespace gauge::test;

namespace {

// A technician can only click an option that is on screen and not greyed.
void clickIfOffered(WindowFixture &f, Choice choice, int index)
{
    if (!f.model.gaugeFrameVisible() || index >= optionCount(choice))
        return;
    const OptionView option = f.option(choice, index);
    if (option.visible && option.enabled)
        f.click(choice, index);
}

void checkInvariants(const WindowFixture &f, const CoefficientTable &curves)
{
    const GaugeConfiguration &c = f.config();
    FUZZ_CHECK(c.gaugeType == NotChosen || isGaugeType(c.gaugeType));
    FUZZ_CHECK(c.supplyVoltage == NotChosen || c.supplyVoltage <= 1);
    FUZZ_CHECK(c.unitIndex == NotChosen || c.unitIndex < c.unitCount);
    FUZZ_CHECK(c.senderIndex == NotChosen || c.senderIndex < 20);
    FUZZ_CHECK(c.minimumAlarm == 0 || c.maximumAlarm == 0 || c.minimumAlarm <= c.maximumAlarm);

    if (f.model.gaugeFrameVisible()) {
        const int unit = f.selected(Choice::Unit);
        const int sender = f.selected(Choice::Sender);
        FUZZ_CHECK(unit == c.unitIndex);
        FUZZ_CHECK(sender == c.senderIndex);
        FUZZ_CHECK(f.selected(Choice::Supply) == c.supplyVoltage);
        FUZZ_CHECK(c.complete() == (unit != NotChosen && sender != NotChosen));
        // Nothing greyed or hidden is ever shown chosen.
        for (int i = 0; i < optionCount(Choice::Sender); ++i) {
            const OptionView option = f.option(Choice::Sender, i);
            FUZZ_CHECK(!option.selected || (option.visible && option.enabled));
        }
    } else {
        FUZZ_CHECK(!c.complete());
    }

    if (!c.complete())
        return;
    const wire::Packet packet = c.packet();
    FUZZ_CHECK(packet[wire::PacketField::Checksum]
               == wire::checksum(std::span(packet).first(wire::PacketField::Checksum)));
    FUZZ_CHECK(packet[wire::PacketField::GaugeCode]
               == wire::gaugeCode(c.gaugeType, c.supplyVoltage != 0));
    FUZZ_CHECK(packet[wire::PacketField::SenderNumber] == c.senderIndex + 1);
    const auto words = curves.entry(c.gaugeType, c.unitIndex, c.senderIndex);
    for (std::size_t w = 0; w < words.size(); ++w)
        FUZZ_CHECK(wire::wordAt(packet, wire::PacketField::Curve + 2 * w) == words[w]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const CoefficientTable curves = [] {
        CoefficientTable table;
        buildCoefficientTable(table);
        return table;
    }();
    WindowFixture f({1});
    f.startUp();
    f.model.choosePort(1);
    for (std::size_t i = 0; i + 1 < size && i < 400; i += 2) {
        const int action = data[i] % 12;
        const int value = data[i + 1];
        switch (action) {
        case 0:
            if (isOfferedInMenu(value % 11))
                f.choose(value % 11);
            break;
        case 1:
            f.model.clearConfiguration();
            break;
        case 2:
            f.model.closeGauge();
            break;
        case 3:
            f.model.enterHelpMode();
            break;
        default:
            clickIfOffered(f, static_cast<Choice>(action - 4), value % 20);
            break;
        }
        checkInvariants(f, curves);
    }
    return 0;
}
