// launcher.exe in Notepad's place: the file goes to the editor "ExecPath"
// names, quoted; printing and an editor that cannot start go to Notepad
// (padswap.exe beside it) with the same arguments. The recorder stands in
// for both.
#include "recorder.h"

#include <gtest/gtest.h>

namespace {

std::wstring BuiltLauncher()
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self);
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"..\\src\\win32\\launcher.exe";
}

std::string Utf8(const std::wstring& text)
{
    return std::string(text.begin(), text.end()); // the test's paths are ASCII
}

class Launcher : public ::testing::Test {
protected:
    void SetUp() override
    {
        directory = TempDirectory(L"noveda launcher test");
        windows = directory + L"windows\\";
        CreateDirectoryW(windows.c_str(), nullptr);
        ASSERT_TRUE(CopyFileW(BuiltLauncher().c_str(), (windows + L"notepad.exe").c_str(), FALSE));
        ASSERT_TRUE(CopyFileW(Recorder().c_str(), (windows + L"padswap.exe").c_str(), FALSE));
        ASSERT_TRUE(CopyFileW(Recorder().c_str(), editor.c_str(), FALSE));
        SetEnvironmentVariableW(L"NOVEDA_RECORD", record.c_str());
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Kelmon\\Noveda\\General", 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &general, nullptr),
                  ERROR_SUCCESS);
        SetExecPath(editor);
    }
    void TearDown() override
    {
        RegDeleteValueW(general, L"ExecPath");
        RegCloseKey(general);
        for (const std::wstring& file : {windows + L"notepad.exe", windows + L"padswap.exe", editor, record})
            DeleteFileW(file.c_str());
        RemoveDirectoryW(windows.c_str());
        RemoveDirectoryW(directory.c_str());
    }
    void SetExecPath(const std::wstring& path)
    {
        RegSetValueExW(general, L"ExecPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                       static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    }
    // Starts the launcher as programs start Notepad; what was started, as it
    // recorded its command line.
    std::string Launch(const std::wstring& arguments)
    {
        DeleteFileW(record.c_str());
        std::wstring line = L"notepad.exe " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW((windows + L"notepad.exe").c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process))
            return "<launcher did not start>";
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return AwaitRecord(record);
    }

    std::wstring directory;
    std::wstring windows;
    std::wstring editor = TempDirectory(L"noveda launcher test") + L"the editor.exe";
    std::wstring record = TempDirectory(L"noveda launcher test") + L"record.txt";
    HKEY general = nullptr;
};

TEST_F(Launcher, TheFileGoesToTheEditorQuoted)
{
    EXPECT_EQ(Launch(L"C:\\my docs\\a b.txt"), "\"" + Utf8(editor) + "\" \"C:\\my docs\\a b.txt\"");
    EXPECT_EQ(Launch(L""), "\"" + Utf8(editor) + "\"");
}

TEST_F(Launcher, PrintingGoesToNotepad)
{
    EXPECT_EQ(Launch(L"/p C:\\my docs\\a b.txt"), "\"" + Utf8(windows) + "padswap.exe\" /p C:\\my docs\\a b.txt");
}

TEST_F(Launcher, WithoutTheEditorNotepadOpensTheFile)
{
    SetExecPath(directory + L"gone.exe");
    EXPECT_EQ(Launch(L"C:\\my docs\\a b.txt"), "\"" + Utf8(windows) + "padswap.exe\" C:\\my docs\\a b.txt");
}

} // namespace
