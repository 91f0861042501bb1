#include "support/Fakes.h"

#include "GaugeReply.h"

#include <algorithm>

namespace gauge::test {

std::vector<std::string> FakeMessages::texts() const
{
    std::vector<std::string> result;
    for (const ShownMessage &message : shown)
        result.push_back(message.text);
    return result;
}

std::string FakeFileDialogs::openFileName(const std::string &filter, const std::string &fileName)
{
    filters.push_back(filter);
    presets.push_back(fileName);
    return nextFileName;
}

std::string FakeFileDialogs::saveFileName(const std::string &filter, const std::string &fileName)
{
    return openFileName(filter, fileName);
}

int FakeSerialPort::setPortNumber(int number)
{
    portNumber = number;
    return 0;
}

int FakeSerialPort::setLineSettings(const LineSettings &settings)
{
    lineSettings = settings;
    return 0;
}

int FakeSerialPort::setReceiveSettings(const ReceiveSettings &settings)
{
    receiveSettings = settings;
    return 0;
}

int FakeSerialPort::open()
{
    if (busy.contains(portNumber))
        return PortBusyError;
    if (!openable.contains(portNumber))
        return 2;
    m_open = true;
    ++opens;
    return 0;
}

int FakeSerialPort::probe(int number)
{
    if (busy.contains(number))
        return PortBusyError;
    return openable.contains(number) ? 0 : 2;
}

void FakeSerialPort::loseDevice()
{
    m_open = false;
    m_input.clear();
    if (m_lost)
        m_lost();
}

int FakeSerialPort::close()
{
    if (!m_open)
        return PortNotOpenError;
    m_open = false;
    m_input.clear();
    return 0;
}

int FakeSerialPort::discardInput()
{
    if (!m_open)
        return PortNotOpenError;
    m_input.clear();
    return 0;
}

int FakeSerialPort::bytesWaiting(int &count)
{
    if (!m_open)
        return PortNotOpenError;
    count = static_cast<int>(m_input.size());
    return 0;
}

int FakeSerialPort::write(std::uint8_t byte)
{
    if (!m_open)
        return PortNotOpenError;
    written.push_back(byte);
    return 0;
}

int FakeSerialPort::read(std::span<std::uint8_t> bytes)
{
    if (!m_open || m_input.size() < bytes.size())
        return PortNotOpenError;
    std::copy_n(m_input.begin(), bytes.size(), bytes.begin());
    m_input.erase(m_input.begin(), m_input.begin() + static_cast<std::ptrdiff_t>(bytes.size()));
    return 0;
}

// The gauge answers after the packet has left, so the reply arrives during the wait.
void FakeSerialPort::waitForBytes(int count, std::chrono::milliseconds timeout)
{
    if (m_open && !replyChunks.empty()) {
        m_input.insert(m_input.end(), replyChunks.front().begin(), replyChunks.front().end());
        replyChunks.pop_front();
        return;
    }
    if (m_open && answers && written.size() >= wire::PacketSize && m_input.empty()) {
        const std::span<const std::uint8_t> packet(written.end() - wire::PacketSize, written.end());
        const std::vector<std::uint8_t> reply = properReply(packet);
        m_input.assign(reply.begin(), reply.end());
    }
    if (static_cast<int>(m_input.size()) < count)
        m_clock.current += timeout;
}

std::string FakeSerialPort::errorDetail(int errorNumber) const
{
    return "detail for " + std::to_string(errorNumber);
}

WindowFixture::WindowFixture(std::set<int> ports)
    : model(Platform {messages, dialogs, port, windows, clock})
{
    port.openable = std::move(ports);
}

MainWindowModel &WindowFixture::load()
{
    model.start();
    return model;
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
