// Saving and opening the nine-byte configuration record.
#include "records/Record.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#endif

namespace gauge::test {
namespace {

using Bytes = std::vector<unsigned char>;

const Bytes OilPressureRecord = {100, 103, 102, 101, 101, 103, 100, 100, 100};

class RecordFiles : public testing::Test
{
protected:
    void save(const std::string &path)
    {
        f.dialogs.nextFileName = path;
        f.model.saveRecord();
    }
    void open(WindowFixture &form, const std::string &path)
    {
        form.dialogs.nextFileName = path;
        form.model.openRecord();
    }

    TempDir dir;
    StartedWindow f;
};

TEST_F(RecordFiles, SaveWritesTheOptionPositions)
{
    f.choose(3);
    f.click(Choice::Unit, 1);
    f.click(Choice::Sender, 2);
    f.click(Choice::Blinking, 0);
    const std::string path = dir.path("oil.gag");
    save(path);
    EXPECT_EQ(readAll(path), OilPressureRecord);
    EXPECT_EQ(f.dialogs.filters.back(), (FileFilter {"Configuaration GAUGE  (*.gag)", "gag"}));
    EXPECT_TRUE(f.messages.shown.empty());

    // The dialog offers the last name again.
    save(path);
    EXPECT_EQ(f.dialogs.presets.back(), path);
}

TEST_F(RecordFiles, OpeningRestoresTheDocumentedExample)
{
    const std::string path = dir.path("oil.gag");
    writeAll(path, OilPressureRecord);
    open(f, path);
    EXPECT_EQ(f.dialogs.filters.back(), (FileFilter {"File GAUGE  (*.gag)", "gag"}));
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.model.gaugeFrameCaption(), "Oil pressure");
    EXPECT_EQ(f.config().gaugeType, 3);
    EXPECT_EQ(f.config().supplyVoltage, 0);
    EXPECT_EQ(f.selected(Choice::Unit), 1);
    EXPECT_EQ(f.selected(Choice::Sender), 2);
    EXPECT_EQ(f.selected(Choice::MinimumAlarm), 1);
    EXPECT_EQ(f.selected(Choice::MaximumAlarm), 3);
    EXPECT_EQ(f.selected(Choice::Blinking), 0);
    EXPECT_EQ(f.selected(Choice::AlarmOutput), 0);
    EXPECT_EQ(f.selected(Choice::Contact), 0);
    EXPECT_EQ(f.config().scale.high, 6);
    EXPECT_TRUE(f.config().complete());
    // The next dialog opens without a preset name.
    open(f, "");
    EXPECT_EQ(f.dialogs.presets.back(), "");
}

TEST_F(RecordFiles, EveryTypeRoundTripsOntoAFreshForm)
{
    struct Setup
    {
        int type;
        int voltage;
        int unit;
        int sender;
    };
    const Setup setups[] = {{1, 1, 0, 5}, {2, 0, 0, 0}, {3, 1, 2, 7}, {4, 0, 0, 1}, {5, 0, 1, 0},
                            {6, 1, 0, 8}, {7, 0, 1, 2}, {8, 1, 0, 0}, {9, 0, 0, 1}, {10, 0, 0, 5}};
    for (const Setup &s : setups) {
        SCOPED_TRACE("type " + std::to_string(s.type));
        StartedWindow original;
        original.choose(s.type);
        original.click(Choice::Supply, s.voltage);
        original.click(Choice::Unit, s.unit);
        original.click(Choice::Sender, s.sender);
        original.click(Choice::MaximumAlarm, 2);
        original.click(Choice::MinimumAlarm, 2);
        original.click(Choice::AlarmOutput, 1);
        original.click(Choice::Contact, 1);
        const std::string path = dir.path("type" + std::to_string(s.type) + ".gag");
        original.dialogs.nextFileName = path;
        original.model.saveRecord();
        ASSERT_EQ(readAll(path).size(), 9u);

        StartedWindow restored;
        open(restored, path);
        EXPECT_EQ(snapshot(restored.model), snapshot(original.model));
    }
}

TEST_F(RecordFiles, ATwentyFourVoltRecordShowsTheNotice)
{
    const std::string path = dir.path("volt24.gag");
    writeAll(path, {101, 108, 100, 100, 101, 103, 101, 100, 100});
    f.choose(1);
    open(f, path);
    EXPECT_EQ(f.messages.texts(), std::vector<std::string> {"Attention:Only For Dedicated Gauge"});
    EXPECT_EQ(f.config().gaugeCode, 58);
    EXPECT_EQ(f.config().scale.low, 18);
    EXPECT_EQ(f.config().scale.high, 30);
}

// The thresholds on screen before the open are no yardstick for the record's own: a maximum below
// the minimum in force, or a minimum above the maximum in force, restores as written.
TEST_F(RecordFiles, AValidRecordRestoresExactlyWhateverWasOnScreen)
{
    struct Case
    {
        int minimumOnScreen;
        int maximumOnScreen;
        std::vector<unsigned char> record;
    };
    const Case cases[] = {
        {3, 4, {100, 101, 100, 100, 101, 101, 101, 100, 100}}, // 60% on screen; record 20%, 40%
        {4, 4, {100, 101, 100, 100, 100, 100, 101, 100, 100}}, // 80% on screen; record off, 20%
        {1, 3, {100, 101, 100, 100, 102, 101, 101, 100, 100}}, // defaults; record 40% and 40%
    };
    for (const Case &c : cases) {
        StartedWindow g;
        g.choose(FuelLevel);
        g.click(Choice::MaximumAlarm, c.maximumOnScreen);
        g.click(Choice::MinimumAlarm, c.minimumOnScreen);
        ASSERT_TRUE(g.messages.shown.empty());
        const std::string path = dir.path("alarms.gag");
        writeAll(path, c.record);
        open(g, path);
        EXPECT_TRUE(g.messages.shown.empty()) << g.messages.texts().front();
        EXPECT_EQ(g.selected(Choice::MinimumAlarm), c.record[4] - 100);
        EXPECT_EQ(g.selected(Choice::MaximumAlarm), c.record[5] - 100);
        EXPECT_EQ(g.config().minimumAlarm, MinimumAlarmValues[c.record[4] - 100u]);
        EXPECT_EQ(g.config().maximumAlarm, MaximumAlarmValues[c.record[5] - 100u]);

        const std::string again = dir.path("again.gag");
        std::filesystem::remove(again);
        g.dialogs.nextFileName = again;
        g.model.saveRecord();
        EXPECT_EQ(readAll(again), c.record);
    }
}

TEST_F(RecordFiles, ConsumptionIsReachedThroughARecord)
{
    const std::string path = dir.path("consumption.gag");
    writeAll(path, {100, 102, 100, 100, 101, 103, 101, 100, 100});
    open(f, path);
    EXPECT_EQ(f.model.gaugeFrameCaption(), "Consuption");
    EXPECT_TRUE(f.config().complete());
    EXPECT_EQ(f.config().scale.high, 16);
}

TEST_F(RecordFiles, HiddenSendersWithACurveKeepLoading)
{
    const std::string path = dir.path("ammeter.gag");
    writeAll(path, {100, 109, 103, 100, 101, 103, 101, 100, 100});
    open(f, path);
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.config().senderIndex, 3);
    EXPECT_EQ(f.config().scale.high, 15);
    // The window shows what the gauge will get: that sender chosen, and greyed, as no click can
    // choose it.
    const OptionView shown = f.option(Choice::Sender, 3);
    EXPECT_TRUE(shown.visible);
    EXPECT_TRUE(shown.selected);
    EXPECT_FALSE(shown.enabled);
    EXPECT_EQ(shown.caption, "Sender 4, from the record");

