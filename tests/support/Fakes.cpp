#include "support/Fakes.h"

#include "serial/Packet.h"

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
    if (m_open && written.size() >= PacketSize && m_input.empty() && replyChunks.empty()) {
        const std::span<const std::uint8_t> packet(written.end() - PacketSize, written.end());
        const std::vector<std::uint8_t> answer = echoPacket ? replyFor(packet) : reply;
        m_input.assign(answer.begin(), answer.end());
    }
    if (static_cast<int>(m_input.size()) < count)
        m_clock.current += timeout;
}

std::string FakeSerialPort::errorDetail(int errorNumber) const
{
    return "detail for " + std::to_string(errorNumber);
}

FormFixture::FormFixture(std::set<int> ports)
    : form(Platform {messages, dialogs, port, windows, clock})
{
    port.openable = std::move(ports);
}

MainForm &FormFixture::load()
{
    form.Form_Load();
    return form;
}

FormSnapshot snapshot(const MainForm &form)
{
    FormSnapshot result;
    result.frameVisible = form.gaugeFrameVisible();
    result.caption = form.gaugeFrameCaption();
    result.statusText = form.statusText();
    for (int g = 0; g < GroupCount; ++g) {
        const OptionGroup &group = form.group(static_cast<GroupId>(g));
        for (int i = 0; i < group.count(); ++i) {
            const Option &o = group.option(i);
            result.options.push_back(o.caption + "|" + o.toolTip + "|" + std::to_string(o.visible)
                                     + std::to_string(o.enabled) + std::to_string(o.selected));
        }
    }
    const GaugeConfiguration &c = form.config();
    result.configuration = {c.GaugeType,   c.SupplyVoltage,       c.UnitIndex,           c.SenderIndex,
                     c.UnitCount,   c.SenderCount,         c.GaugeCode,           c.UnitCode,
                     c.ScaleLow,    c.ScaleHigh,           static_cast<int>(c.MinAlarm),
                     static_cast<int>(c.MaxAlarm), c.AlarmOutput, c.BlkSetting, c.ContactType,
                     c.HelpMode,    c.PortReady};
    result.configuration.insert(result.configuration.end(), c.CurveCoefficients.begin(),
                                c.CurveCoefficients.end());
    result.buffers.assign(c.GaugeFileBytes.begin(), c.GaugeFileBytes.end());
    result.buffers.insert(result.buffers.end(), c.TxBuffer.begin(), c.TxBuffer.end());
    return result;
}

std::vector<std::uint8_t> replyFor(std::span<const std::uint8_t> packet, std::uint8_t headerByte)
{
    std::vector<std::uint8_t> reply(ReplyHeaderSize + packet.size() + 1, 0);
    reply[0] = 170;
    reply[1] = 170;
    reply[2] = headerByte;
    reply[3] = static_cast<std::uint8_t>((170 + 170 + headerByte) % 256);
    std::copy(packet.begin(), packet.end(), reply.begin() + ReplyHeaderSize);
    return reply;
}

} // namespace gauge::test
