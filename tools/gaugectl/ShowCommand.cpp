#include "Commands.h"
#include "Session.h"

#include "catalogue/GaugeCatalogue.h"
#include "serial/Packet.h"
#include "serial/PacketDescription.h"

#include <cstdio>

namespace {

constexpr const char *Usage = R"(Usage: gaugectl show FILE.gag

Prints a gauge parameter record in words and the 37-byte packet it would send, in hex. The
record goes through the same restore as "Open > Gauge Parameter" in the window; its messages
(the 24 V notice, an alarm conflict) are printed to standard error, in order.

Exit status: 0 shown, 2 bad usage or a refused record.
)";

std::string selectedCaption(const gauge::MainForm &form, gauge::GroupId group,
                            const char *whenNone)
{
    const gauge::OptionGroup &options = form.group(group);
    const int selected = options.selectedIndex();
    return selected < 0 ? whenNone : options.option(selected).caption;
}

} // namespace

int runShow(const Arguments &arguments)
{
    if (wantsHelp(arguments)) {
        std::fputs(Usage, stdout);
        return ExitSuccess;
    }
    if (arguments.size() != 1 || arguments[0].starts_with('-'))
        return usageError("show takes one record file", Usage);

    ConsoleMessages messages;
    const SinglePortMap noPorts;
    Session session(noPorts, messages);
    if (!session.openRecord(arguments[0]))
        return ExitUsage;

    using gauge::GroupId;
    const gauge::MainForm &form = session.form();
    const gauge::GaugeTypeInfo *type = gauge::gaugeTypeInfo(form.config().GaugeType);
    const std::pair<const char *, std::string> fields[] = {
        {"Gauge type", std::string(type->menuCaption)},
        {"Supply voltage", selectedCaption(form, GroupId::optVoltage, "none")},
        {"Unit", selectedCaption(form, GroupId::optUnit, "none")},
        {"Sender", selectedCaption(form, GroupId::optSender, "none")},
        {"Minimum alarm", selectedCaption(form, GroupId::optMinAll, "off")},
        {"Maximum alarm", selectedCaption(form, GroupId::optAllMax, "off")},
        {"Blinking alarm", selectedCaption(form, GroupId::optBLK, "none")},
        {"Alarm output", selectedCaption(form, GroupId::optAlLOut, "none")},
        {"Contact", selectedCaption(form, GroupId::optNO_NC, "none")},
    };
    for (const auto &[name, value] : fields)
        std::printf("%-15s %s\n", (std::string(name) + ":").c_str(), value.c_str());
    const gauge::ParameterPacket packet = gauge::BuildParameterPacket(form.config());
    std::printf("%-15s %s\n", "Packet:", gauge::hexBytes(packet).c_str());
    return ExitSuccess;
}
