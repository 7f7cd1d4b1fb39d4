// A stand-in for the system's MAPI32.DLL, found beside the tests before the
// system's: MAPISendMailW writes the note text (UTF-8) to the file named by
// NOVEDA_MAIL_RECORD and answers the number in NOVEDA_MAIL_ANSWER (0 when
// unset).
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

struct MailMessageW {
    ULONG reserved;
    wchar_t* subject;
    wchar_t* noteText;
    wchar_t* messageType;
    wchar_t* dateReceived;
    wchar_t* conversationId;
    ULONG flags;
    void* originator;
    ULONG recipientCount;
    void* recipients;
    ULONG fileCount;
    void* files;
};

} // namespace

extern "C" ULONG WINAPI MAPISendMailW(ULONG_PTR, ULONG_PTR, MailMessageW* message, ULONG flags, ULONG)
{
    wchar_t target[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"NOVEDA_MAIL_RECORD", target, MAX_PATH)) {
        const wchar_t* text = message && message->noteText ? message->noteText : L"";
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(static_cast<std::size_t>(bytes), '\0');
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), bytes, nullptr, nullptr);
        utf8.resize(utf8.size() - 1);
        utf8 += "|flags=" + std::to_string(flags);
        HANDLE file = CreateFileW(target, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
        CloseHandle(file);
    }
    char answer[16] = {};
    return GetEnvironmentVariableA("NOVEDA_MAIL_ANSWER", answer, sizeof answer) ? std::strtoul(answer, nullptr, 10) : 0;
}
