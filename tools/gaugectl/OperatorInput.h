#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The lines the technician types on standard input (an answer, a unit id, Enter between gauges),
// read as they come without the event loop waiting behind a blocking read, so that the loop, and
// an interrupt, are never held up. How the input is watched is the system's: a notifier on POSIX,
// a reading thread on Windows, whose console input no notifier can watch.
class OperatorInput
{
public:
    // Reads standard input; a test hands in a descriptor of its own.
    explicit OperatorInput(int descriptor = 0);
    ~OperatorInput();
    OperatorInput(const OperatorInput &) = delete;
    OperatorInput &operator=(const OperatorInput &) = delete;

    // Calls back once, from the event loop, with the next line, or with nothing at the end of the
    // input.
    void waitForLine(std::function<void(std::optional<std::string> line)> done);

private:
    struct Reader;

    // What the reader hands over, on the event loop: bytes as they came, or the end of the input
    // (an input that cannot be read any more ends it too).
    void took(std::string_view bytes);
    void inputEnded();
    void answerIfReady();
    // The reader reads only while a line is awaited: a file or /dev/null is always ready.
    void listen(bool on);

    QObject m_context;
    // Shared with the reading thread where there is one, which may outlive the input.
    std::shared_ptr<Reader> m_reader;
    std::string m_typed;
    bool m_ended = false;
    std::function<void(std::optional<std::string>)> m_done;
};