    // Saved again, the hidden sender is found.
    const std::string again = dir.path("again.gag");
    save(again);
    EXPECT_EQ(readAll(again), readAll(path));

    f.click(Choice::Sender, 0);
    EXPECT_FALSE(f.option(Choice::Sender, 3).visible);
}

TEST_F(RecordFiles, SaveOverALongerFileKeepsItsTail)
{
    const std::string path = dir.path("long.gag");
    writeAll(path, Bytes(20, 7));
    f.choose(2);
    save(path);
    const Bytes written = readAll(path);
    ASSERT_EQ(written.size(), 20u);
    EXPECT_EQ(written[1], 102);
    EXPECT_EQ(written[9], 7);
    EXPECT_EQ(written[19], 7);

    // And the reader ignores the tail.
    StartedWindow other;
    open(other, path);
    EXPECT_TRUE(other.messages.shown.empty());
    EXPECT_EQ(other.config().gaugeType, 2);
}

TEST_F(RecordFiles, ARejectedAlarmIsSavedAsOff)
{
    f.choose(1);
    f.click(Choice::Sender, 0);
    f.click(Choice::MaximumAlarm, 1); // 40%
    f.click(Choice::MinimumAlarm, 3); // 60%: rejected, minimum left unselected
    f.click(Choice::MinimumAlarm, 4); // 80%: rejected as well
    ASSERT_EQ(f.selected(Choice::MinimumAlarm), NotChosen);
    const std::string path = dir.path("off.gag");
    save(path);
    EXPECT_EQ(readAll(path)[4], 100);

    f.click(Choice::MaximumAlarm, 0); // 20%: below... the minimum is off, accepted
    f.click(Choice::MinimumAlarm, 2);
    ASSERT_EQ(f.selected(Choice::MaximumAlarm), 0);
    ASSERT_EQ(f.selected(Choice::MinimumAlarm), NotChosen);
    save(path);
    EXPECT_EQ(readAll(path)[4], 100);
}

