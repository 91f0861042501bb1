// gaugectl log-summary over production logs as stations leave them.
#include "GaugectlProcess.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/file.h>

namespace gauge::test {
namespace {

// A line of the log at 07:MM on a station; without a unit it is a line written before units were
// asked for, which has no `unit` key.
std::string logLine(const char *minute, const char *host, const char *outcome,
                    const QJsonValue &unit = QJsonValue::Undefined)
{
    QJsonObject line {{"time", QString("2026-12-09T07:%1:00.000Z").arg(minute)},
                      {"gauge", 1},
                      {"port", "COM1"},
                      {"device", "/dev/ttyUSB0"},
                      {"record", "/srv/records/oil.gag"},
                      {"record_bytes", "64 67 66 65 65 67 64 64 64"},
                      {"packet", QJsonValue()},
                      {"outcome", outcome},
                      {"detail", QJsonValue()},
                      {"duration_ms", 172},
                      {"version", "1.2"},
                      {"user", "tech"},
                      {"host", host}};
    if (!unit.isUndefined())
        line["unit"] = unit;
    return QJsonDocument(line).toJson(QJsonDocument::Compact).toStdString() + "\n";
}

std::string withoutKey(std::string line, const std::string &key)
{
    const std::size_t start = line.find("\"" + key + "\"");
    return line.erase(start, line.find(',', start) + 1 - start);
}

// Two stations' logs. A-1 failed; B-2 failed on one station and was sent on the other, whose log
// comes first; C-3 was sent, then failed. Among them: lines without a unit, two broken lines, and
// a line the second station is still writing.
TEST_F(Gaugectl, LogSummaryNamesTheUnitsWhoseLastAttemptWasNotSent)
{
    const std::string first = dir.path("line-1.jsonl");
    const std::string second = dir.path("line-2.jsonl");
    std::ofstream(first) << logLine("00", "line-1", "not-confirmed", "A-1")
                         << logLine("01", "line-1", "no-communication", "B-2")
                         << logLine("02", "line-1", "sent")
                         << R"({"time":"2026-12-09T07:03:00.000Z","outcome":)"
                         << "\n"
                         << withoutKey(logLine("03", "line-1", "not-confirmed", "D-4"), "host")
                         << logLine("04", "line-1", "sent", "C-3")
                         << logLine("05", "line-1", "declined", QJsonValue())
                         << logLine("07", "line-1", "interrupted", "C-3");
    std::ofstream(second) << logLine("06", "line-2", "sent", "B-2")
                          << R"({"time":"2026-12-09T07:08)";
    const std::string firstLog = readText(first);

    // A station appending holds the log's lock meanwhile; the summary does not wait for it.
    const int station = ::open(first.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    ASSERT_EQ(::flock(station, LOCK_EX), 0);
    Process text(dir, "text", {"log-summary", second, first});
    ASSERT_TRUE(text.waitForOutput("Broken lines"));
    EXPECT_EQ(text.wait(), 1);
    ::close(station);
    EXPECT_EQ(text.out(),
              "Attempts: 7\n"
              "  declined          1\n"
              "  interrupted       1\n"
              "  no-communication  1\n"
              "  not-confirmed     1\n"
              "  sent              3\n"
              "Units whose last attempt was not sent: 2\n"
              "  A-1  not-confirmed  2026-12-09T07:00:00.000Z  line-1\n"
              "  C-3  interrupted  2026-12-09T07:07:00.000Z  line-1\n"
              "Broken lines: 2, the first at "
                  + first + ":4\n");

    const Result json = run(dir, {"log-summary", "--json", second, first});
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(
        json.out,
        R"({"attempts":7,"broken_lines":2,"first_broken_line":{"file":")" + first
            + R"(","line":4},"outcomes":{"declined":1,"interrupted":1,)"
              R"("no-communication":1,"not-confirmed":1,"sent":3},"units_not_sent":[)"
              R"({"host":"line-1","outcome":"not-confirmed","time":"2026-12-09T07:00:00.000Z","unit":"A-1"},)"
              R"({"host":"line-1","outcome":"interrupted","time":"2026-12-09T07:07:00.000Z","unit":"C-3"}]})"
              "\n");
    EXPECT_EQ(readText(first), firstLog);

    const Result allSent = run(dir, {"log-summary", second});
    EXPECT_EQ(allSent.status, 0);
    EXPECT_EQ(allSent.out,
              "Attempts: 1\n"
              "  sent              1\n"
              "Units whose last attempt was not sent: 0\n"
              "Broken lines: 0\n");

    const Result missing = run(dir, {"log-summary", first, dir.path("none.jsonl")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
}

// The gate passes no file it cannot read as a log. A log the way Windows tools leave it (a
// byte-order mark, CRLF) is read, under a name that is no UTF-8; of two attempts at one moment
// the later line is the later attempt, so X-1 was sent.
TEST_F(Gaugectl, LogSummaryVouchesOnlyForWhatItReadsAsALog)
{
    std::string windowsLines = "\xef\xbb\xbf" + logLine("00", "line-1", "not-confirmed", "X-1")
        + logLine("00", "line-1", "sent", "X-1");
    for (std::size_t end = 0; (end = windowsLines.find('\n', end)) != std::string::npos; end += 2)
        windowsLines.insert(end, "\r");
    const std::string windows = dir.path("caf\xe9.jsonl");
    std::ofstream(windows) << windowsLines;
    const Result read = run(dir, {"log-summary", windows});
    EXPECT_EQ(read.status, 0) << read.out << read.err;
    EXPECT_NE(read.out.find("Attempts: 2\n"), std::string::npos) << read.out;

    // Lines ended by carriage returns alone read as one line, which no station is still writing.
    std::string crOnly
        = logLine("02", "line-1", "not-confirmed", "Z-3") + logLine("03", "line-1", "sent");
    std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
    const std::string broken = dir.path("broken.jsonl");
    std::ofstream(broken) << logLine("01", "line-1", "sent", "Y-2") << crOnly;
    const Result partly = run(dir, {"log-summary", windows, broken});
    EXPECT_EQ(partly.status, 2);
    EXPECT_EQ(partly.err,
              "gaugectl: " + broken
                  + ":2 is no line of a production log (broken lines in the file: 1), so the "
                    "batch cannot be judged by it\n");

    for (const auto &[name, content] :
         {std::pair {"noise", std::string("\x93\x01\xfe{garbage")},
          std::pair {"oil.gag", std::string("\x64\x67\x66\x65\x65\x67\x64\x64\x64")},
          std::pair {"cr-only.jsonl", crOnly}}) {
        const std::string path = dir.path(name);
        std::ofstream(path) << content;
        const Result notALog = run(dir, {"log-summary", "--json", path});
        EXPECT_EQ(notALog.status, 2) << name;
        EXPECT_EQ(notALog.err,
                  "gaugectl: " + path
                      + " holds no line of a production log, so the batch cannot be judged by "
                        "it\n");
    }
}

} // namespace
} // namespace gauge::test
