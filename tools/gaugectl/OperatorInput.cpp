#include "OperatorInput.h"

#include <QTimer>

#include <array>
#include <cerrno>
#include <unistd.h>
#include <utility>

OperatorInput::OperatorInput(int descriptor)
    : m_descriptor(descriptor)
    , m_terminal(::isatty(descriptor) == 1)
    , m_notifier(descriptor, QSocketNotifier::Read)
{
    // Only while a line is awaited: a file or /dev/null is always ready to be read.
    m_notifier.setEnabled(false);
    QObject::connect(&m_notifier, &QSocketNotifier::activated, &m_notifier,
                     [this] { readWhatCame(); });
}

void OperatorInput::waitForLine(std::function<void(std::optional<std::string>)> done)
{
    m_done = std::move(done);
    // A line typed ahead is answered on the next turn of the loop, not from within the caller.
    QTimer::singleShot(0, &m_notifier, [this] { answerIfReady(); });
}

void OperatorInput::readWhatCame()
{
    std::array<char, ChunkSize> chunk {};
    const ssize_t count = ::read(m_descriptor, chunk.data(), chunk.size());
    if (count > 0) {
        m_typed.append(chunk.data(), static_cast<std::size_t>(count));
        // A terminal hands over what was typed without Enter only when Ctrl+D ends the input:
        // that stray typing is no line.
        if (m_terminal && m_typed.back() != '\n') {
            m_typed.erase(m_typed.find_last_of('\n') + 1);
            m_ended = true;
        }
    } else if (count == 0 || (errno != EINTR && errno != EAGAIN)) {
        // An input that cannot be read (a folder, a write-only /dev/null under nohup) gives no
        // line any more, just as one that ended; waiting on it would only spin.
        m_ended = true;
    }
    // An interrupted read is left to the interrupt; the next activation reads on.
    answerIfReady();
}

// As a file or a pipe is read: a last line without its Enter still counts as one.
void OperatorInput::answerIfReady()
{
    if (!m_done)
        return;
    const std::size_t end = m_typed.find('\n');
    const bool lineCame = end != std::string::npos || (m_ended && !m_typed.empty());
    if (!lineCame && !m_ended) {
        m_notifier.setEnabled(true);
        return;
    }
    m_notifier.setEnabled(false);
    std::optional<std::string> line;
    if (lineCame) {
        line = m_typed.substr(0, end);
        m_typed.erase(0, end == std::string::npos ? std::string::npos : end + 1);
    }
    std::exchange(m_done, {})(std::move(line));
}
