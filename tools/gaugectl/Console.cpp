#include "Console.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

bool Question::ask(std::string_view question)
{
    if (m_answer == Answer::Yes)
        return true;
    if (!::isatty(STDIN_FILENO)) {
        m_refused = true;
        return false;
    }
    std::fprintf(stderr, "%s [y/N] ", std::string(question).c_str());
    std::fflush(stderr);
    std::string reply;
    std::getline(std::cin, reply);
    const bool yes = !reply.empty() && (reply[0] == 'y' || reply[0] == 'Y');
    if (yes && m_rememberYes)
        m_answer = Answer::Yes;
    return yes;
}
