#include "win32/app/simple_mail.h"

#include "win32/app/text_conversion.h"

#include <algorithm>

namespace {

// The message record of Simple MAPI; only the note text is filled. The
// ANSI and Unicode records differ in their strings alone.
template <class Char>
struct MailMessage {
    ULONG reserved;
    Char* subject;
    Char* noteText;
    Char* messageType;
    Char* dateReceived;
    Char* conversationId;
    ULONG flags;
    void* originator;
    ULONG recipientCount;
    void* recipients;
    ULONG fileCount;
    void* files;
};
template <class Char>
using SendMail = ULONG(WINAPI*)(ULONG_PTR session, ULONG_PTR uiParam, MailMessage<Char>* message, ULONG flags,
                                ULONG reserved);

constexpr ULONG kLogonUi = 0x1, kNewSession = 0x2, kDialog = 0x8;
constexpr ULONG kSuccess = 0, kUserAbort = 1, kLoginFailure = 3;

template <class Char>
ULONG Send(FARPROC function, HWND owner, std::basic_string<Char> text)
{
    MailMessage<Char> message{};
    message.noteText = text.data();
    return reinterpret_cast<SendMail<Char>>(reinterpret_cast<void*>(function))(
        0, reinterpret_cast<ULONG_PTR>(owner), &message, kLogonUi | kNewSession | kDialog, 0);
}

// The body in the system's ANSI code page, for mail programs of old.
std::string Ansi(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(std::max(size, 1)), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi.data(), size, nullptr, nullptr);
    ansi.resize(ansi.size() - 1);
    return ansi;
}

} // namespace

bool SendMailBody(HWND owner, const std::string& body)
{
    if (GetProfileIntA("MAIL", "MAPI", 0) == 0)
        return false;
    char path[MAX_PATH];
    if (!SearchPathA(nullptr, "MAPI32.DLL", nullptr, MAX_PATH, path, nullptr))
        return false;
    HMODULE library = LoadLibraryA(path);
    if (!library)
        return false;
    const FARPROC wide = GetProcAddress(library, "MAPISendMailW");
    const FARPROC ansi = wide ? nullptr : GetProcAddress(library, "MAPISendMail");
    ULONG result = ~0UL;
    if (wide || ansi) {
        EnableWindow(owner, FALSE); // the compose window is the program's only one meanwhile
        const std::wstring text = FromCp1251(body);
        result = wide ? Send<wchar_t>(wide, owner, text) : Send<char>(ansi, owner, Ansi(text));
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
    FreeLibrary(library);
    return result == kSuccess || result == kUserAbort || result == kLoginFailure;
}
