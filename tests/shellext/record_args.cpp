// Writes the command line it was started with (UTF-8) to the file named by
// NOVEDA_RECORD, for the tests of the shell extension and the launcher.
#include <windows.h>

#include <string>

int main()
{
    wchar_t target[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"NOVEDA_RECORD", target, MAX_PATH))
        return 1;
    const wchar_t* line = GetCommandLineW();
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line, -1, text.data(), bytes, nullptr, nullptr);
    HANDLE file = CreateFileW(target, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, text.c_str(), static_cast<DWORD>(text.size() - 1), &written, nullptr);
    CloseHandle(file);
    return 0;
}
