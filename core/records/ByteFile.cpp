#include "records/ByteFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace gauge {

namespace {

struct FileCloser
{
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

FileResult systemError(int errorNumber)
{
    return {errorNumber != 0 ? std::strerror(errorNumber) : "unknown error"};
}

// Read and write without truncating: "w" would cut a longer file, so it is only used to create
// a file that is not there.
FileHandle openForUpdate(const std::string &path, int &errorNumber)
{
    errno = 0;
    FileHandle file(std::fopen(path.c_str(), "r+b"));
    if (!file && errno == ENOENT) {
        errno = 0;
        file.reset(std::fopen(path.c_str(), "w+b"));
    }
    errorNumber = errno;
    return file;
}

// Records live in regular files only. What the path names is looked at before anything opens it:
// opening a FIFO waits for a writer that never comes, and a device may hang or answer forever.
// A directory is named as such on every system; elsewhere fopen() says EACCES for it. A path
// that names nothing, or that cannot be looked at, is left to the opening to report.
FileResult notARegularFile(const std::string &path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_type type = fs::status(path, error).type();
    if (error || type == fs::file_type::regular || type == fs::file_type::not_found)
        return {};
    if (type == fs::file_type::directory)
        return {"Is a directory"};
    return {"Not a regular file"};
}

} // namespace

FileResult readFileStart(const std::string &path, std::size_t maxBytes,
                         std::vector<std::uint8_t> &bytes)
{
    if (FileResult refused = notARegularFile(path); !refused.ok())
        return refused;
    errno = 0;
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return systemError(errno);
    bytes.assign(maxBytes, 0);
    errno = 0;
    const std::size_t count = std::fread(bytes.data(), 1, maxBytes, file.get());
    if (std::ferror(file.get()))
        return systemError(errno);
    bytes.resize(count);
    return {};
}

FileResult writeFileStart(const std::string &path, std::span<const std::uint8_t> bytes)
{
    if (FileResult refused = notARegularFile(path); !refused.ok())
        return refused;
    int errorNumber = 0;
    FileHandle file = openForUpdate(path, errorNumber);
    if (!file)
        return systemError(errorNumber);
    errno = 0;
    for (std::size_t offset = 0; offset < bytes.size(); ++offset) {
        if (std::fseek(file.get(), static_cast<long>(offset), SEEK_SET) != 0
            || std::fputc(bytes[offset], file.get()) == EOF)
            return systemError(errno);
    }
    // A full disk only shows when the buffered bytes reach it.
    if (std::fflush(file.get()) != 0)
        return systemError(errno);
    if (std::fclose(file.release()) != 0)
        return systemError(errno);
    return {};
}

} // namespace gauge
