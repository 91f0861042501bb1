#pragma once

#include "wire/WireFormat.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace gauge {

class Clock;
class SerialPort;
class Timer;

// How a transfer ended.
enum class TransferOutcome {
    NoCommunication, // no reply, a short or a long one, or the port gone
    NotConfirmed,    // 42 bytes came back, but the header or the echo was wrong
    Sent,
};

// One exchange with the gauge on the open port: the packet goes out, and the transfer ends on
// whichever comes first, the 42nd reply byte, the two-second deadline or the line lost. Nothing
// waits: the port's events and the timer drive it on its owner's event loop.
class Transfer
{
public:
    // Progress in percent: the packet's bytes going out take it to 49, the reply's bytes coming
    // in from 47 to 100.
    using Progress = std::function<void(int percent)>;
    using Finished = std::function<void(TransferOutcome)>;

    Transfer(SerialPort &port, const Clock &clock, Timer &timer);
    ~Transfer();
    Transfer(const Transfer &) = delete;
    Transfer &operator=(const Transfer &) = delete;

    // Hands the packet to the port. The outcome comes once, through finished: at once when the
    // port is not open, on the timer's next turn when it refuses the packet.
    void start(const wire::Packet &packet, Progress progress, Finished finished);
    bool running() const { return m_running; }

    // The port's events, passed on by whoever owns the port; nothing while no transfer runs.
    void bytesArrived(std::span<const std::uint8_t> bytes);
    void lineLost(std::span<const std::uint8_t> lastBytes);

    static constexpr std::chrono::seconds ReplyTimeLimit {2};

private:
    void deadlineDue();
    void judgeReply();
    void finish(TransferOutcome outcome);
    void report(int steps) const;

    SerialPort &m_port;
    const Clock &m_clock;
    Timer &m_timer;

    bool m_running = false;
    wire::Packet m_packet {};
    std::vector<std::uint8_t> m_received;
    std::chrono::steady_clock::time_point m_sentAt {};
    Progress m_progress;
    Finished m_finished;
};

} // namespace gauge
