// Send Data against the simulated gauge on a pseudo-terminal, through the real Qt serial port:
//   transferbench [instant-runs]
// Prints the time of a whole transfer against an instant reply, the ratio of a transfer against
// a gauge answering at the real line rate to the physical minimum of the line, and the processor
// time spent during a silent two-second wait.
#include "SimulatedGauge.h"
#include "serial/Clock.h"
#include "serial/PortMap.h"
#include "serial/QtSerialPort.h"
#include "shell/FileDialogs.h"
#include "shell/MainForm.h"
#include "shell/Messages.h"
#include "shell/WindowCommands.h"

#include <QCoreApplication>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using gauge::sim::ReplyMode;

class OnePort final : public gauge::PortMap
{
public:
    explicit OnePort(std::string path)
        : m_path(std::move(path))
    {
    }
    std::optional<gauge::PortDevice> device(int number) const override
    {
        if (number != 1)
            return std::nullopt;
        return gauge::PortDevice {m_path, "simulated gauge"};
    }

private:
    std::string m_path;
};

class LastMessage final : public gauge::Messages
{
public:
    void show(gauge::MessageIcon, const std::string &text, const std::string &) override
    {
        last = text;
    }
    bool ask(const std::string &) override { return true; }
    std::string last;
};

class NoDialogs final : public gauge::FileDialogs
{
public:
    std::string openFileName(const std::string &, const std::string &) override { return {}; }
    std::string saveFileName(const std::string &, const std::string &) override { return {}; }
};

class NoWindows final : public gauge::WindowCommands
{
public:
    void showConnectionHelp() override {}
    void showAbout() override {}
    void closeMainWindow() override {}
};

// A configured tool with COM1 open on a simulated gauge.
struct Bench
{
    explicit Bench(ReplyMode mode)
        : gauge(mode)
        , ports(gauge.devicePath())
        , port(ports)
        , form(gauge::Platform {messages, dialogs, port, windows, clock})
    {
        form.Form_Load();
        form.SerialPort_Click(1);
        form.Gauge_Click(8);
        form.select(gauge::GroupId::optSender, 0);
    }

    double sendMilliseconds()
    {
        const auto start = Clock::now();
        form.cmdTransfer_Click();
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }

    gauge::sim::SimulatedGauge gauge;
    OnePort ports;
    QtSerialPort port;
    LastMessage messages;
    NoDialogs dialogs;
    NoWindows windows;
    gauge::SteadyClock clock;
    gauge::MainForm form;
};

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

double processorSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

bool expectResult(const Bench &bench, const char *expected)
{
    if (bench.messages.last == expected)
        return true;
    std::printf("unexpected result: \"%s\"\n", bench.messages.last.c_str());
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int instantRuns = argc > 1 ? std::max(10, std::atoi(argv[1])) : 300;
    bool ok = true;

    Bench instant(ReplyMode::Correct);
    std::vector<double> times;
    for (int i = 0; i < instantRuns; ++i) {
        times.push_back(instant.sendMilliseconds());
        ok = expectResult(instant, "Data has been sent successfully ") && ok;
    }
    const double median = percentile(times, 0.5);
    std::printf("Send Data, instant reply (%d transfers): median %.3f ms, 95th percentile %.3f ms"
                " (target: median under 3 ms)\n",
                instantRuns, median, percentile(times, 0.95));

    // 79 bytes of 10 bits each at 4800 baud.
    constexpr double lineMinimum = 79.0 * 10.0 / 4800.0 * 1000.0;
    Bench lineRate(ReplyMode::LineRate);
    std::vector<double> ratios;
    for (int i = 0; i < 10; ++i) {
        ratios.push_back(lineRate.sendMilliseconds() / lineMinimum);
        ok = expectResult(lineRate, "Data has been sent successfully ") && ok;
    }
    std::printf("Send Data at line rate (10 transfers): median %.4f x the line minimum of %.1f ms,"
                " worst %.4f (target: at most 1.03)\n",
                percentile(ratios, 0.5), lineMinimum, *std::max_element(ratios.begin(), ratios.end()));

    Bench silent(ReplyMode::Silent);
    const double cpuBefore = processorSeconds();
    const double wall = silent.sendMilliseconds() / 1000.0;
    const double cpu = processorSeconds() - cpuBefore;
    ok = expectResult(silent, "Error: No Comunication with Digital Gauge ") && ok;
    std::printf("Silent gauge: waited %.3f s, processor %.4f s = %.2f %% of the wait"
                " (target: at most 2 %%)\n",
                wall, cpu, 100.0 * cpu / wall);
    return ok ? 0 : 1;
}
