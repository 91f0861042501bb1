#include "LogFile.h"
#include "Texts.h"

#include <filesystem>
#include <limits>
#include <system_error>
#include <thread>
#include <windows.h>

struct LogFile::Handle
{
    HANDLE file;
};

namespace {

constexpr auto LockRetry = std::chrono::milliseconds(20);
// The whole file, however long it grows: the lock is taken on this range from its start.
constexpr DWORD WholeFileLow = std::numeric_limits<DWORD>::max();
constexpr DWORD WholeFileHigh = std::numeric_limits<DWORD>::max();

gauge::Failure systemFailure()
{
    return {std::system_category().message(static_cast<int>(::GetLastError()))};
}

HANDLE openShared(const std::string &path, DWORD access, DWORD disposition)
{
    return ::CreateFileW(std::filesystem::path(path).wstring().c_str(), access,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

gauge::Result<std::unique_ptr<LogFile>> LogFile::open(const std::string &path)
{
    const HANDLE file = openShared(path, GENERIC_WRITE, OPEN_ALWAYS);
    if (file == INVALID_HANDLE_VALUE)
        return systemFailure();
    const bool regularFile = ::GetFileType(file) == FILE_TYPE_DISK;
    return std::unique_ptr<LogFile>(new LogFile(std::make_unique<Handle>(file), regularFile));
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
        OVERLAPPED from {};
        if (::LockFileEx(m_handle->file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                         WholeFileLow, WholeFileHigh, &from))
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
    OVERLAPPED from {};
    ::UnlockFileEx(m_handle->file, 0, WholeFileLow, WholeFileHigh, &from);
}

gauge::Result<std::uint64_t> LogFile::size() const
{
    LARGE_INTEGER size {};
    if (!::GetFileSizeEx(m_handle->file, &size))
        return systemFailure();
    return static_cast<std::uint64_t>(size.QuadPart);
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