TEST_F(RecordFiles, SaveRefusesAnIncompleteConfiguration)
{
    f.choose(1);
    save(dir.path("none.gag"));
    EXPECT_EQ(f.messages.texts(),
              std::vector<std::string> {"Error: Configure the instrument before."});
    EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_FALSE(std::filesystem::exists(dir.path("none.gag")));
    EXPECT_TRUE(f.dialogs.filters.empty());
}

TEST_F(RecordFiles, CancelledDialogsChangeNothing)
{
    f.choose(2);
    f.model.enterHelpMode();
    f.dialogs.nextFileName = "";
    const WindowSnapshot before = snapshot(f.model);
    f.model.saveRecord();
    EXPECT_EQ(f.model.mousePointer(), MousePointer::Default);
    f.model.openRecord();
    EXPECT_EQ(snapshot(f.model), before);
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.root()), {}), 0);
}

struct Refusal
{
    std::string name;
    Bytes bytes;
    std::string reason;
};

void PrintTo(const Refusal &r, std::ostream *out)
{
    *out << r.name;
}

class RefusedRecords : public testing::TestWithParam<Refusal>
{
};

TEST_P(RefusedRecords, LeaveTheFormAsItWas)
{
    const Refusal &r = GetParam();
    TempDir dir;
    StartedWindow f;
    f.choose(1);
    f.click(Choice::Sender, 5);
    f.click(Choice::Contact, 1);
    const WindowSnapshot before = snapshot(f.model);

    const std::string path = dir.path("bad.gag");
    writeAll(path, r.bytes);
    f.dialogs.nextFileName = path;
    f.model.openRecord();

    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(f.messages.shown[0].text,
              "The file \"" + path + "\" is not a valid gauge parameter file: " + r.reason + ".");
    EXPECT_EQ(snapshot(f.model), before);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
        EachFault, RefusedRecords,
        testing::Values(
                Refusal {"Empty", {}, "it holds 0 bytes, a gauge parameter record holds 9"},
                Refusal {"Short", {100, 101, 100}, "it holds 3 bytes, a gauge parameter record holds 9"},
                Refusal {"Voltage", {102, 101, 100, 100, 101, 103, 101, 100, 100},
                         "byte 0: supply voltage 2 does not exist"},
                Refusal {"VoltageLow", {99, 101, 100, 100, 101, 103, 101, 100, 100},
                         "byte 0: supply voltage -1 does not exist"},
                Refusal {"GaugeTypeZero", {100, 100, 100, 100, 101, 103, 101, 100, 100},
                         "byte 1: gauge type 0 does not exist"},
                Refusal {"GaugeType11", {100, 111, 100, 100, 101, 103, 101, 100, 100},
                         "byte 1: gauge type 11 does not exist"},
                Refusal {"Sender", {100, 103, 112, 100, 101, 103, 101, 100, 100},
                         "byte 2: sender 12 does not exist for Oil Pressure"},
                Refusal {"HiddenSenderWithoutCurve", {100, 106, 102, 100, 101, 103, 101, 100, 100},
                         "byte 2: sender 2 does not exist for Oil Temperature"},
                Refusal {"SenderBeyondLevelList", {100, 101, 107, 100, 101, 103, 101, 100, 100},
                         "byte 2: sender 7 does not exist for Fuel Level"},
                Refusal {"Unit", {100, 103, 100, 103, 101, 103, 101, 100, 100},
                         "byte 3: unit 3 does not exist for Oil Pressure"},
                Refusal {"UnitOnSingleUnitType", {100, 101, 100, 101, 101, 103, 101, 100, 100},
                         "byte 3: unit 1 does not exist for Fuel Level"},
                Refusal {"MinAlarm", {100, 101, 100, 100, 105, 103, 101, 100, 100},
                         "byte 4: minimum alarm 5 does not exist"},
                Refusal {"MaxAlarm", {100, 101, 100, 100, 101, 255, 101, 100, 100},
                         "byte 5: maximum alarm 155 does not exist"},
                Refusal {"Blinking", {100, 101, 100, 100, 101, 103, 102, 100, 100},
                         "byte 6: blinking alarm 2 does not exist"},
                Refusal {"AlarmOutput", {100, 101, 100, 100, 101, 103, 101, 0, 100},
                         "byte 7: alarm output -100 does not exist"},
                Refusal {"Contact", {100, 101, 100, 100, 101, 103, 101, 100, 102},
                         "byte 8: alarm contact 2 does not exist"},
                Refusal {"DisabledSenderWithoutCurve", {100, 107, 109, 100, 101, 103, 101, 100, 100},
                         "byte 2: sender 9 has no curve for Water Temperature"},
                Refusal {"AlarmsInConflict", {100, 101, 100, 100, 103, 101, 101, 100, 100},
                         "byte 4: minimum alarm 60% lies above the maximum alarm 40% of byte 5"}),
        [](const auto &info) { return info.param.name; });
