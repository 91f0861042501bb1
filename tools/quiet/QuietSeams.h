#pragma once

#include "window/FileDialogs.h"
#include "window/Messages.h"
#include "window/WindowCommands.h"

#include <string>

// Stand-ins for a window's surroundings where nobody is at the screen: the benchmarks and the
// screenshots drive the window model on their own. No dialog is ever answered, no other window
// opens, the last message is kept and every question is answered as told.
class QuietMessages final : public gauge::Messages
{
public:
    explicit QuietMessages(bool answer)
        : m_answer(answer)
    {
    }

    void show(gauge::MessageIcon, const std::string &text, const std::string &) override
    {
        m_last = text;
    }
    bool ask(const std::string &) override { return m_answer; }

    const std::string &last() const { return m_last; }

private:
    bool m_answer;
    std::string m_last;
};

class NoFileDialogs final : public gauge::FileDialogs
{
public:
    std::string openFileName(const gauge::FileFilter &, const std::string &) override { return {}; }
    std::string saveFileName(const gauge::FileFilter &, const std::string &) override { return {}; }
};

class NoWindows final : public gauge::WindowCommands
{
public:
    void showConnectionHelp() override { }
    void showAbout() override { }
    void closeMainWindow() override { }
};
