#include "OperatorInput.h"

#include <QMetaObject>

#include <array>
#include <atomic>
#include <chrono>
#include <io.h>
#include <thread>
#include <windows.h>

// The console's input cannot be watched by the event loop, so a thread of its own reads it,
// blocking, and hands what came to the event loop. It reads ahead of what is awaited: a line
// typed early waits in m_typed, as on POSIX it waits in the terminal.
namespace {

constexpr auto CancelRetry = std::chrono::milliseconds(10);

} // namespace

struct OperatorInput::Reader
{
    static constexpr DWORD ChunkSize = 4096;

    HANDLE input;
    std::atomic<DWORD> threadId = 0;
    std::atomic<bool> stopping = false;
    std::atomic<bool> stopped = false;
    std::thread thread;
};

OperatorInput::OperatorInput(int descriptor)
    : m_reader(std::make_unique<Reader>())
{
    m_reader->input = reinterpret_cast<HANDLE>(::_get_osfhandle(descriptor));
    m_reader->thread = std::thread([this, reader = m_reader.get()] {
        reader->threadId = ::GetCurrentThreadId();
        while (!reader->stopping) {
            std::array<char, Reader::ChunkSize> chunk {};
            DWORD count = 0;
            // A read that fails, the end of a file or pipe, and Ctrl+Z on the console all end
            // the input.
            if (!::ReadFile(reader->input, chunk.data(), Reader::ChunkSize, &count, nullptr)
                || count == 0) {
                QMetaObject::invokeMethod(
                    &m_context, [this] { inputEnded(); }, Qt::QueuedConnection);
                break;
            }
            QMetaObject::invokeMethod(
                &m_context, [this, bytes = std::string(chunk.data(), count)] { took(bytes); },
                Qt::QueuedConnection);
        }
        reader->stopped = true;
    });
}

// The reading thread may wait in ReadFile for a line that never comes: its read is cancelled,
// again until the thread has seen that it is to stop.
OperatorInput::~OperatorInput()
{
    m_reader->stopping = true;
    while (!m_reader->stopped) {
        if (const DWORD id = m_reader->threadId; id != 0) {
            if (const HANDLE thread = ::OpenThread(THREAD_TERMINATE, FALSE, id)) {
                ::CancelSynchronousIo(thread);
                ::CloseHandle(thread);
            }
        }
        std::this_thread::sleep_for(CancelRetry);
    }
    m_reader->thread.join();
}

void OperatorInput::listen(bool)
{
}
