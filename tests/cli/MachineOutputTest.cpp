// What production lines and scripts read: the production log and gaugectl's JSON output.
#include "GaugectlProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <sstream>

namespace gauge::test {
namespace {

const QString OilPacket
    = "AA AA 03 06 00 00 00 06 00 00 00 C8 00 00 03 20 00 00 40 02 03 66 00 13 02 "
      "7A 40 4D 01 39 00 BA 01 E0 00 03 ED";
const QString OilRecord = "64 67 66 65 65 67 64 64 64";

// The keys of a gauge attempted, as the log and send --json give them. Scripts read them: a
// renamed key is a broken promise.
const QStringList AttemptKeys
    = {"detail", "device", "duration_ms",  "gauge", "host", "outcome", "packet",
       "port",   "record", "record_bytes", "time",  "unit", "user",    "version"};

std::vector<QJsonObject> jsonLines(const std::string &text)
{
    std::vector<QJsonObject> objects;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        QJsonParseError error {};
        const QJsonDocument document
            = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
        EXPECT_TRUE(document.isObject()) << line;
        objects.push_back(document.object());
    }
    return objects;
}

QStringList keysOf(const QJsonObject &object)
{
    QStringList keys = object.keys();
    keys.sort();
    return keys;
}

// A production run of three gauges, each with its scanned unit id: one confirms, one answers
// wrongly, one stays silent. The record is named from the working folder.
TEST_F(Gaugectl, TheProductionLogTracesEveryGauge)
{
    Streams scanner;
    ASSERT_EQ(::pipe2(scanner.inputPipe, O_CLOEXEC), 0);
    const auto scan = [&scanner](const std::string &id) {
        ASSERT_EQ(::write(scanner.inputPipe[1], id.data(), id.size()), ssize_t(id.size()));
    };
    const std::string log = dir.path("production.jsonl");
    const std::string path = record("oil.gag", OilPressure);
    auto gauge = simulate("correct");
    scan("SN-1\n");
    Process run(dir, "each",
                {"send", "--each", "--ask-unit", "--log", log, "--port", link(),
                 std::filesystem::relative(path).string()},
                scanner);
    ::close(scanner.inputPipe[0]);
    ASSERT_TRUE(run.waitForOutput("gauge 1 sent"));
    for (const auto &[mode, id, seen] :
         {std::tuple {"bad-echo", "bad\x01id\nSN-1\n  SN-2 \n", "gauge 2 failed"},
          std::tuple {"silent", "SN-3\n", "gauge 3 failed"}}) {
        gauge->stop();
        gauge = simulate(mode);
        scan(id);
        ASSERT_TRUE(run.waitForOutput(seen));
    }
    scan("\n");
    EXPECT_EQ(run.wait(), 1);
    EXPECT_NE(run.err().find("bad\\x01id is no unit id"), std::string::npos) << run.err();
    // A double scan, without a terminal to confirm a rework on, is refused.
    EXPECT_NE(run.err().find("SN-1 was entered already in this run"), std::string::npos);

    const std::vector<QJsonObject> lines = jsonLines(readText(log));
    ASSERT_EQ(lines.size(), 3u);
    const QString outcomes[] = {"sent", "not-confirmed", "no-communication"};
    const QRegularExpression utcMilliseconds(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z$)");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QJsonObject &line = lines[i];
        EXPECT_EQ(keysOf(line), AttemptKeys);
        EXPECT_EQ(line["gauge"].toInt(), static_cast<int>(i) + 1);
        EXPECT_EQ(line["outcome"].toString(), outcomes[i]);
        EXPECT_EQ(line["unit"].toString(), "SN-" + QString::number(i + 1));
        EXPECT_EQ(line["record"].toString().toStdString(), path);
        EXPECT_EQ(line["packet"].toString(), OilPacket);
        EXPECT_EQ(line["record_bytes"].toString(), OilRecord);
        EXPECT_EQ(line["port"].toString().toStdString(), link());
        EXPECT_TRUE(line["device"].toString().startsWith("/dev/pts/")) << i;
        EXPECT_TRUE(utcMilliseconds.match(line["time"].toString()).hasMatch()) << i;
        EXPECT_EQ(line["version"].toString(), PROJECT_VERSION);
        EXPECT_FALSE(line["user"].toString().isEmpty());
        EXPECT_FALSE(line["host"].toString().isEmpty());
    }
    EXPECT_TRUE(lines[0]["detail"].isNull());
    EXPECT_GE(lines[2]["duration_ms"].toInt(), 2000);
}

// The log's folder removed between two gauges, as a careless clean-up would: the trace would go
// nowhere, so the next gauge is not programmed.
TEST_F(Gaugectl, ALogThatIsGoneStopsTheRunBeforeTheNextGauge)
{
    Streams keys;
    ASSERT_EQ(::pipe2(keys.inputPipe, O_CLOEXEC), 0);
    std::filesystem::create_directory(dir.path("logs"));
    auto gauge = simulate("correct");
    Process run(dir, "gone",
                {"send", "--each", "--log", dir.path("logs/production.jsonl"), "--port", link(),
                 record("oil.gag", OilPressure)},
                keys);
    ::close(keys.inputPipe[0]);
    ASSERT_TRUE(run.waitForOutput("gauge 1 sent"));
    std::filesystem::remove_all(dir.path("logs"));
    ASSERT_EQ(::write(keys.inputPipe[1], "\n", 1), 1);
    ::close(keys.inputPipe[1]);
    EXPECT_EQ(run.wait(), 1);
    EXPECT_NE(run.err().find("no further gauge is programmed"), std::string::npos) << run.err();
    EXPECT_EQ(gauge->stop(), 0);
    EXPECT_EQ(gauge->out().find("packet 2:"), std::string::npos);
}

