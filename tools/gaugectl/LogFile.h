#pragma once

#include "common/Result.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// The production log's file as the system keeps it: opened for appending, locked while a line
// goes in, cut back to where it stood, put on the disk; and opened for reading by the summary. The
// one place gaugectl's log speaks to the operating system, with one branch per system.
class LogFile
{
public:
    // Opens the file for appending, creating it where it is not there yet; never waits for a
    // reader, as a FIFO would have it.
    static gauge::Result<std::unique_ptr<LogFile>> open(const std::string &path);
    // Opens a log for reading only, by the same route from a name to a file as open(), so the
    // bytes that named a log when it was written name it when it is read. The descriptor is the
    // caller's to close (QFile can take it); a FIFO is read without waiting for its writer to
    // open it.
    static gauge::Result<int> openForReading(const std::string &path);
    ~LogFile();
    LogFile(const LogFile &) = delete;
    LogFile &operator=(const LogFile &) = delete;

    // Only a file on a disk can be locked, cut back and synchronised; a terminal, a pipe or a
    // device has nothing to keep.
    bool isRegularFile() const { return m_regularFile; }

    // Takes the lock that keeps the stations sharing the file apart, trying again until the
    // limit has passed or giveUp() says to stop waiting.
    gauge::Status lock(std::chrono::milliseconds limit, const std::function<bool()> &giveUp);
    void unlock();

    gauge::Result<std::uint64_t> size() const;
    // Whether the file, size bytes long, is empty or ends in a newline; a station that lost
    // its power mid-line leaves it ending in a line cut short.
    gauge::Result<bool> endsLine(std::uint64_t size) const;
    // How many bytes went out; fewer than the text's when the disk is full or a limit reached.
    gauge::Result<std::size_t> append(std::string_view text);
    gauge::Status cutBackTo(std::uint64_t size);
    gauge::Status sync();

    // What became of the file since it was opened by its name: a file renamed (a log rotated)
    // still holds what was written to it, one removed holds it nowhere anyone can read.
    enum class Naming {
        Same,     // the name still leads to this file
        Renamed,  // this file bears another name now, and nothing bears the old one
        Replaced, // this file bears another name now, and the old one leads to another file
        Removed,  // this file has no name any more
    };
    Naming naming(const std::string &path) const;

    // How many times the file reached the disk, for the tests that hold the log to its promise.
    int syncs() const { return m_syncs; }

private:
    struct Handle;
    LogFile(std::unique_ptr<Handle> handle, bool regularFile);

    std::unique_ptr<Handle> m_handle;
    bool m_regularFile;
    int m_syncs = 0;
};
