// Send Data against the simulated gauge on a pseudo-terminal, through the real Qt serial port:
//   transferbench [instant-runs]
// Prints the time of a whole transfer against an instant reply, the ratio of a transfer against
// a gauge answering at the real line rate to the physical minimum of the line, and the processor
// time spent during a silent two-second wait.
#include "BenchRig.h"

#include <QCoreApplication>

#include <sys/resource.h>

#include <algorithm>
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

// Runs the transfers; the times of those that ended as expected, or nothing when one did not.
std::vector<double> timesOf(BenchRig &rig, int transfers, const char *expected, bool &ok)
{
    std::vector<double> times;
    rig.sendData(transfers, {}, [&](int, double milliseconds) {
        if (rig.lastMessage() != expected) {
            std::printf("unexpected result: \"%s\"\n", rig.lastMessage().c_str());
            ok = false;
        }
        times.push_back(milliseconds);
    });
    return times;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int instantRuns = argc > 1 ? std::max(10, std::atoi(argv[1])) : 300;
    const char *sent = "Data has been sent successfully ";
    bool ok = true;

    BenchRig instant(ReplyMode::Correct);
    const std::vector<double> times = timesOf(instant, instantRuns, sent, ok);
    std::printf("Send Data, instant reply (%d transfers): median %.3f ms, 95th percentile %.3f ms"
                " (target: median under 3 ms)\n",
                instantRuns, percentile(times, 0.5), percentile(times, 0.95));

    // 79 bytes of 10 bits each at 4800 baud.
    constexpr double lineMinimum = 79.0 * 10.0 / 4800.0 * 1000.0;
    BenchRig lineRate(ReplyMode::LineRate);
    std::vector<double> ratios = timesOf(lineRate, 10, sent, ok);
    for (double &ratio : ratios)
        ratio /= lineMinimum;
    std::printf("Send Data at line rate (10 transfers): median %.4f x the line minimum of %.1f ms,"
                " worst %.4f (target: at most 1.03)\n",
                percentile(ratios, 0.5), lineMinimum,
                *std::max_element(ratios.begin(), ratios.end()));

    BenchRig silent(ReplyMode::Silent);
    const double cpuBefore = processorSeconds();
    const std::vector<double> waits
        = timesOf(silent, 1, "Error: No Comunication with Digital Gauge ", ok);
    const double cpu = processorSeconds() - cpuBefore;
    const double wall = waits.front() / 1000.0;
    std::printf("Silent gauge: waited %.3f s, processor %.4f s = %.2f %% of the wait"
                " (target: at most 2 %%)\n",
                wall, cpu, 100.0 * cpu / wall);
    return ok ? 0 : 1;
}
