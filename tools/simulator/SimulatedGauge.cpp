#include "SimulatedGauge.h"

#include "wire/WireFormat.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <pty.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace gauge::sim {

namespace {

using namespace std::chrono_literals;

// One byte at 4800 baud with a start and a stop bit.
constexpr auto ByteTime = std::chrono::microseconds(1'000'000 * 10 / 4800);

} // namespace

SimulatedGauge::SimulatedGauge(ReplyMode mode)
    : m_mode(mode)
{
    std::array<char, 256> name {};
    if (::openpty(&m_master, &m_slave, name.data(), nullptr, nullptr) != 0)
        throw std::runtime_error(std::string("openpty: ") + std::strerror(errno));
    m_devicePath = name.data();

    // Raw on both sides from the start: no echo, no line editing, until the tool sets its own.
    termios raw {};
    ::tcgetattr(m_slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(m_slave, TCSANOW, &raw);
    ::tcsetattr(m_master, TCSANOW, &raw);
    // A tool that writes and never reads fills the line; the gauge then waits for room, and for
    // being told to stop, instead of hanging in a write.
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);

    if (::pipe(m_wake) != 0)
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    // The gauge's thread leaves the signals that end a program to the thread that started it,
    // whose waits they are to cut short.
    sigset_t ending;
    sigemptyset(&ending);
    for (const int number : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&ending, number);
    sigset_t before;
    ::pthread_sigmask(SIG_BLOCK, &ending, &before);
    m_thread = std::thread(&SimulatedGauge::run, this);
    ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
}

SimulatedGauge::~SimulatedGauge()
{
    const char stop = Stop;
    [[maybe_unused]] const auto written = ::write(m_wake[1], &stop, 1);
    m_thread.join();
    for (int fd : {m_master, m_slave, m_wake[0], m_wake[1]}) {
        if (fd >= 0)
            ::close(fd);
    }
}

void SimulatedGauge::hangUp()
{
    const char command = HangUpNow;
    [[maybe_unused]] const auto written = ::write(m_wake[1], &command, 1);
}

void SimulatedGauge::setMode(ReplyMode mode)
{
    m_mode = mode;
}

std::vector<std::vector<std::uint8_t>> SimulatedGauge::packets() const
{
    std::lock_guard lock(m_mutex);
    return m_packets;
}

std::vector<std::vector<std::uint8_t>> SimulatedGauge::takePackets()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_packets, {});
}

void SimulatedGauge::run()
{
    std::vector<std::uint8_t> received;
    std::chrono::steady_clock::time_point firstByte;
    for (;;) {
        pollfd fds[2] = {{m_master, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents != 0) {
            char command = Stop;
            [[maybe_unused]] const auto got = ::read(m_wake[0], &command, 1);
            if (command == HangUpNow) {
                ::close(m_master);
                m_master = -1;
            }
            return;
        }
        if ((fds[0].revents & POLLIN) == 0) {
            // No tool holds the other side yet, or it let go: wait a little for it.
            std::this_thread::sleep_for(5ms);
            continue;
        }
        std::array<std::uint8_t, 256> chunk {};
        const ssize_t count = ::read(m_master, chunk.data(), chunk.size());
        if (count <= 0)
            continue;
        if (received.empty())
            firstByte = std::chrono::steady_clock::now();
        received.insert(received.end(), chunk.begin(), chunk.begin() + count);
        while (const std::optional<std::vector<std::uint8_t>> packet = takePacket(received)) {
            {
                std::lock_guard lock(m_mutex);
                m_packets.push_back(*packet);
            }
            // Told to stop or hang up while answering: the poll above takes the command.
            if (!answer(*packet, firstByte))
                break;
            if (m_master < 0)
                return;
        }
    }
}

bool SimulatedGauge::answer(const std::vector<std::uint8_t> &packet,
                            std::chrono::steady_clock::time_point firstByte)
{
    const ReplyMode mode = m_mode;
    const std::vector<std::uint8_t> reply = replyTo(packet, mode);
    if (mode == ReplyMode::LineRate) {
        // The packet takes 37 byte times on the line before the gauge has it; each reply byte
        // takes one more.
        auto due = firstByte + static_cast<int>(wire::PacketSize) * ByteTime;
        for (std::uint8_t byte : reply) {
            due += ByteTime;
            std::this_thread::sleep_until(due);
            if (!writeAll(&byte, 1))
                return false;
        }
        return true;
    }
    if (!writeAll(reply.data(), reply.size()))
        return false;
    if (mode == ReplyMode::HangUp) {
        std::this_thread::sleep_for(20ms);
        ::close(m_master);
        m_master = -1;
    }
    return true;
}

bool SimulatedGauge::writeAll(const std::uint8_t *data, std::size_t size)
{
    while (size > 0) {
        pollfd fds[2] = {{m_master, POLLOUT, 0}, {m_wake[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return true;
        }
        // What the line takes goes out, so a reply under way is whole; only a full line gives
        // way to a command.
        if (fds[0].revents == 0)
            return false;
        const ssize_t written = ::write(m_master, data, size);
        if (written < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return true; // the line is gone; the reply with it
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace gauge::sim
