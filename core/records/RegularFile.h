#pragma once

#include "records/ByteFile.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace gauge {

// A record's file, opened as a standard stream only once the opened file has shown itself to be a
// regular file. What a path names is never looked at before the opening: the path can be replaced
// in between, and the opening of a FIFO waits for the other end, of a device may hang. So the
// opening itself never waits, and the opened file is judged.
//
// The one place where the core calls the operating system: the standard library has no opening
// that does not wait.
class RegularFile
{
public:
    enum class Access {
        Read,
        Update, // read and write; created when absent, never truncated
    };

    RegularFile(const std::string &path, Access access);
    ~RegularFile();
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;

    // Why the file is not open: "Not a regular file", "Is a directory" or the system's words.
    const Status &opening() const { return m_opening; }
    std::FILE *stream() const { return m_stream; }

    // Closing is where the last buffered bytes meet the disk, so it can fail.
    Status close();
    // Closes the file and removes it again if this opening created it and the path still names
    // it: a save that failed leaves nothing behind under the name the user chose.
    void removeIfCreated();

private:
    std::string m_path;
    std::FILE *m_stream = nullptr;
    Status m_opening;
    bool m_created = false;
    // Which file was opened, to know it again by its path.
    std::uintmax_t m_device = 0;
    std::uintmax_t m_inode = 0;
};

} // namespace gauge
