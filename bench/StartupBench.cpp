// Start-up of the tool against a bare Qt Widgets window, each in a process of its own, off
// screen: the time from starting the process to the main window shown (with the port probe
// done), and the peak resident memory. A second floor, a bare window showing one line of text,
// tells how much of the difference is the font system's first use, which any window with text
// pays.
//   startupbench [runs]
#include "DesktopApplication.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Sample
{
    double milliseconds;
    long peakKilobytes;
};

// Reports "ready" on standard output once the event loop runs with the window shown.
int child(int argc, char *argv[], const std::string &kind)
{
    QApplication app(argc, argv);
    std::unique_ptr<DesktopApplication> application;
    std::unique_ptr<QWidget> bare;
    if (kind == "tool") {
        application = std::make_unique<DesktopApplication>();
        application->start();
    } else if (kind == "text") {
        bare = std::make_unique<QLabel>(QStringLiteral("Digital Instrument"));
        bare->show();
    } else {
        bare = std::make_unique<QWidget>();
        bare->show();
    }
    QTimer::singleShot(0, &app, [] {
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return QApplication::exec();
}

Sample measure(const char *self, const char *kind)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        std::exit(1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char *argv[] = {const_cast<char *>(self), const_cast<char *>("--child"),
                    const_cast<char *>(kind), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, self, &actions, nullptr, argv, environ) != 0)
        std::exit(1);
    ::close(pipeFds[1]);
    char buffer[16] = {};
    const ssize_t got = ::read(pipeFds[0], buffer, sizeof buffer - 1);
    const auto ready = std::chrono::steady_clock::now();
    ::close(pipeFds[0]);
    int status = 0;
    rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    posix_spawn_file_actions_destroy(&actions);
    if (got <= 0 || std::strncmp(buffer, "ready", 5) != 0) {
        std::fprintf(stderr, "the %s child did not come up\n", kind);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(ready - start).count(), usage.ru_maxrss};
}

template<typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0)
        return child(argc, argv, argv[2]);

    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    std::vector<double> toolTimes, bareTimes, textTimes;
    std::vector<long> toolPeaks, barePeaks, textPeaks;
    for (int i = 0; i < runs; ++i) {
        const Sample bare = measure(argv[0], "bare");
        const Sample text = measure(argv[0], "text");
        const Sample tool = measure(argv[0], "tool");
        bareTimes.push_back(bare.milliseconds);
        barePeaks.push_back(bare.peakKilobytes);
        textTimes.push_back(text.milliseconds);
        textPeaks.push_back(text.peakKilobytes);
        toolTimes.push_back(tool.milliseconds);
        toolPeaks.push_back(tool.peakKilobytes);
    }
    const double timeRatio = median(toolTimes) / median(bareTimes);
    const double memoryRatio = static_cast<double>(median(toolPeaks)) / median(barePeaks);
    std::printf("start-up to the window shown (median of %d): tool %.1f ms, bare window %.1f ms:"
                " %.2f x (target: at most 1.5)\n",
                runs, median(toolTimes), median(bareTimes), timeRatio);
    std::printf("peak resident memory (median of %d): tool %ld kB, bare window %ld kB: %.2f x"
                " (target: at most 1.3)\n",
                runs, median(toolPeaks), median(barePeaks), memoryRatio);
    std::printf("bare window with one line of text (median of %d): %.1f ms, %ld kB: the tool takes"
                " %.2f x its time and %.2f x its memory\n",
                runs, median(textTimes), median(textPeaks), median(toolTimes) / median(textTimes),
                static_cast<double>(median(toolPeaks)) / median(textPeaks));
    return timeRatio <= 1.5 && memoryRatio <= 1.3 ? 0 : 1;
}
