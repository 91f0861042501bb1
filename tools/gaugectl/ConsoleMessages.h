#pragma once

#include "shell/Messages.h"

#include <cstdio>

// The window's message boxes as lines of text. Notices and errors go to the stream chosen (the
// restore's messages to standard error, a transfer's result to standard output); the window's
// one question is asked on the terminal, or answered by --yes.
class ConsoleMessages final : public gauge::Messages
{
public:
    enum class Answer { Ask, Yes };

    explicit ConsoleMessages(Answer answer = Answer::Ask);

    void setStream(std::FILE *stream) { m_stream = stream; }
    // Whether a question came up with no terminal to ask it on and no --yes.
    bool questionRefused() const { return m_questionRefused; }
    // After a Yes, the same question is not asked again (production runs).
    void rememberYes() { m_rememberYes = true; }

    void show(gauge::MessageIcon icon, const std::string &text, const std::string &detail) override;
    bool ask(const std::string &question) override;

private:
    Answer m_answer;
    std::FILE *m_stream = stderr;
    bool m_questionRefused = false;
    bool m_rememberYes = false;
};
