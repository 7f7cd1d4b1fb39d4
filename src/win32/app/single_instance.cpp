#include "win32/app/single_instance.h"

#include "core/app/command_line.h"

#include <algorithm>
#include <cstring>
#include <vector>

SingleInstance::SingleInstance(const std::wstring& eventName, const std::wstring& blockName, DWORD lockWait)
    : m_lockWait(lockWait)
{
    m_event = CreateEventW(nullptr, FALSE, TRUE, eventName.c_str());
    // A new mapping of the paging file reads as zeros; it lives as long as
    // a process of the program holds it.
    m_mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBlockSize, blockName.c_str());
    if (m_mapping)
        m_block = static_cast<Block*>(MapViewOfFile(m_mapping, FILE_MAP_ALL_ACCESS, 0, 0, kBlockSize));
}

SingleInstance::~SingleInstance()
{
    if (m_block)
        UnmapViewOfFile(m_block);
    if (m_mapping)
        CloseHandle(m_mapping);
    if (m_event)
        CloseHandle(m_event);
}

bool SingleInstance::Lock()
{
    return WaitForSingleObject(m_event, m_lockWait) == WAIT_OBJECT_0;
}

void SingleInstance::Unlock()
{
    SetEvent(m_event);
}

HWND SingleInstance::RunningWindow() const
{
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(m_block->mainWindow));
}

bool SingleInstance::HandOver(const std::string& commandLine, UINT message)
{
    const std::vector<std::string> pieces = SplitCommandLine(commandLine, kMaxHandedOver);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        // The running instance gives the lock back once it has read a piece.
        if (i > 0)
            Lock();
        // A hand-over not read yet (the lock was taken as abandoned while
        // the instance was busy) is added to, never written over.
        int waits = 0;
        while (!Put(pieces[i])) {
            if (++waits > kBusyWaits)
                return false;
            Lock();
        }
        if (!PostMessageW(RunningWindow(), message, 0, 0))
            return false;
    }
    return true;
}

bool SingleInstance::Put(const std::string& piece)
{
    const std::size_t unread = strnlen(m_block->commandLine, kCommandLineSize);
    if (unread > 0 && unread + 1 + piece.size() > kMaxHandedOver)
        return false;
    std::string text = unread > 0 ? std::string(m_block->commandLine, unread) + " " + piece : piece;
    text.resize(std::min(text.size(), kMaxHandedOver));
    std::memcpy(m_block->commandLine, text.c_str(), text.size() + 1);
    m_block->commandLine[kCommandLineSize - 1] = '\0';
    return true;
}

void SingleInstance::Publish(HWND mainWindow)
{
    m_published = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(mainWindow));
    m_block->mainWindow = m_published;
    Unlock();
}

// One aligned 32-bit store, read whole by the others: no lock is needed, and
// none is waited for on the way out.
void SingleInstance::Withdraw()
{
    if (m_published && m_block->mainWindow == m_published)
        m_block->mainWindow = 0;
    m_published = 0;
}

std::string SingleInstance::TakeCommandLine()
{
    std::string text(m_block->commandLine, strnlen(m_block->commandLine, kCommandLineSize));
    m_block->commandLine[0] = '\0';
    return text;
}

UINT SingleInstance::Message()
{
    static const UINT message = RegisterWindowMessageW(L"NovedaSingleMsg");
    return message;
}
