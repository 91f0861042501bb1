#pragma once

#include <string>

namespace gauge {

enum class MessageIcon { Information, Error };

// Modal message boxes. They carry no title of their own; the texts are the tool's exact words.
// The detail, where given, is a plain-language explanation shown beneath the main text.
class Messages
{
public:
    virtual ~Messages() = default;

    virtual void show(MessageIcon icon, const std::string &text, const std::string &detail) = 0;
    // Yes/No question without an icon; true means Yes.
    virtual bool ask(const std::string &question) = 0;
};

} // namespace gauge
