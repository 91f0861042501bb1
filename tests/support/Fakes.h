#pragma once

#include "gauge/Catalogue.h"
#include "transfer/Clock.h"
#include "transfer/SerialPort.h"
#include "window/FileDialogs.h"
#include "window/MainWindowModel.h"
#include "window/Messages.h"
#include "window/WindowCommands.h"

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

    std::string nextFileName; // what the technician picks; empty cancels
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

// A serial port in memory: the ports listed open, and a written packet is answered, during the
// wait that follows, the way the simulated gauge answers it.
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
    int probe(int number) override;
    void setLostHandler(std::function<void()> handler) override { m_lost = std::move(handler); }
    int discardInput() override;
    int bytesWaiting(int &count) override;
    int write(std::uint8_t byte) override;
    int read(std::span<std::uint8_t> bytes) override;
    void waitForBytes(int count, std::chrono::milliseconds timeout) override;
    std::string errorDetail(int errorNumber) const override;

    // The device of the open port goes away.
    void loseDevice();

    std::set<int> openable;
    std::set<int> busy;
    // When set, the reply arrives in these pieces instead, one piece a wait; an empty list and
    // answering switched off is silence.
    std::deque<std::vector<std::uint8_t>> replyChunks;
    bool answers = true;
    std::vector<std::uint8_t> written;
    LineSettings lineSettings {};
    ReceiveSettings receiveSettings {};
    int portNumber = 0;
    int opens = 0;

private:
    FakeClock &m_clock;
    bool m_open = false;
    std::deque<std::uint8_t> m_input;
    std::function<void()> m_lost;
};

// The main window model after start-up, with every platform service faked.
struct WindowFixture
{
    explicit WindowFixture(std::set<int> ports = {1});

    MainWindowModel &load();
    void choose(int gaugeType) { model.chooseGaugeType(gaugeType); }
    void click(Choice choice, int index) { model.chooseOption(choice, index); }
    int selected(Choice choice) const { return model.setup().selected(choice); }
    OptionView option(Choice choice, int index) const { return model.option(choice, index); }
    const GaugeConfiguration &config() const { return model.setup().configuration(); }

    FakeMessages messages;
    FakeFileDialogs dialogs;
    FakeClock clock;
    FakeSerialPort port {clock};
    FakeWindows windows;
    MainWindowModel model;
};

// Everything the screen shows and the configuration holds; two models with equal snapshots are
// in the same state.
struct WindowSnapshot
{
    bool frameVisible = false;
    std::string caption;
    std::string statusText;
    std::vector<std::string> options;
    std::vector<int> configuration; // the choices and what follows from them, with the curve

    friend bool operator==(const WindowSnapshot &, const WindowSnapshot &) = default;
};

WindowSnapshot snapshot(const MainWindowModel &model);

// The reply the simulated gauge gives to a packet when it takes it.
std::vector<std::uint8_t> properReply(std::span<const std::uint8_t> packet,
                                      std::uint8_t headerByte = 0);

} // namespace gauge::test
