#include "ProductionLog.h"

#include "JsonText.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

} // namespace

std::unique_ptr<ProductionLog> ProductionLog::open(const std::string &path, std::string &error)
{
    // Not blocking: a FIFO without a reader would hold the run before its first gauge.
    const int flags = O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC;
    int descriptor = ::open(path.c_str(), flags);
    const bool created = descriptor < 0 && errno == ENOENT;
    if (created)
        descriptor = ::open(path.c_str(), flags | O_CREAT, 0644);
    if (descriptor < 0) {
        error = std::strerror(errno);
        return nullptr;
    }
    struct stat info
    {
    };
    const bool regularFile = ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode);
    if (created && regularFile)
        syncFolderOf(path);
    return std::unique_ptr<ProductionLog>(new ProductionLog(path, descriptor, regularFile));
}

ProductionLog::ProductionLog(std::string path, int descriptor, bool regularFile)
    : m_path(std::move(path))
    , m_descriptor(descriptor)
    , m_regularFile(regularFile)
{
}

ProductionLog::~ProductionLog()
{
    ::close(m_descriptor);
}

std::string ProductionLog::append(const QJsonObject &line)
{
    const std::string text = json::line(line);
    // Stations sharing a log on a network folder, where appending alone does not keep writers
    // apart, take turns.
    ::flock(m_descriptor, LOCK_EX);
    std::string failure = write(text);
    ::flock(m_descriptor, LOCK_UN);
    if (failure.empty())
        failure = stillNamed();
    return failure;
}

std::string ProductionLog::write(const std::string &text)
{
    const ssize_t written = ::write(m_descriptor, text.data(), text.size());
    if (written < 0)
        return std::strerror(errno);
    if (static_cast<std::size_t>(written) != text.size()) {
        // The broken line is ended, so the next run's line starts a line of its own.
        [[maybe_unused]] const ssize_t ended = ::write(m_descriptor, "\n", 1);
        return "only part of the line was written";
    }
    // Only a file on a disk can be synchronised; a terminal or a pipe has nothing to flush.
    if (m_regularFile && ::fsync(m_descriptor) != 0)
        return std::strerror(errno);
    return {};
}

// A log removed or replaced while the run goes on would take the lines nowhere anyone can read.
std::string ProductionLog::stillNamed() const
{
    if (!m_regularFile)
        return {};
    struct stat opened
    {
    };
    struct stat named
    {
    };
    if (::fstat(m_descriptor, &opened) != 0 || opened.st_nlink == 0
        || ::stat(m_path.c_str(), &named) != 0 || named.st_dev != opened.st_dev
        || named.st_ino != opened.st_ino)
        return "the file is gone, or another has taken its name";
    return {};
}
