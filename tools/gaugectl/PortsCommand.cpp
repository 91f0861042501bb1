#include "Commands.h"

#include "serial/QtSerialPort.h"
#include "serial/SystemPortMap.h"
#include "transfer/Link.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

constexpr const char *Usage = R"(Usage: gaugectl ports

Lists COM1 to COM12 as the window numbers them: the device behind each port, whether it opens,
and why not. Each port that has a device is opened and closed once.

Exit status: 0, or 1 when the output could not be written.
)";

} // namespace

int runPorts(const Arguments &arguments)
{
    QCommandLineParser parser;
    if (const auto status = parseArguments(parser, arguments, Usage))
        return *status;
    if (!parser.positionalArguments().isEmpty())
        return usageError("ports takes no arguments", Usage);

    SystemPortMap ports;
    ports.rescan();
    QtSerialPort port;
    for (int number = 1; number <= gauge::PortCount; ++number) {
        const std::string com = "COM" + std::to_string(number);
        const auto device = ports.device(number);
        if (!device) {
            std::printf("%-6s no device\n", com.c_str());
            continue;
        }
        const gauge::OpenResult result = port.probe(*device);
        const std::string state = result.opened()
            ? "opens"
            : "does not open: " + gauge::openingAdvice(result, gauge::portName(number, device));
        std::printf("%-6s %s%s%s  %s\n", com.c_str(), device->path.c_str(),
                    device->description.empty() ? "" : ", ", device->description.c_str(),
                    state.c_str());
    }
    return ExitSuccess;
}
