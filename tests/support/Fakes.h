#pragma once

#include "gauge/Catalogue.h"
#include "transfer/Clock.h"
#include "transfer/PortMap.h"
#include "transfer/SerialPort.h"
#include "transfer/Timer.h"
#include "window/FileDialogs.h"
#include "window/MainWindowModel.h"
#include "window/Messages.h"
#include "window/WindowCommands.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <utility>
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
        if (whileShown)
            whileShown();
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
    // What the technician does while a message is up.
    std::function<void()> whileShown;
};

class FakeFileDialogs final : public FileDialogs
{
public:
    std::string openFileName(const FileFilter &filter, const std::string &fileName) override;
    std::string saveFileName(const FileFilter &filter, const std::string &fileName) override;

    std::string nextFileName; // what the technician picks; empty cancels
    std::vector<FileFilter> filters;
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

// A timer on the fake clock: it fires only when told to, moving the clock to the moment it was
// due.
class FakeTimer final : public Timer
{
public:
    explicit FakeTimer(FakeClock &clock)
        : m_clock(clock)
    {
    }

    void start(std::chrono::milliseconds delay, std::function<void()> callback) override;
    void stop() override { m_callback = {}; }

    bool pending() const { return static_cast<bool>(m_callback); }
    void fire();
    // Fires now, before it is due, as a coarse system timer may.
    void fireEarly() { std::exchange(m_callback, {})(); }

private:
    FakeClock &m_clock;
    std::chrono::steady_clock::time_point m_due {};
    std::function<void()> m_callback;
};

// Serial devices in memory. Every device opens unless it is refused; a packet written to the
// open port is answered, when the line is let speak, the way the simulated gauge answers it.
class FakeSerialPort final : public SerialPort
{
public:
    void setEvents(PortEvents events) override { m_events = std::move(events); }
    Opening open(const PortDevice &device, const LineSettings &settings) override;
    bool isOpen() const override { return !openDevice.empty(); }
    void close() override;
    Opening probe(const PortDevice &device) override;
    void discardInput() override { unheard.clear(); }
    bool write(std::span<const std::uint8_t> bytes) override;

    // Passes what came in unheard, else the next thing the gauge says, to the port's owner; false
    // when there is nothing.
    bool speak();
    // The device of the open port goes away, with what it sent last.
    void loseDevice(std::vector<std::uint8_t> lastBytes = {});

    // Devices that do not open, by path, and why.
    std::map<std::string, OpeningRefusal> refusals;
    // When set, the gauge says these pieces instead of its proper reply, one piece each time it
    // speaks; an empty list with answers switched off is silence.
    std::deque<std::vector<std::uint8_t>> replyChunks;
    bool answers = true;
    // The open port refuses what is written, as a port whose device is going away may.
    bool refusesWrites = false;
    // What came in on the line and was not passed on yet, such as noise from before; and what
    // more comes in with each byte written, as on a line that echoes.
    std::vector<std::uint8_t> unheard;
    std::vector<std::uint8_t> noiseWhileWriting;

    std::vector<std::string> openings; // every device opened or probed, by path
    std::string openDevice;            // empty: closed
    LineSettings lineSettings {};
    std::vector<std::uint8_t> written;

private:
    Opening tryOpening(const PortDevice &device);

    PortEvents m_events;
    std::size_t m_packetsAnswered = 0;
};

// The gauge speaks until it has nothing more to say, then time runs on to the next timer, until
// done() holds or nothing more can happen.
void runLine(FakeSerialPort &port, FakeTimer &timer, const std::function<bool()> &done);

// The main window model after start-up, with every platform service faked. The COM numbers
// given have a device each, named after the number ("/dev/fake3").
struct WindowFixture
{
    explicit WindowFixture(std::set<int> ports = {1});

    MainWindowModel &startUp();
    void choose(int gaugeType) { model.chooseGaugeType(gaugeType); }
    void click(Choice choice, int index) { model.chooseOption(choice, index); }
    int selected(Choice choice) const { return model.setup().selected(choice); }
    OptionView option(Choice choice, int index) const { return model.option(choice, index); }
    const GaugeConfiguration &config() const { return model.setup().configuration(); }

    // Send Data, and the transfer run to its end: the gauge speaks, and when it has nothing more
    // to say the time runs out.
    void sendData();
    void finishTransfer();

    static std::string devicePath(int number);
    // How often the device behind the COM number was opened or probed.
    std::ptrdiff_t openingsOf(int number) const;
    void plugIn(int number);
    void unplug(int number);
    void refuse(int number, OpenFailure failure, int errorNumber);

    FakeMessages messages;
    FakeFileDialogs dialogs;
    FakeWindows windows;
    FakeClock clock;
    FakeTimer timer {clock};
    FakeSerialPort port;
    FixedPortMap portMap;
    Transfer transfer {port, clock, timer};
    PortSurvey survey {port, portMap};
    MainWindowModel model;

private:
    int m_pluggings = 0;
};

// The same, started up, as most cases begin.
struct StartedWindow : WindowFixture
{
    explicit StartedWindow(std::set<int> ports = {1})
        : WindowFixture(std::move(ports))
    {
        startUp();
    }
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
