#pragma once

#include "LogFile.h"

#include "common/Result.h"

#include <QJsonObject>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

// The production log: one JSON object a line for every gauge attempted, appended to a file that
// several runs may share. Each line goes out whole, in one write to a file opened for appending
// and locked meanwhile, so two runs never mix their lines, and is on the disk before the next
// gauge is offered. A line that went out only in part is taken back, so it never swallows the
// next.
class ProductionLog
{
public:
    // How long a gauge waits for the lock another station holds before the log counts as
    // unwritable. A station holds it while its gauge answers, two seconds at most, so on a line
    // of many stations with gauges that do not answer a gauge may wait for several of them.
    static constexpr std::chrono::milliseconds LockPatience {60'000};
    // After this long the operator is told what the gauge waits for.
    static constexpr std::chrono::milliseconds LockNoticeAfter {1'000};

    // Opens the log, creating it where it is not there yet. giveUp() is asked while a line waits
    // for the lock, so that the wait can be cut short.
    static gauge::Result<std::unique_ptr<ProductionLog>>
    open(const std::string &path, std::function<bool()> giveUp = {},
         std::chrono::milliseconds lockPatience = LockPatience);

    // Fails, in the system's words, when the line could not be written whole, did not reach the
    // disk, or went to a file that was removed meanwhile. A line that went to a file renamed
    // meanwhile is in the log still, under the log's new name.
    gauge::Status append(const QJsonObject &line);

    // Takes the lock the next line needs now, so that a gauge gets its packet only once its line
    // has a place: the lock is held until append() has written that line. Fails as append()
    // would, when another program holds the lock past the patience or giveUp() ends the wait.
    gauge::Status holdForNextLine();

    // Fails, saying what became of the file, when the log's name no longer leads to the file
    // being written: a run that cannot be traced goes no further.
    gauge::Result<void, LogFile::Naming> stillNamed() const;

    const std::string &path() const { return m_path; }
    const LogFile &file() const { return *m_file; }

private:
    ProductionLog(std::string path, std::unique_ptr<LogFile> file, std::function<bool()> giveUp,
                  std::chrono::milliseconds lockPatience);
    gauge::Status write(const std::string &line);
    // Cuts the file back to the size it had before a write; false when the write left some of
    // its bytes there.
    bool takeBack(std::uint64_t size);

    std::string m_path;
    std::unique_ptr<LogFile> m_file;
    std::function<bool()> m_giveUp;
    std::chrono::milliseconds m_lockPatience;
    bool m_held = false;
};

// Tells the technician that the log could not take a line, or what became of its file, and that
// the run stops there.
void sayNoFurtherGauge(const ProductionLog &log, const gauge::Failure &why);
void sayNoFurtherGauge(const ProductionLog &log, LogFile::Naming naming);
