#include "support/TempDir.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace gauge::test {

namespace {

// std::filesystem reads a plain string in the ANSI code page on Windows; UTF-8 it takes as such,
// and on POSIX it keeps the bytes either way.
std::filesystem::path systemPath(const std::string &name)
{
    return std::u8string(name.begin(), name.end());
}

} // namespace

TempDir::TempDir()
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate
            = std::filesystem::temp_directory_path() / ("gauge-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) {
            m_path = candidate;
            return;
        }
    }
    throw std::runtime_error("no temporary folder");
}

std::string TempDir::path(const std::string &name) const
{
    const std::u8string path = (m_path / systemPath(name)).u8string();
    return {path.begin(), path.end()};
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

std::vector<unsigned char> readAll(const std::string &path)
{
    std::ifstream in(systemPath(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readText(const std::string &path)
{
    const std::vector<unsigned char> bytes = readAll(path);
    return {bytes.begin(), bytes.end()};
}

void writeAll(const std::string &path, const std::vector<unsigned char> &bytes)
{
    std::ofstream out(systemPath(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

} // namespace gauge::test
