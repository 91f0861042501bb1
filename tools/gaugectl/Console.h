#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// The text as it may go to a terminal: control characters (in a file name, say) are written as
// escapes, so they can neither hide nor move anything on the screen.
std::string printable(std::string_view text);

// One line, flushed at once, so that what goes to standard output and standard error keeps its
// order.
void printLine(std::FILE *stream, std::string_view text);

// The window's one question, asked on the terminal, or answered by --yes.
class Question
{
public:
    enum class Answer { Ask, Yes };

    explicit Question(Answer answer)
        : m_answer(answer)
    {
    }

    bool ask(std::string_view question);

    // Whether the question came up with no terminal to ask it on and no --yes.
    bool refused() const { return m_refused; }
    // After a Yes, the same question is not asked again (production runs).
    void rememberYes() { m_rememberYes = true; }

private:
    Answer m_answer;
    bool m_refused = false;
    bool m_rememberYes = false;
};
