// launcher.exe: started as notepad.exe, it opens the file in the editor
// that "ExecPath" names, or hands the command line to the system's Notepad
// (padswap.exe beside it) when it prints or when the editor cannot start.
#include "core/app/launcher_rules.h"

#include <windows.h>

#include <string>

namespace {

std::wstring Wide(const std::string& text)
{
    const int size = static_cast<int>(text.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Utf8(const std::wstring& text)
{
    const int size = static_cast<int>(text.size());
    std::string narrow(
        static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), static_cast<int>(narrow.size()), nullptr,
                        nullptr);
    return narrow;
}

// The editor the first start recorded; empty when there is none.
std::wstring EditorPath()
{
    wchar_t path[MAX_PATH + 1] = {};
    DWORD size = MAX_PATH * sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Kelmon\\Noveda\\General", L"ExecPath", RRF_RT_REG_SZ, nullptr,
                     path, &size) != ERROR_SUCCESS)
        return {};
    return path;
}

std::wstring NotepadAside()
{
    wchar_t self[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, length);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + L"padswap.exe";
}

bool Start(const LaunchPlan& plan)
{
    std::wstring line = Wide(plan.commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(Wide(plan.program).c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    // The text goes through UTF-8 so that no file name loses a character.
    const std::string arguments(ArgumentsAfterProgram(Utf8(GetCommandLineW())));
    const std::string notepad = Utf8(NotepadAside());
    const std::wstring editor = EditorPath();
    if (!editor.empty() && GetFileAttributesW(editor.c_str()) != INVALID_FILE_ATTRIBUTES &&
        Start(PlanLaunch(arguments, Utf8(editor), notepad)))
        return 0;
    if (Start(NotepadLaunch(arguments, notepad)))
        return 0;
    MessageBoxW(nullptr, L"Neither Noveda nor Notepad could be started.", L"Noveda launcher", MB_OK | MB_ICONERROR);
    return 1;
}
