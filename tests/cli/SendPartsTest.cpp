// gaugectl's parts called directly, where a whole process would be the long way round: the port
// argument, the operator's input and the production log.
#include "Attempt.h"
#include "Console.h"
#include "JsonText.h"
#include "OperatorInput.h"
#include "PortArgument.h"
#include "ProductionLog.h"
#include "Texts.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <pty.h>
#include <sys/file.h>
#include <unistd.h>

namespace gauge::test {
namespace {

using namespace std::chrono_literals;

TEST(PortArgument, ComNumbersAreTheWindowsAndAnythingElseIsAPath)
{
    struct Case
    {
        const char *given;
        PortArgument::Kind kind;
        int number;
    };
    for (const Case &c :
         {Case {"COM1", PortArgument::ComNumber, 1}, Case {"com12", PortArgument::ComNumber, 12},
          Case {"COM0", PortArgument::ComOutOfRange, 0},
          Case {"COM13", PortArgument::ComOutOfRange, 0},
          Case {"COM-1", PortArgument::ComOutOfRange, 0},
          Case {"com99999999999", PortArgument::ComOutOfRange, 0},
          Case {"COM 1", PortArgument::DevicePath, 0}, Case {"COM", PortArgument::DevicePath, 0},
          Case {"COM1a", PortArgument::DevicePath, 0},
          Case {"/dev/ttyUSB0", PortArgument::DevicePath, 0}}) {
        const PortArgument port = portArgument(c.given);
        EXPECT_EQ(port.kind, c.kind) << c.given;
        EXPECT_EQ(port.number, c.number) << c.given;
    }
}

constexpr const char *EndOfInput = "(end of input)";

// The line the input gave, EndOfInput at its end, or nothing when it did not answer within two
// seconds.
std::optional<std::string> nextLine(OperatorInput &input)
{
    std::optional<std::string> answer;
    input.waitForLine(
        [&answer](std::optional<std::string> line) { answer = line.value_or(EndOfInput); });
    QElapsedTimer waited;
    waited.start();
    while (!answer && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return answer;
}

class Pipe
{
public:
    Pipe() { EXPECT_EQ(::pipe2(m_ends, O_CLOEXEC), 0); }
    ~Pipe()
    {
        ::close(m_ends[0]);
        closeWriting();
    }
    void write(const std::string &text)
    {
        EXPECT_EQ(::write(m_ends[1], text.data(), text.size()), ssize_t(text.size()));
    }
    void closeWriting() { ::close(std::exchange(m_ends[1], -1)); }
    int reading() const { return m_ends[0]; }

private:
    int m_ends[2] = {-1, -1};
};

TEST(OperatorInput, LinesComeAsTheyAreTypedUntilTheInputEnds)
{
    Pipe keys;
    OperatorInput input(keys.reading());
    keys.write("first\nsecond\nthi");
    EXPECT_EQ(nextLine(input), "first");
    EXPECT_EQ(nextLine(input), "second");
    keys.write("rd");
    keys.closeWriting();
    // Piped in, a last line without its Enter still counts.
    EXPECT_EQ(nextLine(input), "third");
    EXPECT_EQ(nextLine(input), EndOfInput);
}

// Neither an input that cannot be read nor Ctrl+D after stray typing leaves a line to wait for.
TEST(OperatorInput, AnUnreadableInputAndCtrlDOnATerminalEndTheInput)
{
    TempDir dir;
    const int folder = ::open(dir.root().c_str(), O_RDONLY | O_CLOEXEC);
    OperatorInput unreadable(folder);
    EXPECT_EQ(nextLine(unreadable), EndOfInput);
    ::close(folder);

    int keyboard = -1;
    int terminal = -1;
    ASSERT_EQ(::openpty(&keyboard, &terminal, nullptr, nullptr, nullptr), 0);
    OperatorInput typed(terminal);
    ASSERT_EQ(::write(keyboard, "stray\x04", 6), 6);
    EXPECT_EQ(nextLine(typed), EndOfInput);
    ::close(keyboard);
    ::close(terminal);
}

TEST(ProductionLog, EachLineIsAppendedWholeToWhatWasThere)
{
    TempDir dir;
    const std::string path = dir.path("production.jsonl");
    std::ofstream(path) << "{\"gauge\":0}\n";
    auto log = ProductionLog::open(path);
    ASSERT_TRUE(log) << log.error().reason;
    for (int gauge = 1; gauge <= 2; ++gauge)
        EXPECT_TRUE(log.value()->append({{"gauge", gauge}}));
    EXPECT_EQ(readText(path), "{\"gauge\":0}\n{\"gauge\":1}\n{\"gauge\":2}\n");
    EXPECT_EQ(log.value()->file().syncs(), 2);
}

// A log this user may write but not read takes its lines as it always did: the writer cannot see
// whether the file ends in a line, and does without.
TEST(ProductionLog, ALogThatMayOnlyBeWrittenTakesItsLines)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may read any file";
    TempDir dir;
    const std::string path = dir.path("production.jsonl");
    std::ofstream(path) << "{\"gauge\":0}\n";
    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::owner_write);
    auto log = ProductionLog::open(path);
    ASSERT_TRUE(log) << log.error().reason;
    EXPECT_TRUE(log.value()->append({{"gauge", 1}}));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(readText(path), "{\"gauge\":0}\n{\"gauge\":1}\n");
}

TEST(ProductionLog, ALogThatCannotTakeTheLineSaysWhy)
{
    TempDir dir;
    auto full = ProductionLog::open("/dev/full");
    ASSERT_TRUE(full);
    const gauge::Status written = full.value()->append({{"gauge", 1}});
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().reason, std::strerror(ENOSPC));

