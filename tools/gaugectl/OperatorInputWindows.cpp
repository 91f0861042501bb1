#include "OperatorInput.h"

#include <QMetaObject>

#include <array>
#include <atomic>
#include <chrono>
#include <functional>
#include <io.h>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <windows.h>

// The console's input cannot be watched by the event loop, so a thread of its own reads it,
// blocking, and hands what came to the event loop. It reads ahead of what is awaited: a line
// typed early waits in m_typed, as on POSIX it waits in the terminal.
namespace {

constexpr auto CancelRetry = std::chrono::milliseconds(10);
// How long the input, at its end, tries to cancel a read before it lets the thread go.
constexpr auto CancelPatience = std::chrono::seconds(1);
// Ctrl+C ends the console's read with nothing; the console's handler tells the interruption, on
// its own thread, soon after.
constexpr auto AfterCtrlC = std::chrono::milliseconds(50);

} // namespace

struct OperatorInput::Reader
{
    static constexpr DWORD ChunkSize = 4096;

    // Runs on the event loop, unless the input is gone by then.
    void hand(std::function<void(OperatorInput &)> what)
    {
        const std::lock_guard<std::mutex> handing(mutex);
        if (owner)
            QMetaObject::invokeMethod(
                &owner->m_context, [owner = owner, what] { what(*owner); }, Qt::QueuedConnection);
    }

    HANDLE input = INVALID_HANDLE_VALUE;
    std::atomic<DWORD> threadId = 0;
    std::atomic<bool> stopping = false;
    std::atomic<bool> stopped = false;
    std::mutex mutex;
    OperatorInput *owner = nullptr; // under the mutex
    std::thread thread;
};

OperatorInput::OperatorInput(int descriptor)
    : m_reader(std::make_shared<Reader>())
{
    m_reader->input = reinterpret_cast<HANDLE>(::_get_osfhandle(descriptor));
    m_reader->owner = this;
    // The thread holds the reader, not the input: what it reads after the input is gone is
    // dropped, never handed to memory that was freed.
    m_reader->thread = std::thread([reader = m_reader] {
        reader->threadId = ::GetCurrentThreadId();
        while (!reader->stopping) {
            std::array<char, Reader::ChunkSize> chunk {};
            DWORD count = 0;
            // The console tells an aborted read only through the last error, even where the read
            // itself succeeds.
            ::SetLastError(ERROR_SUCCESS);
            ::ReadFile(reader->input, chunk.data(), Reader::ChunkSize, &count, nullptr);
            if (count > 0) {
                reader->hand([bytes = std::string(chunk.data(), count)](OperatorInput &input) {
                    input.took(bytes);
                });
                continue;
            }
            // Ctrl+C, or the cancel at the end: no end of the input, or the run would end as
            // though the operator had finished, instead of as interrupted.
            if (::GetLastError() == ERROR_OPERATION_ABORTED) {
                std::this_thread::sleep_for(AfterCtrlC);
                continue;
            }
            // A read that fails, the end of a file or pipe, and Ctrl+Z on the console all end the
            // input.
            reader->hand([](OperatorInput &input) { input.inputEnded(); });
            break;
        }
        reader->stopped = true;
    });
}

// The reading thread may wait in ReadFile for a line that never comes: its read is cancelled,
// again until the thread has seen that it is to stop, for a while; a read that cannot be
// cancelled does not hold the program's end, and the thread is let go.
OperatorInput::~OperatorInput()
{
    {
        const std::lock_guard<std::mutex> handing(m_reader->mutex);
        m_reader->owner = nullptr;
    }
    m_reader->stopping = true;
    const auto until = std::chrono::steady_clock::now() + CancelPatience;
    while (!m_reader->stopped && std::chrono::steady_clock::now() < until) {
        if (const DWORD id = m_reader->threadId; id != 0) {
            if (const HANDLE thread = ::OpenThread(THREAD_TERMINATE, FALSE, id)) {
                ::CancelSynchronousIo(thread);
                ::CloseHandle(thread);
            }
        }
        std::this_thread::sleep_for(CancelRetry);
    }
    if (m_reader->stopped)
        m_reader->thread.join();
    else
        m_reader->thread.detach();
}

void OperatorInput::listen(bool)
{
}
