#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace gauge::test {

// A folder of its own for one test, removed with everything in it afterwards.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    // A name as the programs hold it: the system's bytes on POSIX, UTF-8 on Windows.
    std::string path(const std::string &name) const;
    const std::filesystem::path &root() const { return m_path; }

private:
    std::filesystem::path m_path;
};

std::vector<unsigned char> readAll(const std::string &path);
std::string readText(const std::string &path);
void writeAll(const std::string &path, const std::vector<unsigned char> &bytes);

} // namespace gauge::test
