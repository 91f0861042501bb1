#include "Commands.h"
#include "Console.h"

#include "Texts.h"
#include "UsageTexts.h"

#include "SimulatedGauge.h"
#include "gauge/PacketDescription.h"
#include "platform/TerminationWatch.h"
#include "wire/WireFormat.h"

#include <QCommandLineParser>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

int runSimulate(const Arguments &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption modeOption(QStringLiteral("mode"), QString(), QStringLiteral("MODE"),
                                        QStringLiteral("correct"));
    const QCommandLineOption linkOption(QStringLiteral("link"), QString(), QStringLiteral("PATH"));
    parser.addOptions({modeOption, linkOption});
    if (const auto status = parseArguments(parser, arguments, usage::Simulate))
        return *status;
    if (!parser.positionalArguments().isEmpty())
        return usageError(usage::UnexpectedArgument
                              + printable(argumentBytes(parser.positionalArguments().constFirst())),
                          usage::Simulate);
    const std::string modeName = argumentBytes(parser.value(modeOption));
    const std::optional<gauge::sim::ReplyMode> mode = gauge::sim::modeFromName(modeName);
    if (!mode)
        return usageError(usage::UnknownMode + printable(modeName), usage::Simulate);
    const std::string link = argumentBytes(parser.value(linkOption));

    // Closing the terminal it runs in ends it as cleanly as Ctrl+C does, link and all, unless it
    // was started to outlive its terminal (nohup). Output stalled in a full pipe gives way.
    const TerminationWatch termination(
        {.interruptBlockingCalls = true, .keepIgnoredSignals = false});
    gauge::sim::SimulatedGauge gauge(*mode);
    namespace fs = std::filesystem;
    if (!link.empty()) {
        // Never someone else's file or link: a path that exists is refused, whatever it is.
        std::error_code error;
        if (fs::symlink_status(link, error).type() != fs::file_type::not_found) {
            std::fprintf(stderr, text::LinkExists, printable(link).c_str());
            return ExitUsage;
        }
        fs::create_symlink(gauge.devicePath(), link, error);
        if (error) {
            std::fprintf(stderr, text::LinkFailed, printable(link).c_str(),
                         error.message().c_str());
            return ExitUsage;
        }
    }
    std::printf(text::Simulating, std::string(gauge::sim::modeName(*mode)).c_str(),
                gauge.devicePath().c_str(), link.empty() ? "" : ", linked as ", link.c_str());
    std::fflush(stdout);

    std::size_t received = 0;
    // Writing to a full pipe that nobody reads gives way to an ending signal, and then nothing
    // more is written.
    const auto say = [](const std::string &text) {
        return std::fputs(text.c_str(), stdout) != EOF || !TerminationWatch::requested();
    };
    bool saying = true;
    while (!TerminationWatch::requested() && saying) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        for (const auto &packet : gauge.takePackets()) {
            saying = saying
                && say("packet " + std::to_string(++received) + ": " + gauge::wire::hexBytes(packet)
                       + "\n");
            for (const std::string &line : gauge::describePacket(packet))
                saying = saying && say("  " + line + "\n");
        }
        saying = saying && (std::fflush(stdout) != EOF || !TerminationWatch::requested());
    }
    // The link goes only while it still leads to this gauge: another simulator, or the user, may
    // have taken the name since.
    std::error_code error;
    if (!link.empty() && fs::read_symlink(link, error) == fs::path(gauge.devicePath()))
        fs::remove(link, error);
    return ExitSuccess;
}
