// The Shell page in the real Preferences window, on the registry of the test
// prefix (a test extension of its own) and a Windows folder of the test's
// own (its "windir"), so that the prefix's Notepad is never touched.
#include "preferences_fixture.h"

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// What the page wrote in the user's classes.
std::wstring ClassesValue(const std::wstring& key)
{
    wchar_t value[MAX_PATH * 2] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, (L"Software\\Classes\\" + key).c_str(), nullptr, RRF_RT_REG_SZ, nullptr,
                     value, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return value;
}

class ShellPage : public Preferences {
protected:
    void SetUp() override
    {
        Preferences::SetUp();
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        programDir = temp;
        windows = programDir / L"noveda_shell_windows";
        fs::remove_all(windows);
        fs::create_directories(windows / L"system32");
        Write(windows / L"notepad.exe", "notepad");
        Write(windows / L"system32" / L"notepad.exe", "notepad32");
        Write(programDir / L"launcher.exe", "launcher");
        GetEnvironmentVariableW(L"windir", previousWindir, MAX_PATH);
        SetEnvironmentVariableW(L"windir", windows.c_str());
        RemoveTestKeys();
    }
    void TearDown() override
    {
        SetEnvironmentVariableW(L"windir", previousWindir);
        fs::remove_all(windows);
        fs::remove(programDir / L"launcher.exe");
        RemoveTestKeys();
        Preferences::TearDown();
    }
    static void RemoveTestKeys()
    {
        for (const wchar_t* key : {L".nvshelltest", L".nvshelltestfile", L"*\\shellex\\ContextMenuHandlers\\Noveda"})
            RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(L"Software\\Classes\\") + key).c_str());
    }
    // Opens the Preferences window and plays `script` on it.
    void OnPreferences(std::function<void(HWND)> script)
    {
        DialogScript played(OnWindows(std::move(script)));
        Command(ID_TOOLS_PREFERENCES);
    }

    fs::path programDir;
    fs::path windows;
    wchar_t previousWindir[MAX_PATH] = {};
};

TEST_F(ShellPage, RegisterSwapAndSwitchBack)
{
    bool allSelected = false;
    bool noneSelected = false;
    bool sendToDisabled = false;
    OnPreferences([&](HWND window) {
        HWND page = Page(window, IDC_SHELL_REGISTER);
        sendToDisabled = !IsWindowEnabled(GetDlgItem(page, IDC_SHELL_SEND_TO));
        SendMessageW(page, WM_COMMAND, IDC_SHELL_SELECT_ALL, 0);
        allSelected = IsChecked(window, IDC_SHELL_FIRST_GROUP) && IsChecked(window, IDC_SHELL_FIRST_GROUP + 7);
        SendMessageW(page, WM_COMMAND, IDC_SHELL_UNSELECT_ALL, 0);
        noneSelected = !IsChecked(window, IDC_SHELL_FIRST_GROUP) && !IsChecked(window, IDC_SHELL_FIRST_GROUP + 7);
        SetText(window, IDC_SHELL_CUSTOM, L"  nvshelltest ");
        SendMessageW(page, WM_COMMAND, IDC_SHELL_REGISTER, 0);
        Click(window, IDC_SHELL_NOTEPAD);
        Click(window, IDC_SHELL_CONTEXT_ITEM);
        DialogScript::Click(window, IDOK);
    });
    EXPECT_TRUE(sendToDisabled);
    EXPECT_TRUE(allSelected);
    EXPECT_TRUE(noneSelected);
    const std::wstring program = (programDir / L"noveda.exe").wstring();
    EXPECT_EQ(ClassesValue(L".nvshelltest"), L".nvshelltestfile");
    EXPECT_EQ(ClassesValue(L".nvshelltestfile\\shell\\open\\command"), L"\"" + program + L"\" \"%1\"");
    EXPECT_EQ(ClassesValue(L".nvshelltestfile\\DefaultIcon"), program + L",1");
    EXPECT_EQ(ClassesValue(L"*\\shellex\\ContextMenuHandlers\\Noveda"), L"{5B0E21D4-3C77-4A1E-9F02-6D8A41C3E7B9}");
    EXPECT_EQ(Read(windows / L"notepad.exe"), "launcher");
    EXPECT_EQ(Read(windows / L"padswap.exe"), "notepad");
    EXPECT_EQ(Read(windows / L"system32" / L"notepad.exe"), "launcher");
    EXPECT_TRUE(prompts.messages.empty());
    // The keys last across restarts: a volatile key would refuse a lasting child.
    HKEY child = nullptr;
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Classes\\.nvshelltestfile\\shell\\lasting", 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &child, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(child);

    bool shownAsOn = false;
    OnPreferences([&](HWND window) {
        shownAsOn = IsChecked(window, IDC_SHELL_NOTEPAD) && IsChecked(window, IDC_SHELL_CONTEXT_ITEM);
        Click(window, IDC_SHELL_NOTEPAD);
        Click(window, IDC_SHELL_CONTEXT_ITEM);
        DialogScript::Click(window, IDOK);
    });
    EXPECT_TRUE(shownAsOn);
    EXPECT_EQ(ClassesValue(L"*\\shellex\\ContextMenuHandlers\\Noveda"), L"<missing>");
    EXPECT_EQ(Read(windows / L"notepad.exe"), "notepad");
    EXPECT_EQ(Read(windows / L"system32" / L"notepad.exe"), "notepad32");
    EXPECT_FALSE(fs::exists(windows / L"padswap.exe"));
}

