#include "core/tools/output_channel.h"

#include "core/tools/output_text.h"

#include <utility>

bool OutputChannel::Push(std::string piece)
{
    std::lock_guard lock(m_mutex);
    if (m_closed)
        return false;
    m_arrivals.pieces.push_back(std::move(piece));
    Arrived();
    return true;
}

void OutputChannel::Finish()
{
    std::lock_guard lock(m_mutex);
    if (m_closed)
        return;
    ++m_arrivals.finishedRuns;
    Arrived();
}

// One wake until the window's thread takes: its message queue holds at most
// one of ours however fast a child writes. Waking only posts, so it may run
// under the lock, where a Close cannot overtake it.
void OutputChannel::Arrived()
{
    if (m_woken)
        return;
    m_woken = true;
    m_wake();
}

OutputChannel::Arrivals OutputChannel::Take()
{
    std::lock_guard lock(m_mutex);
    m_woken = false;
    return std::exchange(m_arrivals, {});
}

void OutputChannel::Close()
{
    std::lock_guard lock(m_mutex);
    m_closed = true;
    m_arrivals = {};
}

void ReadCapturedOutput(const std::function<std::optional<std::size_t>(char*, std::size_t)>& read,
                        OutputChannel& channel)
{
    OutputPieces pieces;
    char buffer[1023];
    for (;;) {
        const std::optional<std::size_t> got = read(buffer, sizeof buffer);
        if (!got || *got == 0)
            break;
        for (std::string& piece : pieces.Cut(std::string_view(buffer, *got)))
            if (!channel.Push(std::move(piece)))
                return;
    }
    channel.Finish();
}
