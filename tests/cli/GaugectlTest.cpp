// gaugectl end to end: the real executable, with "simulate" in one process and "send" in another.
#include "GaugectlProcess.h"
#include "support/LockFiles.h"
#include "support/TempDir.h"
#include "wire/WireFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <pty.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace gauge::test {
namespace {

[[maybe_unused]] testing::Environment *const LockCheck
    = testing::AddGlobalTestEnvironment(new NoLockFilesLeft);

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

TEST_F(Gaugectl, ShowPrintsTheRestoresMessages)
{
    // A 24 V Voltmeter: the notice comes up on the way, as in the window.
    const Result result
        = run(dir, {"show", record("v.gag", {101, 108, 100, 100, 100, 100, 101, 100, 100})});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "Attention:Only For Dedicated Gauge\n");
    EXPECT_NE(result.out.find("Minimum alarm:  0% \n"), std::string::npos);
    EXPECT_NE(result.out.find("Supply voltage: 24 Vdc (Dedicated)"), std::string::npos);
    EXPECT_NE(result.out.find("Packet:         AA AA 3A 01 00 12 00 1E"), std::string::npos);
}

TEST_F(Gaugectl, ShowNamesASenderTheWindowDoesNotOffer)
{
    const Result result
        = run(dir, {"show", record("a.gag", {100, 109, 103, 100, 101, 103, 101, 100, 100})});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("Sender:         number 4, not offered in the window\n"),
              std::string::npos);
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

// Records that no Save can write, and files that are not records at all, are refused before
// anything goes to a gauge.
TEST_F(Gaugectl, RecordsThatCannotBeRestoredAsWrittenAreRefused)
{
    auto gauge = simulate("correct");
    const std::string conflict
        = record("conflict.gag", {100, 101, 100, 100, 104, 100, 101, 100, 100});
    const std::string zor = record("zor.gag", {100, 107, 109, 100, 101, 103, 101, 100, 100});
    const std::string fifo = dir.path("fifo.gag");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, std::string> refusals[] = {
        {conflict, "byte 4: minimum alarm 80% lies above the maximum alarm 20% of byte 5."},
        {zor, "byte 2: sender 9 has no curve for Water Temperature."},
        {fifo, "could not be read: Not a regular file."},
    };
    for (const auto &[path, reason] : refusals) {
        for (const char *command : {"show", "send"}) {
            const Result result = command == std::string("show")
                ? run(dir, {"show", path})
                : run(dir, {"send", "--yes", "--port", link(), path});
            EXPECT_EQ(result.status, 2) << command << " " << path;
            EXPECT_NE(result.err.find(reason), std::string::npos) << result.err;
            EXPECT_EQ(result.out, "");
        }
    }
    gauge->stop();
    EXPECT_EQ(gauge->out().find("packet 1"), std::string::npos);
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
    const std::string log = dir.path("production.jsonl");
    const Result refused = run(dir, {"send", "--log", log, "--port", link(), path});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("--yes"), std::string::npos);
    // The gauge declined is traced all the same, with nothing sent to it.
    const std::string line = readText(log);
    EXPECT_NE(line.find(R"("outcome":"declined","packet":null,)"), std::string::npos) << line;

    const Result sent = run(dir, {"send", "--port", link(), "--yes", path});
    EXPECT_EQ(sent.status, 0);
    gauge->stop();
    EXPECT_NE(gauge->out().find("minimum alarm: off"), std::string::npos);
    EXPECT_EQ(gauge->out().find("packet 2"), std::string::npos);
}

