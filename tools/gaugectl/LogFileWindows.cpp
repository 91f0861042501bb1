#include "LogFile.h"
#include "Texts.h"

#include "records/ByteFile.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <limits>
#include <thread>
#include <windows.h>

struct LogFile::Handle
{
    HANDLE file;
};

namespace {

constexpr auto LockRetry = std::chrono::milliseconds(20);
// The stations' lock is one byte no line will ever reach, the last a signed offset can name:
// Windows holds a locked range against every reader, and the summary, a backup or an editor must
// be able to read the log while a station writes it.
constexpr LONGLONG LockOffset = std::numeric_limits<LONGLONG>::max() - 1;

OVERLAPPED lockOffset()
{
    OVERLAPPED at {};
    at.Offset = static_cast<DWORD>(LockOffset & 0xFFFFFFFF);
    at.OffsetHigh = static_cast<DWORD>(LockOffset >> 32);
    return at;
}

// Windows' own words for the last error, in UTF-8 like every other text of gaugectl: the ANSI
// code page's bytes would be no UTF-8 in the log.
gauge::Failure systemFailure()
{
    const DWORD error = ::GetLastError();
    wchar_t *words = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t *>(&words), 0, nullptr);
    std::wstring_view message(words, length);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r'))
        message.remove_suffix(1);
    std::string reason(static_cast<std::size_t>(::WideCharToMultiByte(
                           CP_UTF8, 0, message.data(), static_cast<int>(message.size()), nullptr, 0,
                           nullptr, nullptr)),
                       '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, message.data(), static_cast<int>(message.size()),
                          reason.data(), static_cast<int>(reason.size()), nullptr, nullptr);
    ::LocalFree(words);
    if (reason.empty())
        reason = "Windows error " + std::to_string(error);
    return {reason};
}

// gaugectl's names are UTF-8, and Windows' own are UTF-16: the one conversion between them, for
// the writer and the reader of a log alike.
std::wstring systemName(const std::string &path)
{
    const int length
        = ::MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring name(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), name.data(),
                          length);
    return name;
}

HANDLE openShared(const std::string &path, DWORD access, DWORD disposition)
{
    return ::CreateFileW(systemName(path).c_str(), access,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

gauge::Result<std::unique_ptr<LogFile>> LogFile::open(const std::string &path)
{
    HANDLE file = openShared(path, GENERIC_WRITE, OPEN_ALWAYS);
    if (file == INVALID_HANDLE_VALUE)
        return systemFailure();
    const bool regularFile = ::GetFileType(file) == FILE_TYPE_DISK;
    // The writer reads the file's last byte, to start its line on a line of its own; a pipe or a
    // device is only ever written.
    if (regularFile) {
        const HANDLE readable
            = ::ReOpenFile(file, GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, 0);
        if (readable == INVALID_HANDLE_VALUE) {
            const gauge::Failure failure = systemFailure();
            ::CloseHandle(file);
            return failure;
        }
        ::CloseHandle(file);
        file = readable;
    }
    return std::unique_ptr<LogFile>(new LogFile(std::make_unique<Handle>(file), regularFile));
}

gauge::Result<int> LogFile::openForReading(const std::string &path)
{
    const HANDLE file = openShared(path, GENERIC_READ, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE)
        return systemFailure();
    const int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY);
    if (descriptor < 0) {
        const int error = errno;
        ::CloseHandle(file);
        return gauge::systemFailure(error);
    }
    return descriptor;
}

LogFile::LogFile(std::unique_ptr<Handle> handle, bool regularFile)
    : m_handle(std::move(handle))
    , m_regularFile(regularFile)
{
}

LogFile::~LogFile()
{
    ::CloseHandle(m_handle->file);
}

gauge::Status LogFile::lock(std::chrono::milliseconds limit, const std::function<bool()> &giveUp)
{
    const auto until = std::chrono::steady_clock::now() + limit;
    for (;;) {
        OVERLAPPED at = lockOffset();
        if (::LockFileEx(m_handle->file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1,
                         0, &at))
            return {};
        if (::GetLastError() != ERROR_LOCK_VIOLATION)
            return systemFailure();
        if ((giveUp && giveUp()) || std::chrono::steady_clock::now() >= until)
            return gauge::Failure {text::LogLocked};
        std::this_thread::sleep_for(LockRetry);
    }
}

void LogFile::unlock()
{
    OVERLAPPED at = lockOffset();
    ::UnlockFileEx(m_handle->file, 0, 1, 0, &at);
}

gauge::Result<std::uint64_t> LogFile::size() const
{
    LARGE_INTEGER size {};
    if (!::GetFileSizeEx(m_handle->file, &size))
        return systemFailure();
    return static_cast<std::uint64_t>(size.QuadPart);
}

gauge::Result<bool> LogFile::endsLine(std::uint64_t size) const
{
    char last = '\n';
    if (size == 0)
        return true;
    OVERLAPPED at {};
    at.Offset = static_cast<DWORD>((size - 1) & 0xFFFFFFFF);
    at.OffsetHigh = static_cast<DWORD>((size - 1) >> 32);
    DWORD read = 0;
    if (!::ReadFile(m_handle->file, &last, 1, &read, &at))
        return systemFailure();
    return last == '\n';
}

// Written at the end under the lock, which is what appending means here.
gauge::Result<std::size_t> LogFile::append(std::string_view text)
{
    const LARGE_INTEGER start {};
    if (m_regularFile && !::SetFilePointerEx(m_handle->file, start, nullptr, FILE_END))
        return systemFailure();
    DWORD written = 0;
    if (!::WriteFile(m_handle->file, text.data(), static_cast<DWORD>(text.size()), &written,
                     nullptr))
        return systemFailure();
    return static_cast<std::size_t>(written);
}

gauge::Status LogFile::cutBackTo(std::uint64_t size)
{
    LARGE_INTEGER end {};
    end.QuadPart = static_cast<LONGLONG>(size);
    if (!::SetFilePointerEx(m_handle->file, end, nullptr, FILE_BEGIN)
        || !::SetEndOfFile(m_handle->file))
        return systemFailure();
    return {};
}

gauge::Status LogFile::sync()
{
    if (!::FlushFileBuffers(m_handle->file))
        return systemFailure();
    ++m_syncs;
    return {};
}

// A file deleted while open, as FILE_SHARE_DELETE lets another program do, is only pending
// deletion until the last handle goes: it counts as removed all the same.
LogFile::Naming LogFile::naming(const std::string &path) const
{
    FILE_STANDARD_INFO standard {};
    BY_HANDLE_FILE_INFORMATION opened {};
    if (!::GetFileInformationByHandleEx(m_handle->file, FileStandardInfo, &standard,
                                        sizeof standard)
        || standard.DeletePending || standard.NumberOfLinks == 0
        || !::GetFileInformationByHandle(m_handle->file, &opened))
        return Naming::Removed;
    const HANDLE byName = openShared(path, 0, OPEN_EXISTING);
    if (byName == INVALID_HANDLE_VALUE)
        return Naming::Renamed;
    BY_HANDLE_FILE_INFORMATION named {};
    const bool same = ::GetFileInformationByHandle(byName, &named)
        && opened.dwVolumeSerialNumber == named.dwVolumeSerialNumber
        && opened.nFileIndexHigh == named.nFileIndexHigh
        && opened.nFileIndexLow == named.nFileIndexLow;
    ::CloseHandle(byName);
    return same ? Naming::Same : Naming::Replaced;
}
