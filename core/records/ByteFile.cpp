#include "records/ByteFile.h"

#include "records/RegularFile.h"

#include <cerrno>
#include <cstring>

namespace gauge {

Failure systemFailure(int errorNumber)
{
    return {errorNumber != 0 ? std::strerror(errorNumber) : "unknown error"};
}

Result<std::vector<std::uint8_t>> readFileStart(const std::string &path, std::size_t maxBytes)
{
    RegularFile file(path, RegularFile::Access::Read);
    if (!file.opening())
        return file.opening().error();
    std::vector<std::uint8_t> bytes(maxBytes, 0);
    errno = 0;
    const std::size_t count = std::fread(bytes.data(), 1, maxBytes, file.stream());
    if (std::ferror(file.stream()))
        return systemFailure(errno);
    bytes.resize(count);
    return bytes;
}

Status writeFileStart(const std::string &path, std::span<const std::uint8_t> bytes)
{
    RegularFile file(path, RegularFile::Access::Update);
    if (!file.opening())
        return file.opening();
    const auto failed = [&file](int errorNumber) {
        file.removeIfCreated();
        return systemFailure(errorNumber);
    };
    errno = 0;
    for (std::size_t offset = 0; offset < bytes.size(); ++offset) {
        if (std::fseek(file.stream(), static_cast<long>(offset), SEEK_SET) != 0
            || std::fputc(bytes[offset], file.stream()) == EOF)
            return failed(errno);
    }
    // A full disk only shows when the buffered bytes reach it.
    if (std::fflush(file.stream()) != 0)
        return failed(errno);
    if (Status closing = file.close(); !closing) {
        file.removeIfCreated();
        return closing;
    }
    return {};
}

} // namespace gauge
