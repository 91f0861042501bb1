// Random sequences of a user's actions on the main window. After every step the selection
// variables hold a valid choice or 255, the configuration counts as complete exactly when the
// screen shows a full choice, and a complete configuration gives a sound packet.
#include "FuzzCheck.h"
#include "catalogue/GaugeCatalogue.h"
#include "serial/Packet.h"
#include "support/Fakes.h"

using namespace gauge;
using namespace gauge::test;

namespace {

constexpr GroupId ClickableGroups[] = {GroupId::optVoltage, GroupId::optUnit,   GroupId::optSender,
                                       GroupId::optMinAll,  GroupId::optAllMax, GroupId::optBLK,
                                       GroupId::optAlLOut,  GroupId::optNO_NC};

// A user can only click an option that is on screen and not greyed.
void clickIfOffered(FormFixture &f, GroupId group, int index)
{
    const OptionGroup &options = f.form.group(group);
    if (!f.form.gaugeFrameVisible() || !options.contains(index))
        return;
    const Option &option = options.option(index);
    if (option.visible && option.enabled)
        f.click(group, index);
}

void checkInvariants(const FormFixture &f)
{
    const GaugeConfiguration &c = f.config();
    FUZZ_CHECK(c.GaugeType == NotChosen || isGaugeType(c.GaugeType));
    FUZZ_CHECK(c.SupplyVoltage == NotChosen || c.SupplyVoltage <= 1);
    FUZZ_CHECK(c.UnitIndex == NotChosen || c.UnitIndex < c.UnitCount);
    FUZZ_CHECK(c.SenderIndex == NotChosen || c.SenderIndex < 20);
    FUZZ_CHECK(c.MinAlarm == 0 || c.MaxAlarm == 0 || c.MinAlarm <= c.MaxAlarm);

    if (f.form.gaugeFrameVisible() && c.GaugeType != NotChosen) {
        const int unit = f.form.group(GroupId::optUnit).selectedIndex();
        const int sender = f.form.group(GroupId::optSender).selectedIndex();
        FUZZ_CHECK(unit == (c.UnitIndex == NotChosen ? -1 : c.UnitIndex));
        FUZZ_CHECK(sender == (c.SenderIndex == NotChosen ? -1 : c.SenderIndex));
        FUZZ_CHECK(f.form.group(GroupId::optVoltage).selectedIndex() == c.SupplyVoltage);
        FUZZ_CHECK(ConfigurationComplete(c) == (unit >= 0 && sender >= 0));
    } else {
        FUZZ_CHECK(!ConfigurationComplete(c));
    }

    if (!ConfigurationComplete(c))
        return;
    const ParameterPacket packet = BuildParameterPacket(c);
    FUZZ_CHECK(packet.size() == 37);
    FUZZ_CHECK(packet[36] == ComputeChecksum(packet, 37));
    FUZZ_CHECK(packet[2] == gaugeCodeFor(c.GaugeType, c.SupplyVoltage));
    FUZZ_CHECK(packet[35] == c.SenderIndex + 1);
    const auto words = c.CoefficientTable.entry(c.GaugeType, c.UnitIndex, c.SenderIndex);
    for (std::size_t w = 0; w < words.size(); ++w) {
        const int wire = packet[18 + 2 * w] * 256 + packet[19 + 2 * w];
        FUZZ_CHECK(wire == words[w]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FormFixture f({1});
    f.load();
    f.form.SerialPort_Click(1);
    for (std::size_t i = 0; i + 1 < size && i < 400; i += 2) {
        const int action = data[i] % 12;
        const int value = data[i + 1];
        switch (action) {
        case 0:
            if (isOfferedInMenu(value % 11))
                f.choose(value % 11);
            break;
        case 1:
            f.form.cmdClearCofn_Click();
            break;
        case 2:
            f.form.cmdClose_Click();
            break;
        case 3:
            f.form.Aiuto_Click();
            break;
        default:
            clickIfOffered(f, ClickableGroups[action - 4], value % 20);
            break;
        }
        checkInvariants(f);
    }
    return 0;
}
