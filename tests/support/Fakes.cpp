#include "support/Fakes.h"

#include "GaugeReply.h"

#include <algorithm>
#include <utility>

namespace gauge::test {

std::vector<std::string> FakeMessages::texts() const
{
    std::vector<std::string> result;
    for (const ShownMessage &message : shown)
        result.push_back(message.text);
    return result;
}

std::string FakeFileDialogs::openFileName(const FileFilter &filter, const std::string &fileName)
{
    filters.push_back(filter);
    presets.push_back(fileName);
    return nextFileName;
}

std::string FakeFileDialogs::saveFileName(const FileFilter &filter, const std::string &fileName)
{
    return openFileName(filter, fileName);
}

void FakeTimer::start(std::chrono::milliseconds delay, std::function<void()> callback)
{
    m_due = m_clock.current + delay;
    m_callback = std::move(callback);
}

void FakeTimer::fire()
{
    if (!m_callback)
        return;
    m_clock.current = std::max(m_clock.current, m_due);
    std::exchange(m_callback, {})();
}

Opening FakeSerialPort::tryOpening(const PortDevice &device)
{
    openings.push_back(device.path);
    const auto refused = refusals.find(device.path);
    return refused == refusals.end() ? Opening {} : refused->second;
}

Opening FakeSerialPort::open(const PortDevice &device, const LineSettings &settings)
{
    if (isOpen())
        return OpeningRefusal {OpenFailure::Busy, PortBusyError};
    const Opening opening = tryOpening(device);
    if (opening) {
        openDevice = device.path;
        lineSettings = settings;
    }
    return opening;
}

Opening FakeSerialPort::probe(const PortDevice &device)
{
    return tryOpening(device);
}

void FakeSerialPort::close()
{
    openDevice.clear();
}

bool FakeSerialPort::write(std::span<const std::uint8_t> bytes)
{
    if (!isOpen() || refusesWrites)
        return false;
    written.insert(written.end(), bytes.begin(), bytes.end());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        unheard.insert(unheard.end(), noiseWhileWriting.begin(), noiseWhileWriting.end());
    return true;
}

bool FakeSerialPort::speak()
{
    if (!isOpen())
        return false;
    std::vector<std::uint8_t> said;
    if (!unheard.empty()) {
        said = std::exchange(unheard, {});
    } else if (!replyChunks.empty()) {
        said = std::move(replyChunks.front());
        replyChunks.pop_front();
    } else if (answers && written.size() / wire::PacketSize > m_packetsAnswered) {
        m_packetsAnswered = written.size() / wire::PacketSize;
        said = properReply(std::span(written).last(wire::PacketSize));
    } else {
        return false;
    }
    if (m_events.bytesArrived)
        m_events.bytesArrived(said);
    return true;
}

void FakeSerialPort::loseDevice(std::vector<std::uint8_t> lastBytes)
{
    openDevice.clear();
    if (m_events.lineLost)
        m_events.lineLost(lastBytes);
}

void runLine(FakeSerialPort &port, FakeTimer &timer, const std::function<bool()> &done)
{
    while (!done()) {
        if (port.speak())
            continue;
        if (!timer.pending())
            return;
        timer.fire();
    }
}

WindowFixture::WindowFixture(std::set<int> ports)
    : model(Platform {messages, dialogs, windows}, survey, transfer)
{
    for (int number : ports)
        plugIn(number);
}

MainWindowModel &WindowFixture::startUp()
{
    model.start();
    return model;
}

void WindowFixture::sendData()
{
    model.sendData();
    finishTransfer();
}

void WindowFixture::finishTransfer()
{
    runLine(port, timer, [this] { return model.takesCommands(); });
}

std::string WindowFixture::devicePath(int number)
{
    return "/dev/fake" + std::to_string(number);
}

std::ptrdiff_t WindowFixture::openingsOf(int number) const
{
    return std::count(port.openings.begin(), port.openings.end(), devicePath(number));
}

void WindowFixture::plugIn(int number)
{
    portMap.set(number,
                {devicePath(number), "fake serial device", {}, std::to_string(++m_pluggings)});
}

void WindowFixture::unplug(int number)
{
    portMap.remove(number);
}

void WindowFixture::refuse(int number, OpenFailure failure, int errorNumber)
{
    port.refusals[devicePath(number)] = {failure, errorNumber};
}

WindowSnapshot snapshot(const MainWindowModel &model)
{
    WindowSnapshot result;
    result.frameVisible = model.gaugeFrameVisible();
    result.caption = model.gaugeFrameCaption();
    result.statusText = model.statusText();
    for (int c = 0; c < ChoiceCount; ++c) {
        const auto choice = static_cast<Choice>(c);
        for (int i = 0; i < optionCount(choice); ++i) {
            const OptionView o = model.option(choice, i);
            result.options.push_back(std::string(o.caption) + "|" + std::string(o.toolTip) + "|"
                                     + std::to_string(o.visible) + std::to_string(o.enabled)
                                     + std::to_string(o.selected));
        }
    }
    const GaugeConfiguration &c = model.setup().configuration();
    result.configuration = {c.gaugeType,   c.supplyVoltage, c.unitIndex,    c.senderIndex,
                            c.unitCount,   c.senderCount,   c.gaugeCode,    c.unitCode,
                            c.scale.low,   c.scale.high,    c.minimumAlarm, c.maximumAlarm,
                            c.alarmOutput, c.blinking,      c.contact,      model.helpMode()};
    result.configuration.insert(result.configuration.end(), c.curve.begin(), c.curve.end());
    return result;
}

std::vector<std::uint8_t> properReply(std::span<const std::uint8_t> packet, std::uint8_t headerByte)
{
    return sim::replyTo({packet.begin(), packet.end()}, sim::ReplyMode::Correct, headerByte);
}

} // namespace gauge::test
