#include "records/RegularFile.h"

#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#include <exception>
#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <optional>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace gauge {

namespace {

constexpr const char *NotARegularFileText = "Not a regular file";
constexpr const char *IsADirectoryText = "Is a directory";

enum class Kind { Regular, Directory, Other };

struct Description
{
    Kind kind = Kind::Other;
    std::uintmax_t device = 0;
    std::uintmax_t inode = 0;
};

enum class Creation { None, Exclusive, Allowed };

#ifdef _WIN32

// A name is UTF-8 within the programs and UTF-16 to Windows. The C runtime's narrow calls would
// read it in the ANSI code page, which cannot hold most names (and not the same ones on every
// machine); a path made from UTF-8 gives the wide name. Nothing when the name is not UTF-8: it
// names no file.
std::optional<std::filesystem::path> systemPath(const std::string &name)
{
    try {
        return std::filesystem::path(std::u8string(name.begin(), name.end()));
    } catch (const std::exception &) {
        return std::nullopt;
    }
}

// Windows has no FIFOs in the file system, and its opening of a file does not wait.
int openDescriptor(const std::string &path, RegularFile::Access access, Creation creation)
{
    const std::optional<std::filesystem::path> name = systemPath(path);
    if (!name) {
        errno = EILSEQ;
        return -1;
    }
    int flags
        = (access == RegularFile::Access::Read ? _O_RDONLY : _O_RDWR) | _O_BINARY | _O_NOINHERIT;
    if (creation != Creation::None)
        flags |= _O_CREAT | (creation == Creation::Exclusive ? _O_EXCL : 0);
    return ::_wopen(name->c_str(), flags, _S_IREAD | _S_IWRITE);
}

// Windows refuses to open a folder with "Permission denied".
Failure openingFailure(const std::string &path, int errorNumber)
{
    std::error_code error;
    const std::optional<std::filesystem::path> name = systemPath(path);
    if (errorNumber == EACCES && name && std::filesystem::is_directory(*name, error))
        return {IsADirectoryText};
    return systemFailure(errorNumber);
}

Result<Description> describe(int descriptor)
{
    struct _stat64 info = {};
    if (::_fstat64(descriptor, &info) != 0)
        return systemFailure(errno);
    const auto type = info.st_mode & _S_IFMT;
    Description description;
    description.kind = type == _S_IFREG ? Kind::Regular
        : type == _S_IFDIR              ? Kind::Directory
                                        : Kind::Other;
    return description;
}

std::FILE *streamOn(int descriptor, const char *mode)
{
    return ::_fdopen(descriptor, mode);
}

void closeDescriptor(int descriptor)
{
    ::_close(descriptor);
}

// The C runtime of Windows gives no file number to know the file by; it goes by its name.
bool stillNames(const std::string &, const Description &)
{
    return true;
}

void removeFile(const std::string &path)
{
    if (const std::optional<std::filesystem::path> name = systemPath(path))
        ::_wremove(name->c_str());
}

#else

// Non-blocking, so that opening a FIFO or a device does not wait; what was opened is judged after.
int openDescriptor(const std::string &path, RegularFile::Access access, Creation creation)
{
    int flags = (access == RegularFile::Access::Read ? O_RDONLY : O_RDWR) | O_NONBLOCK | O_NOCTTY
        | O_CLOEXEC;
    if (creation != Creation::None)
        flags |= O_CREAT | (creation == Creation::Exclusive ? O_EXCL : 0);
    return ::open(path.c_str(), flags, 0666);
}

Failure openingFailure(const std::string &, int errorNumber)
{
    if (errorNumber == EISDIR)
        return {IsADirectoryText};
    return systemFailure(errorNumber);
}

Description describe(const struct stat &info)
{
    Description description;
    description.kind = S_ISREG(info.st_mode) ? Kind::Regular
        : S_ISDIR(info.st_mode)              ? Kind::Directory
                                             : Kind::Other;
    description.device = static_cast<std::uintmax_t>(info.st_dev);
    description.inode = static_cast<std::uintmax_t>(info.st_ino);
    return description;
}

Result<Description> describe(int descriptor)
{
    struct stat info = {};
    if (::fstat(descriptor, &info) != 0)
        return systemFailure(errno);
    return describe(info);
}

// The stream on a regular file is a plain one again: reading and writing it never wait anyway.
std::FILE *streamOn(int descriptor, const char *mode)
{
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags != -1)
        ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK);
    return ::fdopen(descriptor, mode);
}

void closeDescriptor(int descriptor)
{
    ::close(descriptor);
}

bool stillNames(const std::string &path, const Description &opened)
{
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0)
        return false;
    const Description now = describe(info);
    return now.device == opened.device && now.inode == opened.inode;
}

void removeFile(const std::string &path)
{
    std::remove(path.c_str());
}

#endif

} // namespace

RegularFile::RegularFile(const std::string &path, Access access)
    : m_path(path)
{
    int descriptor = openDescriptor(path, access, Creation::None);
    if (descriptor < 0 && errno == ENOENT && access == Access::Update) {
        descriptor = openDescriptor(path, access, Creation::Exclusive);
        m_created = descriptor >= 0;
        // Made meanwhile by someone else, or a link to a file yet to be made: it is not ours.
        if (descriptor < 0 && errno == EEXIST)
            descriptor = openDescriptor(path, access, Creation::Allowed);
    }
    if (descriptor < 0) {
        m_opening = openingFailure(path, errno);
        return;
    }

    const Result<Description> description = describe(descriptor);
    if (description) {
        m_device = description.value().device;
        m_inode = description.value().inode;
    }
    if (!description) {
        m_opening = description.error();
    } else if (description.value().kind == Kind::Directory) {
        m_opening = Failure {IsADirectoryText};
    } else if (description.value().kind != Kind::Regular) {
        m_opening = Failure {NotARegularFileText};
    } else {
        m_stream = streamOn(descriptor, access == Access::Read ? "rb" : "r+b");
        if (!m_stream)
            m_opening = systemFailure(errno);
    }
    if (!m_stream) {
        closeDescriptor(descriptor);
        removeIfCreated();
    }
}

// Whoever needs to know whether the last bytes reached the disk closes the file first.
RegularFile::~RegularFile()
{
    static_cast<void>(close());
}

Status RegularFile::close()
{
    if (!m_stream)
        return {};
    errno = 0;
    const int status = std::fclose(m_stream);
    m_stream = nullptr;
    if (status != 0)
        return systemFailure(errno);
    return {};
}

void RegularFile::removeIfCreated()
{
    // What the closing says no longer matters: the file goes.
    static_cast<void>(close());
    Description opened;
    opened.device = m_device;
    opened.inode = m_inode;
    if (m_created && stillNames(m_path, opened))
        removeFile(m_path);
    m_created = false;
}

} // namespace gauge
