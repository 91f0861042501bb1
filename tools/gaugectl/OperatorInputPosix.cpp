#include "OperatorInput.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <unistd.h>

struct OperatorInput::Reader
{
    static constexpr std::size_t ChunkSize = 4096;

    int descriptor;
    bool terminal;
    QSocketNotifier notifier;
};

OperatorInput::OperatorInput(int descriptor)
    : m_reader(
        new Reader {descriptor, ::isatty(descriptor) == 1, {descriptor, QSocketNotifier::Read}})
{
    m_reader->notifier.setEnabled(false);
    QObject::connect(&m_reader->notifier, &QSocketNotifier::activated, &m_context, [this] {
        std::array<char, Reader::ChunkSize> chunk {};
        const ssize_t count = ::read(m_reader->descriptor, chunk.data(), chunk.size());
        if (count > 0) {
            const std::string_view bytes(chunk.data(), static_cast<std::size_t>(count));
            // A terminal hands over what was typed without Enter only when Ctrl+D ends the
            // input: that stray typing is no line.
            if (!m_reader->terminal || bytes.back() == '\n') {
                took(bytes);
                return;
            }
            m_typed.erase(m_typed.find_last_of('\n') + 1);
            took(bytes.substr(0, bytes.find_last_of('\n') + 1));
            inputEnded();
        } else if (count == 0 || (errno != EINTR && errno != EAGAIN)) {
            // An input that cannot be read (a folder, a write-only /dev/null under nohup) gives
            // no line any more, just as one that ended; waiting on it would only spin.
            inputEnded();
        }
        // An interrupted read is left to the interrupt; the next activation reads on.
    });
}

OperatorInput::~OperatorInput() = default;

void OperatorInput::listen(bool on)
{
    m_reader->notifier.setEnabled(on);
}