// The log rotated while the next unit id is awaited: the next gauge's line would go where no one
// looks for it, so that gauge is not programmed, and the operator is told where the lines went.
TEST_F(Gaugectl, ALogRotatedWhileTheNextIdIsAwaitedStopsTheRun)
{
    Streams scanner;
    ASSERT_EQ(::pipe2(scanner.inputPipe, O_CLOEXEC), 0);
    const std::string log = dir.path("production.jsonl");
    auto gauge = simulate("correct");
    Process run(dir, "rotated",
                {"send", "--each", "--ask-unit", "--log", log, "--port", link(),
                 record("oil.gag", OilPressure)},
                scanner);
    ::close(scanner.inputPipe[0]);
    ASSERT_EQ(::write(scanner.inputPipe[1], "SN-1\n", 5), 5);
    ASSERT_TRUE(run.waitForOutput("gauge 1 sent"));
    // The run waits for the next id: the check made before the prompt is behind it.
    for (int i = 0; i < 500 && run.err().rfind("unit id of") == run.err().find("unit id of"); ++i)
        std::this_thread::sleep_for(10ms);
    std::filesystem::rename(log, log + ".1");
    std::ofstream(log) << "";
    ASSERT_EQ(::write(scanner.inputPipe[1], "SN-2\n", 5), 5);
    ::close(scanner.inputPipe[1]);
    EXPECT_EQ(run.wait(), 1);
    EXPECT_NE(run.err().find("was renamed during the run"), std::string::npos) << run.err();
    EXPECT_NE(run.err().find(log + " leads to another file now"), std::string::npos);
    EXPECT_NE(readText(log + ".1").find(R"("unit":"SN-1")"), std::string::npos);
    EXPECT_EQ(readText(log), "");
    gauge->stop();
    EXPECT_EQ(gauge->out().find("packet 2"), std::string::npos);
}

TEST_F(Gaugectl, JsonOutputKeepsItsKeys)
{
    const Result shown = run(dir, {"show", "--json", record("oil.gag", OilPressure)});
    EXPECT_EQ(shown.status, 0);
    const std::vector<QJsonObject> show = jsonLines(shown.out);
    ASSERT_EQ(show.size(), 1u);
    EXPECT_EQ(keysOf(show[0]), QStringList({"choices", "packet", "record", "record_bytes"}));
    EXPECT_EQ(show[0]["packet"].toString(), OilPacket);
    const QJsonObject choices = show[0]["choices"].toObject();
    EXPECT_EQ(keysOf(choices),
              QStringList({"alarm_output", "blinking_alarm", "contact", "gauge_type",
                           "maximum_alarm", "minimum_alarm", "sender", "supply_voltage", "unit"}));
    EXPECT_EQ(choices["gauge_type"].toObject(),
              QJsonObject({{"code", 3}, {"name", "Oil Pressure"}}));
    EXPECT_EQ(choices["sender"].toObject(),
              QJsonObject({{"index", 2}, {"name", "Teleflex  80PSI 4HD"}}));

    // send --json tells each gauge as the log does, a refused record among them.
    auto gauge = simulate("correct");
    const std::string log = dir.path("production.jsonl");
    for (const auto &[path, status] :
         {std::pair {record("oil.gag", OilPressure), 0},
          std::pair {record("bad.gag", {100, 103, 112, 100, 101, 103, 101, 100, 100}), 2}}) {
        const Result sent = run(
            dir, {"send", "--json", "--unit", " SN 42 ", "--log", log, "--port", link(), path});
        EXPECT_EQ(sent.status, status);
        const std::vector<QJsonObject> told = jsonLines(sent.out);
        ASSERT_EQ(told.size(), 1u);
        EXPECT_EQ(keysOf(told[0]), AttemptKeys);
        EXPECT_EQ(told[0], jsonLines(readText(log)).back());
    }
    const std::vector<QJsonObject> logged = jsonLines(readText(log));
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_EQ(logged[0]["outcome"].toString(), "sent");
    EXPECT_EQ(logged[0]["unit"].toString(), "SN 42");
    EXPECT_EQ(logged[1]["outcome"].toString(), "refused-record");
    EXPECT_TRUE(logged[1]["packet"].isNull());
    EXPECT_NE(logged[1]["detail"].toString().indexOf("sender 12 does not exist"), -1);

    const std::vector<QJsonObject> ports = jsonLines(run(dir, {"ports", "--json"}).out);
    ASSERT_EQ(ports.size(), 1u);
    for (const QJsonValue entry : ports[0]["ports"].toArray())
        EXPECT_EQ(keysOf(entry.toObject()),
                  QStringList({"description", "detail", "device", "opens", "port"}));
}

} // namespace
} // namespace gauge::test