// clang-format on

TEST_F(RecordFiles, FileErrorsAreReportedAndChangeNothing)
{
    f.choose(2);
    const WindowSnapshot before = snapshot(f.model);

    open(f, dir.path("missing.gag"));
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text,
              "The gauge parameter file \"" + dir.path("missing.gag")
                  + "\" could not be read: No such file or directory.");

    open(f, dir.root().string());
    EXPECT_EQ(f.messages.texts().back(),
              "The gauge parameter file \"" + dir.root().string()
                  + "\" could not be read: Is a directory.");

    save(dir.root().string());
    EXPECT_EQ(f.messages.texts().back(),
              "The configuration could not be saved to \"" + dir.root().string()
                  + "\": Is a directory.");

    save(dir.path("no/such/folder.gag"));
    EXPECT_EQ(f.messages.texts().back(),
              "The configuration could not be saved to \"" + dir.path("no/such/folder.gag")
                  + "\": No such file or directory.");

    EXPECT_EQ(snapshot(f.model), before);
}

#ifndef _WIN32
// Only a regular file holds a record. A FIFO would block the open until a writer comes, and a
// device may answer forever; neither is waited for.
TEST_F(RecordFiles, FifosAndDevicesAreRefusedWithoutWaiting)
{
    f.choose(Consumption);
    const WindowSnapshot before = snapshot(f.model);
    const std::string fifo = dir.path("fifo.gag");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    open(f, fifo);
    ASSERT_FALSE(f.messages.shown.empty());
    EXPECT_EQ(f.messages.texts().back(),
              "The gauge parameter file \"" + fifo + "\" could not be read: Not a regular file.");
    save(fifo);
    EXPECT_EQ(f.messages.texts().back(),
              "The configuration could not be saved to \"" + fifo + "\": Not a regular file.");
    save("/dev/null");
    EXPECT_EQ(f.messages.texts().back(),
              "The configuration could not be saved to \"/dev/null\": Not a regular file.");
    EXPECT_EQ(snapshot(f.model), before);
}

// The path is swapped between a record and a FIFO, as fast as the system allows, while the record
// is opened again and again. A reader that looked at what the path names before opening it would
// sooner or later see the record, open the FIFO and wait there for a writer that never comes.
TEST_F(RecordFiles, APathSwappedForAFifoNeverHangsTheOpening)
{
    using namespace std::chrono_literals;
    const std::string record = dir.path("record.gag");
    const std::string fifo = dir.path("fifo");
    const std::string path = dir.path("swapped.gag");
    const std::string next = dir.path("next");
    writeAll(record, OilPressureRecord);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink(record, path);

    std::atomic<bool> swapping = true;
    std::atomic<bool> finished = false;
    std::atomic<int> records = 0;
    std::atomic<int> refusals = 0;
    std::vector<std::string> otherOutcomes;
    std::thread reader([&] {
        while (swapping) {
            const Result<RecordChoices> reading = readRecord(path);
            if (reading)
                ++records;
            else if (reading.error().reason.ends_with(": Not a regular file."))
                ++refusals;
            else
                otherOutcomes.push_back(reading.error().reason);
        }
        finished = true;
    });
    const auto deadline = std::chrono::steady_clock::now() + 2s;
    for (int i = 0;
         (records < 200 || refusals < 200) && std::chrono::steady_clock::now() < deadline; ++i) {
        std::filesystem::create_symlink(i % 2 == 0 ? fifo : record, next);
        std::filesystem::rename(next, path);
    }
    swapping = false;
    for (int i = 0; i < 100 && !finished; ++i)
        std::this_thread::sleep_for(10ms);
    const bool hung = !finished;
    if (hung) {
        // A writer lets the stuck opening go, so that the test can end.
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
    }
    reader.join();

    EXPECT_FALSE(hung) << "the opening waited on the FIFO";
    EXPECT_GE(records, 200);
    EXPECT_GE(refusals, 200);
    EXPECT_TRUE(otherOutcomes.empty()) << otherOutcomes.front();
}