    const std::string path = dir.path("production.jsonl");
    auto gone = ProductionLog::open(path);
    ASSERT_TRUE(gone);
    EXPECT_TRUE(gone.value()->stillNamed());
    std::filesystem::remove(path);
    EXPECT_FALSE(gone.value()->stillNamed());
    EXPECT_FALSE(gone.value()->append({{"gauge", 1}}));

    // Another station holding the lock past the patience, or a signal meanwhile, ends the wait.
    const int otherStation = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(::flock(otherStation, LOCK_EX), 0);
    bool signalled = false;
    auto held = ProductionLog::open(
        path, [&signalled] { return signalled; }, 100ms);
    ASSERT_TRUE(held);
    EXPECT_EQ(held.value()->append({{"gauge", 1}}).error().reason, text::LogLocked);
    signalled = true;
    held = ProductionLog::open(path, [&signalled] { return signalled; });
    EXPECT_FALSE(held.value()->append({{"gauge", 1}}));
    ::close(otherStation);

    const auto unopened = ProductionLog::open(dir.path("no/such/folder.jsonl"));
    ASSERT_FALSE(unopened);
    EXPECT_EQ(unopened.error().reason, std::strerror(ENOENT));
}

// The line of a gauge about to be programmed has its place before the packet goes out: no other
// station can take the lock in between. A log rotated meanwhile still takes the line, in the file
// under its new name.
TEST(ProductionLog, TheNextLinesPlaceIsHeldAndFollowsARenamedFile)
{
    TempDir dir;
    const std::string path = dir.path("production.jsonl");
    auto log = ProductionLog::open(path);
    ASSERT_TRUE(log);
    ASSERT_TRUE(log.value()->holdForNextLine());
    const int otherStation = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    EXPECT_NE(::flock(otherStation, LOCK_EX | LOCK_NB), 0);

    std::filesystem::rename(path, path + ".1");
    EXPECT_EQ(log.value()->stillNamed().error(), LogFile::Naming::Renamed);
    EXPECT_TRUE(log.value()->append({{"gauge", 1}}));
    EXPECT_EQ(::flock(otherStation, LOCK_EX | LOCK_NB), 0);
    ::close(otherStation);
    EXPECT_EQ(readText(path + ".1"), "{\"gauge\":1}\n");
}

// A name keeps its bytes in the JSON, and no two names read alike.
TEST(JsonText, NamesKeepTheirBytes)
{
    EXPECT_EQ(json::name("C:\\records\\caf\xe9.gag").toString(), "C:\\\\records\\\\caf\\xe9.gag");
}

// The log's file as stations and people leave it, and what goes to a terminal or a log from text
// typed or found in a log.

// A station that lost its power mid-line left a fragment; the next line keeps a line of its own.
TEST(LogFile, ALineCutShortByAnotherStationSwallowsNothing)
{
    TempDir dir;
    const std::string path = dir.path("production.jsonl");
    std::ofstream(path) << "{\"gauge\":0}\n{\"gau";
    auto log = ProductionLog::open(path);
    ASSERT_TRUE(log) << log.error().reason;
    EXPECT_TRUE(log.value()->append({{"gauge", 1}}));
    EXPECT_EQ(readText(path), "{\"gauge\":0}\n{\"gau\n{\"gauge\":1}\n");
}

TEST(Echoes, UnitIdsAreLoggedAsTypedAndEchoedHarmlessly)
{
    Attempt attempt;
    attempt.unit = "a\"b\\c";
    EXPECT_EQ(toJson(attempt)["unit"].toString(), "a\"b\\c");

    // A C1 control, a right-to-left override, a byte that is no UTF-8: none reaches the screen.
    EXPECT_EQ(printable("\xc2\x9b"
                        "2J\xe2\x80\xae"
                        "gag.exe caf\xe9 \xc3\xa9"),
              "\\u009b2J\\u202egag.exe caf\\xe9 \xc3\xa9");
    const std::string echo = printable(std::string(10'000, 'x'));
    EXPECT_LT(echo.size(), 600u);
    EXPECT_TRUE(echo.ends_with("... (10000 bytes in all)")) << echo;
}

} // namespace
} // namespace gauge::test

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
