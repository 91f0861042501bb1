#pragma once

#include "serial/Clock.h"
#include "serial/SerialPort.h"
#include "shell/FileDialogs.h"
#include "shell/MainForm.h"
#include "shell/Messages.h"
#include "shell/WindowCommands.h"

#include <deque>
#include <set>
#include <string>
#include <vector>

namespace gauge::test {

struct ShownMessage
{
    MessageIcon icon;
    std::string text;
    std::string detail;
};

class FakeMessages final : public Messages
{
public:
    void show(MessageIcon icon, const std::string &text, const std::string &detail) override
    {
        shown.push_back({icon, text, detail});
    }
    bool ask(const std::string &question) override
    {
        questions.push_back(question);
        return answer;
    }

    std::vector<std::string> texts() const;

    std::vector<ShownMessage> shown;
    std::vector<std::string> questions;
    bool answer = true;
};

class FakeFileDialogs final : public FileDialogs
{
public:
    std::string openFileName(const std::string &filter, const std::string &fileName) override;
    std::string saveFileName(const std::string &filter, const std::string &fileName) override;

    std::string nextFileName; // what the user picks; empty cancels
    std::vector<std::string> filters;
    std::vector<std::string> presets;
};

class FakeWindows final : public WindowCommands
{
public:
    void showConnectionHelp() override { ++connectionHelpShown; }
    void showAbout() override { ++aboutShown; }
    void closeMainWindow() override { ++mainWindowClosed; }

    int connectionHelpShown = 0;
    int aboutShown = 0;
    int mainWindowClosed = 0;
};

class FakeClock final : public Clock
{
public:
    std::chrono::steady_clock::time_point now() const override { return current; }
    std::chrono::steady_clock::time_point current {};
};

// A serial port in memory: ports that open are listed, and a written packet is answered at once
// with whatever reply the test sets up.
class FakeSerialPort final : public SerialPort
{
public:
    explicit FakeSerialPort(FakeClock &clock)
        : m_clock(clock)
    {
    }

    int setPortNumber(int number) override;
    int setLineSettings(const LineSettings &settings) override;
    int setReceiveSettings(const ReceiveSettings &settings) override;
    bool isOpen() const override { return m_open; }
    int open() override;
    int close() override;
    int discardInput() override;
    int bytesWaiting(int &count) override;
    int write(std::uint8_t byte) override;
    int read(std::span<std::uint8_t> bytes) override;
    void waitForBytes(int count, std::chrono::milliseconds timeout) override;
    std::string errorDetail(int errorNumber) const override;

    std::set<int> openable;
    std::set<int> busy;
    // Answered once 37 bytes have been written; an empty reply is silence.
    std::vector<std::uint8_t> reply;
    bool echoPacket = true; // answer with the proper 42-byte reply
    // When set, the reply arrives in these pieces instead, one piece a wait.
    std::deque<std::vector<std::uint8_t>> replyChunks;
    std::vector<std::uint8_t> written;
    LineSettings lineSettings {};
    ReceiveSettings receiveSettings {};
    int portNumber = 0;
    int opens = 0;

private:
    FakeClock &m_clock;
    bool m_open = false;
    std::deque<std::uint8_t> m_input;
};

// A main window model after start-up, with every platform service faked.
struct FormFixture
{
    explicit FormFixture(std::set<int> ports = {1});

    MainForm &load();
    void choose(int gaugeType) { form.Gauge_Click(gaugeType); }
    void click(GroupId group, int index) { form.select(group, index); }
    int selected(GroupId group) const { return form.group(group).selectedIndex(); }
    const Option &option(GroupId group, int index) const
    {
        return form.group(group).option(index);
    }
    const GaugeConfiguration &config() const { return form.config(); }

    FakeMessages messages;
    FakeFileDialogs dialogs;
    FakeClock clock;
    FakeSerialPort port {clock};
    FakeWindows windows;
    MainForm form;
};

// Everything the screen shows and the configuration holds; two forms with equal snapshots are in
// the same state.
struct FormSnapshot
{
    bool frameVisible = false;
    std::string caption;
    std::string statusText;
    std::vector<std::string> options;
    std::vector<int> configuration; // the choices and what follows from them, with the curve
    std::vector<int> buffers;       // the last record read and the last packet built

    friend bool operator==(const FormSnapshot &, const FormSnapshot &) = default;
};

FormSnapshot snapshot(const MainForm &form);

// The proper reply to a packet: header with its checksum, the echo, the trailing zero.
std::vector<std::uint8_t> replyFor(std::span<const std::uint8_t> packet, std::uint8_t headerByte = 0);

} // namespace gauge::test
