// Send Data against the simulated gauge on a pseudo-terminal, through the real Qt serial port:
//   transferbench [instant-runs]
// Prints the time of a whole transfer against an instant reply, the ratio of a transfer against
// a gauge answering at the real line rate to the physical minimum of the line, and the processor
// time spent during a silent two-second wait.
#include "BenchRig.h"

#include <QCoreApplication>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using gauge::sim::ReplyMode;

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto index
        = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

double processorSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds
        = [](const timeval &t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

bool expectResult(const BenchRig &bench, const char *expected)
{
    if (bench.lastMessage() == expected)
        return true;
    std::printf("unexpected result: \"%s\"\n", bench.lastMessage().c_str());
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int instantRuns = argc > 1 ? std::max(10, std::atoi(argv[1])) : 300;
    bool ok = true;

    BenchRig instant(ReplyMode::Correct);
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
    BenchRig lineRate(ReplyMode::LineRate);
    std::vector<double> ratios;
    for (int i = 0; i < 10; ++i) {
        ratios.push_back(lineRate.sendMilliseconds() / lineMinimum);
        ok = expectResult(lineRate, "Data has been sent successfully ") && ok;
    }
    std::printf("Send Data at line rate (10 transfers): median %.4f x the line minimum of %.1f ms,"
                " worst %.4f (target: at most 1.03)\n",
                percentile(ratios, 0.5), lineMinimum,
                *std::max_element(ratios.begin(), ratios.end()));

    BenchRig silent(ReplyMode::Silent);
    const double cpuBefore = processorSeconds();
    const double wall = silent.sendMilliseconds() / 1000.0;
    const double cpu = processorSeconds() - cpuBefore;
    ok = expectResult(silent, "Error: No Comunication with Digital Gauge ") && ok;
    std::printf("Silent gauge: waited %.3f s, processor %.4f s = %.2f %% of the wait"
                " (target: at most 2 %%)\n",
                wall, cpu, 100.0 * cpu / wall);
    return ok ? 0 : 1;
}
