#pragma once

#include <QSocketNotifier>

#include <functional>
#include <optional>
#include <string>

// The lines the technician types on standard input (an answer, Enter between gauges), read on the
// event loop as they come, so that the loop, and an interrupt, never wait behind a blocking read.
class OperatorInput
{
public:
    // Reads standard input; a test hands in a descriptor of its own.
    explicit OperatorInput(int descriptor = 0);

    // Calls back once, from the event loop, with the next line, or with nothing at the end of the
    // input.
    void waitForLine(std::function<void(std::optional<std::string> line)> done);

private:
    void readWhatCame();
    void answerIfReady();

    static constexpr std::size_t ChunkSize = 4096;

    int m_descriptor;
    bool m_terminal;
    QSocketNotifier m_notifier;
    std::string m_typed;
    bool m_ended = false;
    std::function<void(std::optional<std::string>)> m_done;
};
