#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// One running editor per user session. The 2052-byte block shared by all
// processes of the program holds the first instance's main window (0 until
// its start-up ends) and a command line handed over by a later start; the
// auto-reset event "NovedaSingleEvent" is the lock over it, and only the
// first instance signals it again.
//
// A hand-over the running instance never reads (it ended first) would keep
// the lock taken for good, so waits for it are bounded: a lock not given back
// in time is taken as abandoned, and the start goes on.
class SingleInstance {
public:
    static constexpr std::size_t kBlockSize = 2052;
    static constexpr std::size_t kCommandLineSize = 2048;
    static constexpr std::size_t kMaxHandedOver = 2046;
    static constexpr DWORD kLockWait = 5000; // milliseconds
    // How many more waits a start gives a busy instance whose last hand-over
    // is still unread and has no room for more.
    static constexpr int kBusyWaits = 6;

    // The names may differ for tests, which must not meet a running editor.
    explicit SingleInstance(const std::wstring& eventName = L"NovedaSingleEvent",
                            const std::wstring& blockName = L"NovedaSingleBlock", DWORD lockWait = kLockWait);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    bool Valid() const { return m_event && m_block; }
    // Waits until the block may be read and written; false when the lock
    // was abandoned, and the block is used all the same.
    bool Lock();
    void Unlock();
    // The running instance's main window; null while none has started.
    HWND RunningWindow() const;
    // A later start: the command line into the block, in pieces of whole
    // names of up to 2046 bytes, each followed by the registered message to
    // the running window. The lock stays taken; false when a message could
    // not be posted (the window is gone) or a busy instance never read what
    // was handed to it before, and the start then goes on as an instance of
    // its own.
    bool HandOver(const std::string& commandLine, UINT message);
    // The first instance, at the end of its start-up.
    void Publish(HWND mainWindow);
    // The instance ends: later starts find no window to hand over to.
    void Withdraw();
    // What a later start handed over; the block's text is emptied.
    std::string TakeCommandLine();

    // "NovedaSingleMsg".
    static UINT Message();

private:
    // Into the block, after a hand-over not read yet; false when it does not fit.
    bool Put(const std::string& piece);

    struct Block {
        std::uint32_t mainWindow;
        char commandLine[kCommandLineSize];
    };
    static_assert(sizeof(Block) == kBlockSize);

    DWORD m_lockWait;
    std::uint32_t m_published = 0;
    HANDLE m_event = nullptr;
    HANDLE m_mapping = nullptr;
    Block* m_block = nullptr;
};
