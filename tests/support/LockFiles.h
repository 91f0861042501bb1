#pragma once

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace gauge::test {

// The lock files in the system's lock folder that no living process holds any more, by name:
// what an opened port leaves behind when it is not closed. Those of other programs that still
// run, tests running in parallel among them, do not count.
inline std::set<std::string> staleLockFiles()
{
    std::set<std::string> names;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator("/run/lock", error)) {
        std::ifstream lock(entry.path());
        pid_t owner = 0;
        if (!(lock >> owner) || owner <= 0)
            continue;
        if (::kill(owner, 0) != 0 && errno == ESRCH)
            names.insert(entry.path().filename().string());
    }
    return names;
}

// Fails the run when its tests leave a port's lock file behind: the next program to open that
// port would find it taken.
class NoLockFilesLeft final : public testing::Environment
{
public:
    void SetUp() override { m_before = staleLockFiles(); }
    void TearDown() override { EXPECT_EQ(staleLockFiles(), m_before); }

private:
    std::set<std::string> m_before;
};

} // namespace gauge::test