// No gauge is programmed that no one asked for or no one would hear of: for a run of one gauge
// whose id never came, after a line of nothing but control characters (Ctrl+D where it is a
// character) at the wait for Enter, or once the reader of --json went away.
TEST_F(Gaugectl, NoGaugeIsProgrammedThatNoOneAskedForOrHearsOf)
{
    auto gauge = simulate("correct");
    const std::string path = record("oil.gag", OilPressure);
    Streams typed;
    typed.input = dir.path("typed");
    std::ofstream(typed.input) << "bad\x01id\n";
    const Result noUnit = run(dir, {"send", "--ask-unit", "--port", link(), path}, typed);
    EXPECT_EQ(noUnit.status, 1);
    EXPECT_NE(noUnit.err.find("no gauge was programmed"), std::string::npos) << noUnit.err;

    std::ofstream(typed.input) << "\x04\n\n";
    const Result each = run(dir, {"send", "--each", "--port", link(), path}, typed);
    EXPECT_EQ(each.status, 0);
    EXPECT_EQ(each.out,
              "Data has been sent successfully \ngauge 1 sent; sent 1, failed 0\nsent 1, "
              "failed 0\n");

    std::ofstream(typed.input) << "\n\n";
    ASSERT_EQ(::pipe2(typed.outputPipe, O_CLOEXEC), 0);
    ::close(typed.outputPipe[0]);
    const Result json = run(dir, {"send", "--each", "--json", "--port", link(), path}, typed);
    ::close(typed.outputPipe[1]);
    EXPECT_EQ(json.status, 1);
    EXPECT_NE(json.err.find("no further gauge is programmed"), std::string::npos) << json.err;
    gauge->stop();
    // One gauge for each of the two production runs.
    EXPECT_NE(gauge->out().find("packet 2"), std::string::npos);
    EXPECT_EQ(gauge->out().find("packet 3"), std::string::npos);
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

// A production run opens the port anew for every gauge: a line that dropped during one gauge is
// open again for the next, and a port that does not open counts that gauge as failed.
TEST_F(Gaugectl, ProductionRunSurvivesADroppedLine)
{
    Streams keys;
    // Close-on-exec, so that the simulators started meanwhile do not hold the pipe open too.
    ASSERT_EQ(::pipe2(keys.inputPipe, O_CLOEXEC), 0);
    const auto pressEnter = [&keys] { ASSERT_EQ(::write(keys.inputPipe[1], "\n", 1), 1); };
    auto dropping = simulate("hang-up");
    Process run(dir, "each", {"send", "--each", "--port", link(), record("oil.gag", OilPressure)},
                keys);
    ::close(keys.inputPipe[0]);
    ASSERT_TRUE(run.waitForOutput("gauge 1 failed; sent 0, failed 1\n"));
    dropping->stop();

    pressEnter(); // no gauge is listening now
    ASSERT_TRUE(run.waitForOutput("gauge 2 failed; sent 0, failed 2\n"));
    EXPECT_NE(run.err().find("Error : 2"), std::string::npos);
    EXPECT_NE(run.err().find("No serial device answers as " + link()), std::string::npos);

    auto working = simulate("correct");
    pressEnter();
    ASSERT_TRUE(run.waitForOutput("gauge 3 sent; sent 1, failed 2\n"));
    ::close(keys.inputPipe[1]);
    EXPECT_EQ(run.wait(), 1);
    EXPECT_EQ(run.out(),
              "Error: No Comunication with Digital Gauge \n"
              "gauge 1 failed; sent 0, failed 1\n"
              "gauge 2 failed; sent 0, failed 2\n"
              "Data has been sent successfully \n"
              "gauge 3 sent; sent 1, failed 2\n"
              "sent 1, failed 2\n");
}

// Ctrl+C, or the terminal closed, while the tool waits for the gauge.
TEST_F(Gaugectl, InterruptedSendLetsGoOfThePort)
{
    auto gauge = simulate("silent");
    const auto locksBefore = staleLockFiles();
    const std::string path = record("oil.gag", OilPressure);
    int packets = 0;
    const std::string log = dir.path("production.jsonl");
    for (const int signal : {SIGINT, SIGHUP}) {
        Process send(dir, "send", {"send", "--log", log, "--port", link(), path});
        // The gauge has the packet, and the tool waits for the reply that does not come.
        const std::string packet = "packet " + std::to_string(++packets);
        for (int i = 0; i < 500 && gauge->out().find(packet) == std::string::npos; ++i)
            std::this_thread::sleep_for(10ms);
        ASSERT_NE(gauge->out().find(packet), std::string::npos);
        EXPECT_EQ(send.signal(signal), 128 + signal);
        EXPECT_NE(send.err().find("interrupted"), std::string::npos);
        EXPECT_EQ(staleLockFiles(), locksBefore);
    }
    // Each gauge has its packet: its line says so.
    const std::string lines = readText(log);
    std::size_t interrupted = 0;
    for (std::size_t at = 0; (at = lines.find(R"("outcome":"interrupted","packet":"AA AA 03)", at))
         != std::string::npos;
         ++at)
        ++interrupted;
    EXPECT_EQ(interrupted, 2u) << lines;
}

// A closed standard output still leaves the gauge's line in the log, and the run exit 1.
TEST_F(Gaugectl, AReaderThatWentAwayStillLeavesTheLogLine)
{
    auto gauge = simulate("correct");
    Streams gone;
    ASSERT_EQ(::pipe2(gone.outputPipe, O_CLOEXEC), 0);
    ::close(gone.outputPipe[0]);
    const std::string log = dir.path("production.jsonl");
    const Result sent
        = run(dir, {"send", "--log", log, "--port", link(), record("oil.gag", OilPressure)}, gone);
    ::close(gone.outputPipe[1]);
    EXPECT_EQ(sent.status, 1);
    EXPECT_NE(sent.err.find("the output could not be written"), std::string::npos) << sent.err;
    EXPECT_NE(readText(log).find(R"("outcome":"sent")"), std::string::npos);
}

// Under a file size limit of 1536 bytes (ulimit -f 3), a line that crosses it is cut short and
// taken back, and one that starts at it meets SIGXFSZ: either way the production run stops before
// the next gauge, with exit 1, and the next run's line starts a line of its own.
TEST_F(Gaugectl, ALineCutShortIsTakenBack)
{
    auto gauge = simulate("correct");
    const std::string log = dir.path("production.jsonl");
    const std::string send = std::string(GAUGECTL) + " send --each --log " + log + " --port "
        + link() + " " + record("oil.gag", OilPressure);
    Streams enter;
    enter.input = dir.path("enter");
    std::ofstream(enter.input) << "\n\n";
    std::string before;
    int packets = 0;
    for (const auto &[size, why] :
         {std::pair<int, std::string> {1536, std::strerror(EFBIG)},
          std::pair<int, std::string> {1300, "only part of the line was written"}}) {
        before = std::string(size - 1, ' ');
        std::ofstream(log) << before << "\n";
        Process limited(dir, "limited", {"-c", "ulimit -f 3 && exec " + send}, enter, "sh");
        EXPECT_EQ(limited.wait(), 1);
        EXPECT_NE(limited.err().find("could not be written (" + why + "); no further gauge"),
                  std::string::npos)
            << limited.err();
        EXPECT_EQ(readText(log), before + "\n");
        // The gauge has its packet, so its line is not lost: it is there to be added by hand.
        EXPECT_NE(limited.err().find("gauge 1 has had its packet"), std::string::npos);
        EXPECT_TRUE(gauge->waitForOutput("packet " + std::to_string(++packets) + ":"));
        EXPECT_EQ(gauge->out().find("packet " + std::to_string(packets + 1)), std::string::npos);
    }
    EXPECT_EQ(
        run(dir, {"send", "--log", log, "--port", link(), record("oil.gag", OilPressure)}).status,
        0);
    EXPECT_EQ(readText(log).rfind(before + "\n{\"detail\":null,", 0), 0u);
}

// Another program holding the log's lock keeps the packet back, for the gauge's line would have
// no place, and does not hold a SIGTERM off: the run ends as interrupted, no gauge programmed.
TEST_F(Gaugectl, AHeldLogLockKeepsThePacketBackAndGivesWayToSigterm)
{
    auto gauge = simulate("correct");
    const std::string log = dir.path("production.jsonl");
    const int holder = ::open(log.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    Process send(dir, "send",
                 {"send", "--log", log, "--port", link(), record("oil.gag", OilPressure)});
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(send.signal(SIGTERM, 2s), 128 + SIGTERM);
    EXPECT_NE(send.err().find("interrupted"), std::string::npos) << send.err();
    EXPECT_EQ(readText(log), "");
    ::close(holder);
    gauge->stop();
    EXPECT_EQ(gauge->out().find("packet 1"), std::string::npos);
}

TEST_F(Gaugectl, PortsAreNamedAsGiven)
{
    // Which names are COM numbers, the port argument's own test tells.
    const Result outOfRange = run(dir, {"send", "--port", "COM13", record("oil.gag", OilPressure)});
    EXPECT_EQ(outOfRange.status, 2);
    EXPECT_NE(outOfRange.err.find("COM numbers run from COM1 to COM12; COM13 is not one"),
              std::string::npos)
        << outOfRange.err;
    // "COM 1" is no COM number but a name, of nothing here; messages use the name as given.
    const Result spaced = run(dir, {"send", "--port", "COM 1", record("oil.gag", OilPressure)});
    EXPECT_EQ(spaced.status, 1);
    EXPECT_NE(spaced.err.find("No serial device answers as COM 1."), std::string::npos)
        << spaced.err;
    EXPECT_EQ(spaced.err.find("COM1"), std::string::npos);

    for (const std::string &notSerial :
         {std::string("/dev/null"), record("x.gag", OilPressure), dir.root().string()}) {
        const Result result
            = run(dir, {"send", "--port", notSerial, record("oil.gag", OilPressure)});
        EXPECT_EQ(result.status, 2) << notSerial;
        EXPECT_EQ(result.err, "gaugectl: " + notSerial + " is not a serial device\n");
    }
}

TEST_F(Gaugectl, OutputThatCannotBeWrittenIsAFailure)
{
    const std::string path = record("oil.gag", OilPressure);
    for (const Streams &streams :
         {Streams {"/dev/null", "/dev/full", false}, Streams {"/dev/null", "", true}}) {
        const Result result = run(dir, {"show", path}, streams);
        EXPECT_NE(result.status, 0);
        EXPECT_NE(result.err.find("the output could not be written"), std::string::npos)
            << result.err;
    }
}

TEST_F(Gaugectl, ControlCharactersInNamesAreShownEscaped)
{
    const std::string path = dir.path("a\x1b[2Jb\nc.gag");
    const Result result = run(dir, {"show", path});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err.find('\x1b'), std::string::npos);
    EXPECT_NE(result.err.find("a\\x1b[2Jb\\nc.gag"), std::string::npos) << result.err;
}

TEST_F(Gaugectl, SimulateNeverTakesAnExistingPath)
{
    const std::string mine = record("mine.gag", OilPressure);
    const Result onFile = run(dir, {"simulate", "--link", mine});
    EXPECT_EQ(onFile.status, 2);
    EXPECT_NE(onFile.err.find("exists already"), std::string::npos);
    EXPECT_EQ(readAll(mine), OilPressure);

    auto first = simulate("correct");
    const auto firstTarget = std::filesystem::read_symlink(link());
    const Result second = run(dir, {"simulate", "--link", link()});
    EXPECT_EQ(second.status, 2);
    EXPECT_EQ(std::filesystem::read_symlink(link()), firstTarget);

    // The link was pointed elsewhere meanwhile: the simulator leaves it alone at its end.
    std::filesystem::remove(link());
    std::filesystem::create_symlink(mine, link());
    EXPECT_EQ(first->stop(), 0);
    EXPECT_EQ(std::filesystem::read_symlink(link()), mine);
}

// However it is told to end (Ctrl+C, kill, its terminal closing), the simulated gauge ends at
// once and takes its link with it, even when a tool has written so much and read so little that
// its replies no longer fit on the line.
// However full its line, and however stalled whoever reads its output: output that could not be
// written is a failure, as for every command.
TEST_F(Gaugectl, SimulateEndsCleanlyOnEverySignal)
{
    const wire::Packet packet = wire::buildPacket({});
    int unread[2] = {-1, -1};
    ASSERT_EQ(::pipe2(unread, O_CLOEXEC), 0);
    Streams stalled;
    stalled.outputPipe[1] = unread[1];
    for (const auto &[number, streams] :
         {std::pair {SIGINT, Streams {}}, std::pair {SIGTERM, Streams {}},
          std::pair {SIGHUP, Streams {}}, std::pair {SIGTERM, stalled}}) {
        SCOPED_TRACE(::strsignal(number));
        auto gauge = simulate("correct", streams);
        const int line = ::open(link().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(line, 0);
        // The line is full once the gauge has read nothing for a while.
        for (auto quiet = std::chrono::steady_clock::now();
             std::chrono::steady_clock::now() - quiet < 200ms;) {
            if (::write(line, packet.data(), packet.size()) > 0)
                quiet = std::chrono::steady_clock::now();
            else
                std::this_thread::sleep_for(5ms);
        }
        EXPECT_EQ(gauge->signal(number), streams.outputPipe[1] < 0 ? 0 : 1);
        EXPECT_FALSE(std::filesystem::is_symlink(link()));
        ::close(line);
    }
    ::close(unread[0]);
    ::close(unread[1]);
}

// Started to outlive its terminal, the simulated gauge stays when the terminal closes.
TEST_F(Gaugectl, SimulateUnderNohupOutlivesAHangUp)
{
    Process gauge(dir, "nohup", {GAUGECTL, "simulate", "--link", link()}, {}, "nohup");
    ASSERT_TRUE(gauge.waitForOutput("Simulated gauge"));
    EXPECT_EQ(gauge.signal(SIGHUP, 300ms), -1);
    EXPECT_EQ(gauge.stop(), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(link()));
}

TEST_F(Gaugectl, BadUsageExitsWithTwo)
{
    EXPECT_EQ(run(dir, {}).status, 2);
    EXPECT_EQ(run(dir, {"frobnicate"}).status, 2);
    EXPECT_EQ(run(dir, {"send", "x.gag"}).status, 2);
    EXPECT_EQ(run(dir, {"show", ""}).status, 2);
    EXPECT_EQ(run(dir, {"simulate", "--mode", "loud"}).status, 2);
    EXPECT_EQ(run(dir,
                  {"send", "--port", link(), "--unit", "A", "--unit", "B",
                   record("oil.gag", OilPressure)})
                  .status,
              2);
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
    const auto portsWithoutDevices = [this](const std::string &options) {
        Process ports(dir, "ports",
                      {"-m", "sh", "-c",
                       "mount --bind " + dir.path("no-tty") + " /sys/class/tty && exec " + GAUGECTL
                           + " " + options},
                      {}, "unshare");
        const int status = ports.wait();
        return Result {status, ports.out(), ports.err()};
    };
    const Result words = portsWithoutDevices("ports");
    if (words.status != 0 && words.out.empty())
        GTEST_SKIP() << "no mount namespace here: " << words.err;
    EXPECT_EQ(words.status, 0);
    std::string expected;
    for (int n = 1; n <= 12; ++n) {
        std::string com = "COM" + std::to_string(n);
        com.resize(6, ' ');
        expected += com + " no device\n";
    }
    EXPECT_EQ(words.out, expected);

    // The JSON keys are pinned: scripts read them.
    const Result json = portsWithoutDevices("ports --json");
    EXPECT_EQ(json.status, 0);
    std::string entries;
    for (int n = 1; n <= 12; ++n) {
        entries += std::string(n > 1 ? "," : "") + R"({"description":null,"detail":null,)"
            + R"("device":null,"opens":null,"port":"COM)" + std::to_string(n) + "\"}";
    }
    EXPECT_EQ(json.out, R"({"ports":[)" + entries + "]}\n");

    const Result sent
        = portsWithoutDevices("send --json --port COM1 " + record("a.gag", OilPressure));
    EXPECT_EQ(sent.status, 1);
    EXPECT_NE(sent.out.find(R"("device":null,)"), std::string::npos) << sent.out;
}

TEST_F(Gaugectl, EveryCommandExplainsItself)
{
    for (const char *command : {"show", "send", "ports", "simulate", "log-summary"}) {
        const Result help = run(dir, {command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.out.rfind(std::string("Usage: gaugectl ") + command, 0), 0u) << command;
        EXPECT_NE(help.out.find("Exit status"), std::string::npos) << command;
    }
    EXPECT_NE(run(dir, {"--help"}).out.find("Commands:"), std::string::npos);
}

// Over ssh or in a container there is no display: help and version come all the same, and a wrong
// option is a usage error, not a crash.
TEST_F(Gaugectl, HelpAndVersionNeedNoDisplay)
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        ::unsetenv(name);
    const Result version = run(dir, {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "gaugectl " PROJECT_VERSION "\n");
    for (const char *option : {"--version", "--help"}) {
        Process tool(dir, "tool", {option}, {}, GAUGE_PROGRAMMER);
        EXPECT_EQ(tool.wait(), 0) << option << ": " << tool.err();
        const std::string expected = std::string(option) == "--version"
            ? "gauge-programmer " PROJECT_VERSION "\n"
            : "gauge-programmer [options] [record]";
        EXPECT_NE(tool.out().find(expected), std::string::npos) << tool.out();
    }
    Process wrong(dir, "tool", {"--bogus"}, {}, GAUGE_PROGRAMMER);
    EXPECT_EQ(wrong.wait(), 2);
    EXPECT_NE(wrong.err().find("bogus"), std::string::npos) << wrong.err();
}

// On Linux a name is bytes: a record and a port named in Latin-1 are found as named.
TEST_F(Gaugectl, NamesThatAreNotUtf8AreFound)
{
    const std::string path = record("caf\xe9.gag", OilPressure);
    const Result shown = run(dir, {"show", path});
    EXPECT_EQ(shown.status, 0) << shown.err;

    auto gauge = simulate("correct");
    const std::string port = dir.path("c\xe2"
                                      "ble");
    std::filesystem::create_symlink(std::filesystem::read_symlink(link()), port);
    const Result sent = run(dir, {"send", "--port", port, path});
    EXPECT_EQ(sent.status, 0) << sent.err;
    EXPECT_EQ(sent.out, "Data has been sent successfully \n");
}

// At a terminal (script(1) makes one), No at the alarm question passes over that gauge and the
// run goes on; an id scanned again is taken once the operator says it is the same gauge again.
TEST_F(Gaugectl, AtATerminalTheOperatorPassesOverAGaugeAndReworksIt)
{
    auto gauge = simulate("correct");
    const std::string log = dir.path("production.jsonl");
    const std::string alarmOff = record("off.gag", {100, 101, 100, 100, 100, 103, 101, 100, 100});
    Streams typed;
    typed.input = dir.path("typed");
    // SN-1, declined; SN-1 again, the same gauge, sent; the end.
    std::ofstream(typed.input) << "SN-1\nn\nSN-1\ny\ny\n\n";
    Process terminal(dir, "terminal",
                     {"-qec",
                      std::string(GAUGECTL) + " send --each --ask-unit --log " + log + " --port "
                          + link() + " " + alarmOff,
                      "/dev/null"},
                     typed, "script");
    EXPECT_EQ(terminal.wait(), 1);
    EXPECT_NE(terminal.out().find("gauge 1 declined; sent 0, failed 1"), std::string::npos);
    EXPECT_NE(terminal.out().find("same gauge again? [y/N] "), std::string::npos);
    EXPECT_NE(terminal.out().find("gauge 2 sent; sent 1, failed 1"), std::string::npos)
        << terminal.out();
    const std::string lines = readText(log);
    EXPECT_NE(lines.find(R"("outcome":"declined","packet":null,)"), std::string::npos) << lines;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 2) << lines;
}

// The terminal gaugectl runs in is no line to a gauge: the packet would land on the screen.
TEST_F(Gaugectl, ItsOwnTerminalIsRefusedAsAPort)
{
    const std::string path = record("oil.gag", OilPressure);
    for (const std::string port : {"/dev/tty", "$(tty)"}) {
        int terminal = -1;
        const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
        ASSERT_GE(child, 0);
        if (child == 0) {
            const std::string command
                = std::string("exec ") + GAUGECTL + " send --yes --port " + port + " " + path;
            ::execl("/bin/sh", "sh", "-c", command.c_str(), nullptr);
            ::_exit(127);
        }
        std::string screen;
        char chunk[256];
        for (ssize_t got; (got = ::read(terminal, chunk, sizeof chunk)) > 0;)
            screen.append(chunk, static_cast<std::size_t>(got));
        ::close(terminal);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_EQ(WEXITSTATUS(status), 2) << port << ": " << screen;
        EXPECT_NE(screen.find("is the terminal this program runs in"), std::string::npos) << screen;
        EXPECT_EQ(screen.find("\xaa\xaa"), std::string::npos) << port;
    }
}

} // namespace
} // namespace gauge::test
