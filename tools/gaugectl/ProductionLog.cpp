#include "ProductionLog.h"

#include "JsonText.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::unique_ptr<ProductionLog> ProductionLog::open(const std::string &path, std::string &error)
{
    // Not blocking: a FIFO without a reader would hold the run before its first gauge.
    const int descriptor
        = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        error = std::strerror(errno);
        return nullptr;
    }
    struct stat info
    {
    };
    const bool regularFile = ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode);
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
    const ssize_t written = ::write(m_descriptor, text.data(), text.size());
    if (written < 0)
        return std::strerror(errno);
    if (static_cast<std::size_t>(written) != text.size())
        return "only part of the line was written";
    // Only a file on a disk can be synchronised; a terminal or a pipe has nothing to flush.
    if (m_regularFile && ::fsync(m_descriptor) != 0)
        return std::strerror(errno);
    return {};
}
