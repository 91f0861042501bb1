// gaugectl as a process of its own, for the end-to-end tests: its output in files, a simulated
// gauge in another process.
#pragma once

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace gauge::test {

using namespace std::chrono_literals;

// Where a process's standard streams lead. By default it reads from an empty input (no terminal)
// and its output goes to files of its own.
struct Streams
{
    std::string input = "/dev/null";
    std::string output; // empty: a file of its own
    bool outputClosed = false;
    int inputPipe[2] = {-1, -1};  // when open, the process reads the pipe instead of input
    int outputPipe[2] = {-1, -1}; // when open, the process writes to the pipe instead
};

// A gaugectl process with its output in files.
class Process
{
public:
    Process(const TempDir &dir, const std::string &name, const std::vector<std::string> &arguments,
            const Streams &streams = {}, const std::string &program = GAUGECTL)
        : m_out(dir.path(name + ".out"))
        , m_err(dir.path(name + ".err"))
    {
        std::vector<std::string> all = {program};
        all.insert(all.end(), arguments.begin(), arguments.end());
        std::vector<char *> argv;
        for (std::string &argument : all)
            argv.push_back(argument.data());
        argv.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (streams.inputPipe[0] >= 0) {
            posix_spawn_file_actions_adddup2(&actions, streams.inputPipe[0], STDIN_FILENO);
        } else {
            posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, streams.input.c_str(),
                                             O_RDONLY, 0);
        }
        if (streams.outputClosed)
            posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
        else if (streams.outputPipe[1] >= 0)
            posix_spawn_file_actions_adddup2(&actions, streams.outputPipe[1], STDOUT_FILENO);
        else
            posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO,
                                             streams.output.empty() ? m_out.c_str()
                                                                    : streams.output.c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, m_err.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        // A suite started in the background or under nohup passes its ignored Ctrl+C and hang-up
        // on, and gaugectl rightly keeps them ignored; the tests send them as a terminal would.
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t defaults;
        sigemptyset(&defaults);
        for (const int number : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
            sigaddset(&defaults, number);
        posix_spawnattr_setsigdefault(&attributes, &defaults);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
        if (posix_spawnp(&m_pid, program.c_str(), &actions, &attributes, argv.data(), environ) != 0)
            m_pid = -1;
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
    }

    // A process still running is asked to end, as Ctrl+C would, so that it can let go of its
    // port; only one that does not end is killed.
    ~Process()
    {
        if (m_pid <= 0 || m_finished)
            return;
        ::kill(m_pid, SIGTERM);
        for (int i = 0; i < 200; ++i) {
            if (waitpid(m_pid, nullptr, WNOHANG) == m_pid)
                return;
            std::this_thread::sleep_for(10ms);
        }
        ::kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }

    int wait()
    {
        int status = 0;
        waitpid(m_pid, &status, 0);
        return finished(status);
    }

    // The exit status once the process has ended, within the patience; -1 if it goes on.
    int signal(int number, std::chrono::milliseconds patience = 5s)
    {
        ::kill(m_pid, number);
        for (int i = 0; i < patience / 10ms; ++i) {
            int status = 0;
            if (waitpid(m_pid, &status, WNOHANG) == m_pid)
                return finished(status);
            std::this_thread::sleep_for(10ms);
        }
        return -1;
    }
    int stop() { return signal(SIGTERM); }

    // Waits until the output holds the text, for at most five seconds.
    bool waitForOutput(const std::string &text) const
    {
        for (int i = 0; i < 500; ++i) {
            if (out().find(text) != std::string::npos)
                return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    std::string out() const { return readText(m_out); }
    std::string err() const { return readText(m_err); }

private:
    int finished(int status)
    {
        m_finished = true;
        if (WIFSIGNALED(status))
            return 128 + WTERMSIG(status);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string m_out;
    std::string m_err;
    pid_t m_pid = -1;
    bool m_finished = false;
};

struct Result
{
    int status;
    std::string out;
    std::string err;
};

inline Result run(const TempDir &dir, const std::vector<std::string> &arguments,
                  const Streams &streams = {})
{
    Process process(dir, "run", arguments, streams);
    const int status = process.wait();
    return {status, process.out(), process.err()};
}

class Gaugectl : public testing::Test
{
protected:
    std::string record(const std::string &name, const std::vector<unsigned char> &bytes)
    {
        const std::string path = dir.path(name);
        writeAll(path, bytes);
        return path;
    }

    // Starts a simulated gauge and waits for its link to appear.
    std::unique_ptr<Process> simulate(const std::string &mode, const Streams &streams = {})
    {
        auto process = std::make_unique<Process>(
            dir, "simulate",
            std::vector<std::string> {"simulate", "--mode", mode, "--link", link()}, streams);
        for (int i = 0; i < 500 && !std::filesystem::is_symlink(link()); ++i)
            std::this_thread::sleep_for(10ms);
        EXPECT_TRUE(std::filesystem::is_symlink(link()));
        return process;
    }

    std::string link() const { return dir.path("gauge"); }

    TempDir dir;
};

inline const std::vector<unsigned char> OilPressure = {100, 103, 102, 101, 101, 103, 100, 100, 100};

} // namespace gauge::test