// A disk that fills up shows only when the buffered bytes are written out; a file size limit
// makes the same happen to a regular file. A new record that could not be written is removed
// again; an existing one is written over in place and stays.
TEST_F(RecordFiles, AWriteThatFailsIsReported)
{
    f.choose(Consumption);
    const std::string existing = dir.path("existing.gag");
    writeAll(existing, OilPressureRecord);
    rlimit previous {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 4;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    save(dir.path("full.gag"));
    save(existing);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_EQ(f.messages.shown.size(), 2u);
    EXPECT_EQ(f.messages.texts()[0],
              "The configuration could not be saved to \"" + dir.path("full.gag")
                  + "\": File too large.");
    EXPECT_FALSE(std::filesystem::exists(dir.path("full.gag")));
    EXPECT_EQ(f.messages.texts()[1],
              "The configuration could not be saved to \"" + existing + "\": File too large.");
    EXPECT_EQ(readAll(existing).size(), OilPressureRecord.size());
}

// A file that opens but cannot be read, as the process's own memory where nothing is mapped:
// what failed is the reading, not the record.
TEST(RecordReading, AReadThatFailsIsReportedAsTheReadError)
{
    const Result<RecordChoices> reading = readRecord("/proc/self/mem");
    ASSERT_FALSE(reading);
    EXPECT_EQ(reading.error().reason,
              "The gauge parameter file \"/proc/self/mem\" could not be read: Input/output error.");
}
#endif

// Permission bits that stop reading and writing exist on POSIX systems only: on Windows they set
// the read-only attribute, which neither stops reading a file nor writing into a folder.
TEST_F(RecordFiles, UnreadableAndReadOnlyPlacesAreReported)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no permission bits that stop reading";
#else
    if (geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
#endif
    const std::string path = dir.path("locked.gag");
    writeAll(path, OilPressureRecord);
    std::filesystem::permissions(path, std::filesystem::perms::none);
    open(f, path);
    ASSERT_FALSE(f.messages.shown.empty());
    EXPECT_EQ(f.messages.texts().back(),
              "The gauge parameter file \"" + path + "\" could not be read: Permission denied.");
    EXPECT_EQ(f.config().gaugeType, NotChosen);

    f.choose(2);
    std::filesystem::permissions(
        dir.root(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    save(dir.path("new.gag"));
    ASSERT_EQ(f.messages.shown.size(), 2u);
    EXPECT_EQ(f.messages.texts().back(),
              "The configuration could not be saved to \"" + dir.path("new.gag")
                  + "\": Permission denied.");
}

// A name is UTF-8 within the programs. On Windows the file must carry it as its UTF-16 name,
// beyond what any ANSI code page holds, for saving, opening and telling a folder from a file.
TEST_F(RecordFiles, ANameOutsideTheCodePageNamesItsFile)
{
    const std::u8string name = u8"Prüfprotokoll-東京";
    const std::string utf8Name(name.begin(), name.end());
    f.choose(3);
    f.click(Choice::Unit, 1);
    f.click(Choice::Sender, 2);
    f.click(Choice::Blinking, 0);
    save(dir.path(utf8Name + ".gag"));
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.root() / (name + u8".gag")));
    StartedWindow restored;
    open(restored, dir.path(utf8Name + ".gag"));
    EXPECT_EQ(snapshot(restored.model), snapshot(f.model));

    std::filesystem::create_directory(dir.root() / name);
    open(restored, dir.path(utf8Name));
    EXPECT_EQ(restored.messages.texts().back(),
              "The gauge parameter file \"" + dir.path(utf8Name)
                  + "\" could not be read: Is a directory.");
}

} // namespace
} // namespace gauge::test
