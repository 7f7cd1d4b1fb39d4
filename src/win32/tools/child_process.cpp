#include "win32/tools/child_process.h"

#include "win32/app/text_conversion.h"

#include <windows.h>

#include <system_error>
#include <thread>
#include <utility>

namespace {

// Closes what it holds when it goes.
class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE handle) : m_handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE Get() const { return m_handle; }
    HANDLE* Out() { return &m_handle; }
    HANDLE Release() { return std::exchange(m_handle, nullptr); }
    void Close()
    {
        if (m_handle)
            CloseHandle(Release());
    }

private:
    HANDLE m_handle = nullptr;
};

bool Start(const std::string& commandLine, DWORD flags, STARTUPINFOW& startup, BOOL inherit)
{
    std::wstring line = FromCp1251(commandLine); // CreateProcessW may write into it
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, inherit, flags, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void ReadPipe(HANDLE pipe, const std::shared_ptr<OutputChannel>& channel)
{
    ReadCapturedOutput(
        [pipe](char* buffer, std::size_t size) -> std::optional<std::size_t> {
            DWORD got = 0;
            if (!ReadFile(pipe, buffer, static_cast<DWORD>(size), &got, nullptr))
                return std::nullopt; // the child and all that inherited the pipe have gone
            return got;
        },
        *channel);
    CloseHandle(pipe);
}

} // namespace

bool StartCaptured(const std::string& commandLine, std::shared_ptr<OutputChannel> channel)
{
    Handle read, write;
    if (!CreatePipe(read.Out(), write.Out(), nullptr, 1024))
        return false;
    // Only the child's ends are inheritable: the child must not hold our
    // read end, or the pipe would never break.
    Handle childWrite;
    if (!DuplicateHandle(GetCurrentProcess(), write.Get(), GetCurrentProcess(), childWrite.Out(), 0, TRUE,
                         DUPLICATE_SAME_ACCESS))
        return false;
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    Handle input(CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, OPEN_EXISTING,
                             0, nullptr));
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = input.Get();
    startup.hStdOutput = childWrite.Get();
    startup.hStdError = childWrite.Get();
    if (!input.Get() || !Start(commandLine, CREATE_NEW_CONSOLE, startup, TRUE))
        return false;
    // The pipe breaks when the child and its children have closed their
    // ends; ours must be closed by then.
    write.Close();
    childWrite.Close();
    try {
        std::thread(ReadPipe, read.Get(), std::move(channel)).detach();
    } catch (const std::system_error&) {
        return false;
    }
    read.Release();
    return true;
}

bool StartDetached(const std::string& commandLine)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    return Start(commandLine, 0, startup, FALSE);
}
