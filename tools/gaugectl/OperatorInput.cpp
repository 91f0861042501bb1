#include "OperatorInput.h"

#include <QTimer>

#include <array>
#include <unistd.h>
#include <utility>

OperatorInput::OperatorInput()
    : m_notifier(STDIN_FILENO, QSocketNotifier::Read)
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
    std::array<char, 4096> chunk {};
    const ssize_t count = ::read(STDIN_FILENO, chunk.data(), chunk.size());
    if (count > 0)
        m_typed.append(chunk.data(), static_cast<std::size_t>(count));
    else if (count == 0)
        m_ended = true;
    // An interrupted read is left to the interrupt; the next activation reads on.
    answerIfReady();
}

// As a terminal reads lines: a last line without its Enter still counts as one.
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
