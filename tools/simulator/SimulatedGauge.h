#pragma once

#include "GaugeReply.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace gauge::sim {

// The gauge's side of the programming cable, on the master side of a pseudo-terminal. The tool
// opens devicePath() as its serial port; a thread finds the 37-byte packets in what arrives and
// answers each one.
class SimulatedGauge
{
public:
    explicit SimulatedGauge(ReplyMode mode = ReplyMode::Correct);
    ~SimulatedGauge();
    SimulatedGauge(const SimulatedGauge &) = delete;
    SimulatedGauge &operator=(const SimulatedGauge &) = delete;

    const std::string &devicePath() const { return m_devicePath; }

    void setMode(ReplyMode mode);
    // The line goes away now, as when the cable is pulled; the gauge answers no more.
    void hangUp();
    // The packets received so far, in order.
    std::vector<std::vector<std::uint8_t>> packets() const;
    // The same, handing them over: a long run keeps only what it has not taken yet.
    std::vector<std::vector<std::uint8_t>> takePackets();

private:
    void run();
    // Both false when the gauge is told to stop or hang up before the reply is out.
    bool answer(const std::vector<std::uint8_t> &packet,
                std::chrono::steady_clock::time_point firstByte);
    bool writeAll(const std::uint8_t *data, std::size_t size);

    // What the wake-up pipe tells the gauge's thread.
    static constexpr char Stop = 0;
    static constexpr char HangUpNow = 1;

    int m_master = -1;
    int m_slave = -1;
    int m_wake[2] = {-1, -1};
    std::string m_devicePath;
    std::atomic<ReplyMode> m_mode;
    mutable std::mutex m_mutex;
    std::vector<std::vector<std::uint8_t>> m_packets;
    std::thread m_thread;
};

} // namespace gauge::sim
