#include "ConsoleMessages.h"

#include <iostream>
#include <string>
#include <unistd.h>

ConsoleMessages::ConsoleMessages(Answer answer)
    : m_answer(answer)
{
}

void ConsoleMessages::show(gauge::MessageIcon, const std::string &text, const std::string &detail)
{
    std::fprintf(m_stream, "%s\n", text.c_str());
    if (!detail.empty())
        std::fprintf(stderr, "  %s\n", detail.c_str());
    std::fflush(m_stream);
}

bool ConsoleMessages::ask(const std::string &question)
{
    if (m_answer == Answer::Yes)
        return true;
    if (!::isatty(STDIN_FILENO)) {
        m_questionRefused = true;
        return false;
    }
    std::fprintf(stderr, "%s [y/N] ", question.c_str());
    std::fflush(stderr);
    std::string reply;
    std::getline(std::cin, reply);
    const bool yes = !reply.empty() && (reply[0] == 'y' || reply[0] == 'Y');
    if (yes && m_rememberYes)
        m_answer = Answer::Yes;
    return yes;
}