TEST_F(ShellPage, OpeningThePageWritesNothing)
{
    OnPreferences([&](HWND window) {
        SelectGroup(window, 3);
        DialogScript::Click(window, IDOK);
    });
    EXPECT_EQ(ClassesValue(L"*\\shellex\\ContextMenuHandlers\\Noveda"), L"<missing>");
    HKEY handler = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Classes\\*\\shellex\\ContextMenuHandlers\\Noveda", 0,
                            KEY_READ, &handler),
              ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(fs::exists(windows / L"padswap.exe"));
}

TEST_F(ShellPage, ASwapThatCannotHappenIsSaidAndNotepadStays)
{
    fs::remove(programDir / L"launcher.exe");
    std::wstring message;
    OnPreferences([&](HWND window) {
        if (IsMessageBox(window)) {
            message = Text(window, 0xFFFF);
            DialogScript::Click(window, IDOK);
            return;
        }
        Click(window, IDC_SHELL_NOTEPAD);
        DialogScript::Click(window, IDOK);
    });
    EXPECT_NE(message.find(L"Notepad in " + windows.wstring() + L" could not be changed."), std::wstring::npos)
        << message;
    EXPECT_EQ(Read(windows / L"notepad.exe"), "notepad");
    EXPECT_FALSE(fs::exists(windows / L"padswap.exe"));
}

TEST_F(ShellPage, TheFirstStartShowsItAlone)
{
    Outline outline;
    bool notepadBox = false;
    DialogScript script(OnWindows([&](HWND window) {
        outline = OutlineOf(window);
        notepadBox = Page(window, IDC_SHELL_NOTEPAD) != nullptr;
        DialogScript::Click(window, IDCANCEL);
    }));
    frame.ShowFirstStartWindow();
    EXPECT_EQ(outline.caption, L"Starting Noveda first time");
    EXPECT_EQ(outline.tabs, std::vector<std::wstring>{L"Shell"});
    EXPECT_EQ(outline.groups, 1);
    EXPECT_TRUE(notepadBox);
}

// OK takes the ticked file types, as Register does.
TEST_F(ShellPage, TheFirstStartsOkRegistersTheTickedTypes)
{
    DialogScript script(OnWindows([&](HWND window) {
        SetText(window, IDC_SHELL_CUSTOM, L"nvshelltest");
        DialogScript::Click(window, IDOK);
    }));
    frame.ShowFirstStartWindow();
    EXPECT_EQ(ClassesValue(L".nvshelltest"), L".nvshelltestfile");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ShellPage, SpeaksTheInterfaceLanguage)
{
    settings.InterfaceFile = NOVEDA_DATA_DIR "/russian.lng";
    frame.ApplyInterfaceLanguage();
    std::wstring caption, notepad, message;
    fs::remove(programDir / L"launcher.exe");
    DialogScript script(OnWindows([&](HWND window) {
        if (IsMessageBox(window)) {
            message = Text(window, 0xFFFF);
            DialogScript::Click(window, IDOK);
            return;
        }
        wchar_t text[64] = {};
        GetWindowTextW(window, text, 64);
        caption = text;
        notepad = Text(Page(window, IDC_SHELL_NOTEPAD), IDC_SHELL_NOTEPAD);
        Click(window, IDC_SHELL_NOTEPAD);
        DialogScript::Click(window, IDOK);
    }));
    frame.ShowFirstStartWindow();
    settings.InterfaceFile.clear();
    frame.ApplyInterfaceLanguage();
    EXPECT_EQ(caption, L"Первый запуск Noveda");
    EXPECT_EQ(notepad, L"Всегда запускать Noveda вместо &Блокнота");
    EXPECT_EQ(message.find(L"Блокнот в " + windows.wstring() + L" изменить не удалось."), 0u)
        << message;
}

} // namespace
