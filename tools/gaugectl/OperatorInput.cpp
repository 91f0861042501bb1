#include "OperatorInput.h"

#include <QTimer>

#include <utility>

void OperatorInput::waitForLine(std::function<void(std::optional<std::string>)> done)
{
    m_done = std::move(done);
    // A line typed ahead is answered on the next turn of the loop, not from within the caller.
    QTimer::singleShot(0, &m_context, [this] { answerIfReady(); });
}

void OperatorInput::took(std::string_view bytes)
{
    m_typed.append(bytes);
    answerIfReady();
}

void OperatorInput::inputEnded()
{
    m_ended = true;
    answerIfReady();
}

// As a file or a pipe is read: a last line without its Enter still counts as one. A line ended
// the Windows way loses its carriage return too.
void OperatorInput::answerIfReady()
{
    if (!m_done)
        return;
    const std::size_t end = m_typed.find('\n');
    const bool lineCame = end != std::string::npos || (m_ended && !m_typed.empty());
    if (!lineCame && !m_ended) {
        listen(true);
        return;
    }
    listen(false);
    std::optional<std::string> line;
    if (lineCame) {
        line = m_typed.substr(0, end);
        if (!line->empty() && line->back() == '\r')
            line->pop_back();
        m_typed.erase(0, end == std::string::npos ? std::string::npos : end + 1);
    }
    std::exchange(m_done, {})(std::move(line));
}
