// gaugectl end to end: the real executable, with "simulate" in one process and "send" in another.
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace gauge::test {
namespace {

using namespace std::chrono_literals;

std::string readText(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A gaugectl process with its output in files; standard input is empty (no terminal).
class Process
{
public:
    Process(const TempDir &dir, const std::string &name, const std::vector<std::string> &arguments,
            const std::string &program = GAUGECTL)
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
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, m_out.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, m_err.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (posix_spawnp(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
    }

    ~Process()
    {
        if (m_pid > 0 && !m_finished) {
            ::kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }

    int wait()
    {
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_finished = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    int stop()
    {
        ::kill(m_pid, SIGTERM);
        return wait();
    }

    std::string out() const { return readText(m_out); }
    std::string err() const { return readText(m_err); }

private:
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

Result run(const TempDir &dir, const std::vector<std::string> &arguments)
{
    Process process(dir, "run", arguments);
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
    std::unique_ptr<Process> simulate(const std::string &mode)
    {
        auto process = std::make_unique<Process>(
            dir, "simulate",
            std::vector<std::string> {"simulate", "--mode", mode, "--link", link()});
        for (int i = 0; i < 500 && !std::filesystem::is_symlink(link()); ++i)
            std::this_thread::sleep_for(10ms);
        EXPECT_TRUE(std::filesystem::is_symlink(link()));
        return process;
    }

    std::string link() const { return dir.path("gauge"); }

    TempDir dir;
};

const std::vector<unsigned char> OilPressure = {100, 103, 102, 101, 101, 103, 100, 100, 100};

TEST_F(Gaugectl, ShowPrintsTheRecordAndItsPacket)
{
    const Result result = run(dir, {"show", record("oil.gag", OilPressure)});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out,
              "Gauge type:     Oil Pressure\n"
              "Supply voltage: 12 Vdc\n"
              "Unit:           ATM\n"
              "Sender:         Teleflex  80PSI 4HD\n"
              "Minimum alarm:  20%\n"
              "Maximum alarm:  80 %\n"
              "Blinking alarm: OFF\n"
              "Alarm output:   OFF\n"
              "Contact:        NO \n"
              "Packet:         AA AA 03 06 00 00 00 06 00 00 00 C8 00 00 03 20 00 00 "
              "40 02 03 66 00 13 02 7A 40 4D 01 39 00 BA 01 E0 00 03 ED\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(Gaugectl, ShowPrintsTheRestoresMessagesInOrder)
{
    // A 24 V Voltmeter whose minimum of 80% lies above its maximum of 20%: the maximum comes
    // first and is accepted, the minimum is then refused.
    const Result result
        = run(dir, {"show", record("v.gag", {101, 108, 100, 100, 104, 100, 101, 100, 100})});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err,
              "Attention:Only For Dedicated Gauge\n"
              "Error: Minimu Alarm is greater than Maximum Alarm\n");
    EXPECT_NE(result.out.find("Minimum alarm:  off\n"), std::string::npos);
    EXPECT_NE(result.out.find("Supply voltage: 24 Vdc (Dedicated)"), std::string::npos);
    EXPECT_NE(result.out.find("Packet:         AA AA 3A 01 00 12 00 1E"), std::string::npos);
}

TEST_F(Gaugectl, RefusedRecordsGiveTheWindowsReason)
{
    const std::string path = record("bad.gag", {100, 103, 112, 100, 101, 103, 101, 100, 100});
    const Result result = run(dir, {"show", path});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "The file \"" + path
                  + "\" is not a valid gauge parameter file: byte 2: "
                    "sender 12 does not exist for Oil Pressure.\n");

    const Result missing = run(dir, {"show", dir.path("missing.gag")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos);
}

TEST_F(Gaugectl, SendProgramsTheSimulatedGauge)
{
    auto gauge = simulate("correct");
    const Result result = run(dir, {"send", "--port", link(), record("oil.gag", OilPressure)});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Data has been sent successfully \n");
    EXPECT_EQ(gauge->stop(), 0);
    const std::string seen = gauge->out();
    EXPECT_NE(seen.find("packet 1: AA AA 03 06 00 00 00 06"), std::string::npos);
    EXPECT_NE(seen.find("  gauge: Oil Pressure, 12 Vdc\n"), std::string::npos);
    EXPECT_NE(seen.find("  checksum: 237 (correct)\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(link()));
}

struct FailureCase
{
    std::string mode;
    std::string message;
};

void PrintTo(const FailureCase &c, std::ostream *out)
{
    *out << c.mode;
}

class GaugectlFailures : public Gaugectl, public testing::WithParamInterface<FailureCase>
{
};

TEST_P(GaugectlFailures, ExitWithOneAndTheWindowsMessage)
{
    auto gauge = simulate(GetParam().mode);
    const Result result = run(dir, {"send", "--port", link(), record("oil.gag", OilPressure)});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    EachMode, GaugectlFailures,
    testing::Values(FailureCase {"bad-header", "Error: Data not sent"},
                    FailureCase {"bad-echo", "Error: Data not sent"},
                    FailureCase {"bad-trailer", "Error: Data not sent"},
                    FailureCase {"short", "Error: No Comunication with Digital Gauge "},
                    FailureCase {"long", "Error: No Comunication with Digital Gauge "},
                    FailureCase {"silent", "Error: No Comunication with Digital Gauge "},
                    FailureCase {"hang-up", "Error: No Comunication with Digital Gauge "}),
    [](const auto &info) {
        std::string name = info.param.mode;
        std::erase(name, '-');
        return name;
    });

TEST_F(Gaugectl, AnAlarmOffNeedsYesWithoutATerminal)
{
    auto gauge = simulate("correct");
    const std::string path = record("off.gag", {100, 101, 100, 100, 100, 103, 101, 100, 100});
    const Result refused = run(dir, {"send", "--port", link(), path});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("--yes"), std::string::npos);

    const Result sent = run(dir, {"send", "--port", link(), "--yes", path});
    EXPECT_EQ(sent.status, 0);
    gauge->stop();
    EXPECT_NE(gauge->out().find("minimum alarm: off"), std::string::npos);
    EXPECT_EQ(gauge->out().find("packet 2"), std::string::npos);
}

TEST_F(Gaugectl, ProductionRunCountsGauges)
{
    auto gauge = simulate("correct");
    // Standard input is empty, so the run ends after the first gauge.
    const Result result
        = run(dir, {"send", "--each", "--port", link(), record("oil.gag", OilPressure)});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(
        result.out,
        "Data has been sent successfully \ngauge 1 sent; sent 1, failed 0\nsent 1, failed 0\n");
}

TEST_F(Gaugectl, BadUsageExitsWithTwo)
{
    EXPECT_EQ(run(dir, {}).status, 2);
    EXPECT_EQ(run(dir, {"frobnicate"}).status, 2);
    EXPECT_EQ(run(dir, {"send", "x.gag"}).status, 2);
    EXPECT_EQ(run(dir, {"simulate", "--mode", "loud"}).status, 2);
    const Result noDevice
        = run(dir, {"send", "--port", dir.path("nothing"), record("oil.gag", OilPressure)});
    EXPECT_EQ(noDevice.status, 1);
    EXPECT_NE(noDevice.err.find("Error : 2"), std::string::npos);
}

TEST_F(Gaugectl, PortsOnAComputerWithoutSerialPorts)
{
    // The machine's own ports are hidden in a mount namespace of the test's own.
    if (::geteuid() != 0)
        GTEST_SKIP() << "hiding the serial devices needs root";
    std::filesystem::create_directory(dir.path("no-tty"));
    Process ports(
        dir, "ports",
        {"-m", "sh", "-c",
         "mount --bind " + dir.path("no-tty") + " /sys/class/tty && exec " + GAUGECTL + " ports"},
        "unshare");
    const int status = ports.wait();
    if (status != 0 && ports.out().empty())
        GTEST_SKIP() << "no mount namespace here: " << ports.err();
    EXPECT_EQ(status, 0);
    std::string expected;
    for (int n = 1; n <= 12; ++n) {
        std::string com = "COM" + std::to_string(n);
        com.resize(6, ' ');
        expected += com + " no device\n";
    }
    EXPECT_EQ(ports.out(), expected);
}

TEST_F(Gaugectl, EveryCommandExplainsItself)
{
    for (const char *command : {"show", "send", "ports", "simulate"}) {
        const Result help = run(dir, {command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.out.rfind(std::string("Usage: gaugectl ") + command, 0), 0u) << command;
        EXPECT_NE(help.out.find("Exit status"), std::string::npos) << command;
    }
    EXPECT_NE(run(dir, {"--help"}).out.find("Commands:"), std::string::npos);
}

} // namespace
} // namespace gauge::test
