#pragma once

#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// Hands the text of captured child programs from their reader threads to
// the window's thread. Readers never touch a window: they push pieces and
// the window's thread takes them when woken. The channel is shared, so a
// reader that outlives the window pushes into a closed channel, and
// whichever side lets go last frees it.
class OutputChannel {
public:
    // `wake` asks the window's thread to take what has come, without
    // waiting for it; it is called once until the next Take, never after Close.
    explicit OutputChannel(std::function<void()> wake) : m_wake(std::move(wake)) {}

    // False once the channel is closed: the reader may stop.
    bool Push(std::string piece);
    // A run's output has ended.
    void Finish();

    struct Arrivals {
        std::vector<std::string> pieces; // in the order they came
        int finishedRuns = 0;
    };
    Arrivals Take();
    // The window is going: later pushes are dropped.
    void Close();

private:
    void Arrived();

    std::mutex m_mutex;
    Arrivals m_arrivals;
    bool m_closed = false;
    bool m_woken = false;
    std::function<void()> m_wake;
};

// A reader thread's whole work: reads of at most 1023 bytes until the pipe
// ends or fails (`read` gives nothing or 0), each cut at its line feeds and
// pushed in order, then the run's end. Stops early when the channel closes.
void ReadCapturedOutput(const std::function<std::optional<std::size_t>(char* buffer, std::size_t size)>& read,
                        OutputChannel& channel);
