#include "LogFile.h"
#include "Texts.h"

#include "records/ByteFile.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

struct LogFile::Handle
{
    int descriptor;
    bool readable = true;
};

namespace {

constexpr auto LockRetry = std::chrono::milliseconds(20);

// A file just made is only on the disk once its folder, which names it, is too.
void syncFolderOf(const std::string &path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

// The writer reads the file's last byte, to start its line on a line of its own, so a file is
// opened for reading too; but only once it has shown itself a file, since opening a FIFO for
// reading would stand in for the reader it waits for. A log this user may write but not read
// stays open for writing only: its end cannot be seen, so its lines are written as they come.
struct Opened
{
    int descriptor;
    bool readable;
};

gauge::Result<Opened> readableToo(const std::string &path, int descriptor,
                                  const struct stat &opened)
{
    const int readable = ::open(path.c_str(), O_RDWR | O_APPEND | O_NONBLOCK | O_CLOEXEC);
    const int error = errno;
    if (readable < 0 && error == EACCES)
        return Opened {descriptor, false};
    ::close(descriptor);
    if (readable < 0)
        return gauge::systemFailure(error);
    struct stat info
    {
    };
    if (::fstat(readable, &info) != 0 || info.st_dev != opened.st_dev
        || info.st_ino != opened.st_ino) {
        ::close(readable);
        return gauge::Failure {text::LogReplacedWhileOpening};
    }
    return Opened {readable, true};
}

} // namespace

gauge::Result<std::unique_ptr<LogFile>> LogFile::open(const std::string &path)
{
    // Not blocking: a FIFO without a reader would hold the run before its first gauge.
    const int flags = O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC;
    int descriptor = ::open(path.c_str(), flags);
    const bool created = descriptor < 0 && errno == ENOENT;
    if (created)
        descriptor = ::open(path.c_str(), flags | O_CREAT, 0644);
    if (descriptor < 0)
        return gauge::systemFailure(errno);
    struct stat info
    {
    };
    const bool regularFile = ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode);
    Opened opened {descriptor, false};
    if (regularFile) {
        const gauge::Result<Opened> readable = readableToo(path, descriptor, info);
        if (!readable)
            return readable.error();
        opened = readable.value();
    }
    if (created && regularFile)
        syncFolderOf(path);
    return std::unique_ptr<LogFile>(
        new LogFile(std::make_unique<Handle>(opened.descriptor, opened.readable), regularFile));
}

gauge::Result<int> LogFile::openForReading(const std::string &path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return gauge::systemFailure(errno);
    // Opened; from here on reading may wait, as for any pipe.
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    return descriptor;
}

LogFile::LogFile(std::unique_ptr<Handle> handle, bool regularFile)
    : m_handle(std::move(handle))
    , m_regularFile(regularFile)
{
}

LogFile::~LogFile()
{
    ::close(m_handle->descriptor);
}

// flock, not a range lock: it also holds between stations sharing the log on a network folder.
gauge::Status LogFile::lock(std::chrono::milliseconds limit, const std::function<bool()> &giveUp)
{
    const auto until = std::chrono::steady_clock::now() + limit;
    while (::flock(m_handle->descriptor, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK)
            return gauge::systemFailure(errno);
        if ((giveUp && giveUp()) || std::chrono::steady_clock::now() >= until)
            return gauge::Failure {text::LogLocked};
        std::this_thread::sleep_for(LockRetry);
    }
    return {};
}

void LogFile::unlock()
{
    ::flock(m_handle->descriptor, LOCK_UN);
}

gauge::Result<std::uint64_t> LogFile::size() const
{
    struct stat info
    {
    };
    if (::fstat(m_handle->descriptor, &info) != 0)
        return gauge::systemFailure(errno);
    return static_cast<std::uint64_t>(info.st_size);
}

gauge::Result<bool> LogFile::endsLine(std::uint64_t size) const
{
    char last = '\n';
    if (size > 0 && m_handle->readable
        && ::pread(m_handle->descriptor, &last, 1, static_cast<off_t>(size - 1)) < 0)
        return gauge::systemFailure(errno);
    return last == '\n';
}

gauge::Result<std::size_t> LogFile::append(std::string_view text)
{
    const ssize_t written = ::write(m_handle->descriptor, text.data(), text.size());
    if (written < 0)
        return gauge::systemFailure(errno);
    return static_cast<std::size_t>(written);
}

gauge::Status LogFile::cutBackTo(std::uint64_t size)
{
    if (::ftruncate(m_handle->descriptor, static_cast<off_t>(size)) != 0)
        return gauge::systemFailure(errno);
    return {};
}

gauge::Status LogFile::sync()
{
    if (::fsync(m_handle->descriptor) != 0)
        return gauge::systemFailure(errno);
    ++m_syncs;
    return {};
}

LogFile::Naming LogFile::naming(const std::string &path) const
{
    struct stat opened
    {
    };
    struct stat named
    {
    };
    if (::fstat(m_handle->descriptor, &opened) != 0 || opened.st_nlink == 0)
        return Naming::Removed;
    if (::stat(path.c_str(), &named) != 0)
        return Naming::Renamed;
    if (named.st_dev != opened.st_dev || named.st_ino != opened.st_ino)
        return Naming::Replaced;
    return Naming::Same;
}
