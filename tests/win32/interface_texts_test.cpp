// Every text of the interface, in English and with the shipped Russian
// language file: each fits its control in the font the program gives it, no
// two items of one dialog or menu level share a mnemonic, and the Russian
// file leaves no text of the program in English.
#include "core/app/interface_language.h"
#include "core/platform/profile_store.h"
#include "core/text/setup_file.h"
#include "support/fake_prompts.h"
#include "win32/app/win_interface_menus.h"
#include "win32/app/win_settings.h"
#include "win32/dialogs/program_dialog.h"
#include "win32/res/resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kRussian = NOVEDA_DATA_DIR "/russian.lng";
constexpr std::uint32_t kTestStrings = 60000; // the tests' own string table

// The menus a language file renames, loaded from the resources.
std::map<unsigned, HMENU> LoadInterfaceMenus()
{
    std::map<unsigned, HMENU> menus;
    for (const MenuNumbering& numbering : kInterfaceMenus)
        menus[numbering.menuId] = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(numbering.menuId));
    return menus;
}

// The program's interface in one language: its strings and its menus.
class Language {
public:
    explicit Language(const std::string& file) : m_menus(LoadInterfaceMenus()), m_language(m_resources)
    {
        if (file.empty())
            return;
        WinInterfaceMenus menus(m_menus);
        MemoryProfileStore store;
        FakePrompts prompts;
        m_language.Apply(file, menus, store, prompts);
        EXPECT_TRUE(prompts.messages.empty());
    }
    ~Language()
    {
        for (const auto& [id, menu] : m_menus)
            DestroyMenu(menu);
    }
    StringLookup Strings() const
    {
        return [this](std::uint32_t id) { return m_language.GetInterfaceString(id); };
    }
    const std::map<unsigned, HMENU>& Menus() const { return m_menus; }

private:
    StringTableResources m_resources;
    std::map<unsigned, HMENU> m_menus;
    InterfaceLanguage m_language;
};

BOOL CALLBACK AddTemplate(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<int>*>(found)->push_back(static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

std::vector<int> DialogTemplates()
{
    std::vector<int> ids;
    EnumResourceNamesW(nullptr, RT_DIALOG, &AddTemplate, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

class BareDialog : public ProgramDialog {
public:
    using ProgramDialog::ProgramDialog;
    bool OnCommand(int, int) override { return false; }
};

std::wstring TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string Utf8(const std::wstring& text)
{
    std::string bytes(text.size() * 3, '\0');
    bytes.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                              bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                                              nullptr)));
    return bytes;
}

std::string Named(const std::wstring& text)
{
    return "\"" + Utf8(text) + "\"";
}

// The character after a single '&', in lower case; 0 for none.
wchar_t Mnemonic(const std::wstring& text)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&')
            continue;
        if (text[i + 1] != L'&')
            return static_cast<wchar_t>(
                reinterpret_cast<ULONG_PTR>(CharLowerW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(text[i + 1])))));
        ++i;
    }
    return 0;
}

using Mnemonics = std::map<wchar_t, std::vector<std::wstring>>;

void ReportSharedMnemonics(const Mnemonics& mnemonics, const std::string& where, std::vector<std::string>& problems)
{
    for (const auto& [key, texts] : mnemonics)
        if (texts.size() > 1) {
            std::string names;
            for (const std::wstring& text : texts)
                names += " " + Named(text);
            problems.push_back(where + ": the mnemonic is shared by" + names);
        }
}

// The width a control leaves its text, and whether the text wraps there.
struct TextRoom {
    int width = 0;
    bool wraps = false;
};

std::optional<TextRoom> RoomFor(HWND control)
{
    wchar_t className[32] = {};
    GetClassNameW(control, className, 32);
    RECT client{};
    GetClientRect(control, &client);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    if (lstrcmpiW(className, L"Button") == 0) {
        if (style & (BS_ICON | BS_BITMAP))
            return std::nullopt; // a picture, its text unseen
        switch (style & BS_TYPEMASK) {
        case BS_GROUPBOX:
            return TextRoom{client.right - 2 * GetSystemMetrics(SM_CXEDGE) - 8, false};
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return TextRoom{client.right - GetSystemMetrics(SM_CXMENUCHECK) - 4, (style & BS_MULTILINE) != 0};
        default:
            return TextRoom{client.right - 4 * GetSystemMetrics(SM_CXEDGE), (style & BS_MULTILINE) != 0};
        }
    }
    if (lstrcmpiW(className, L"Static") == 0) {
        switch (style & SS_TYPEMASK) {
        case SS_LEFT:
        case SS_CENTER:
        case SS_RIGHT:
            return TextRoom{client.right, true};
        case SS_LEFTNOWORDWRAP:
        case SS_SIMPLE:
            return TextRoom{client.right, false};
        default:
            return std::nullopt; // pictures and frames
        }
    }
    return std::nullopt; // edits, lists and boxes hold the user's text
}

// What does not fit, and which controls share a mnemonic.
void CheckDialog(HWND dialog, const std::string& where, std::vector<std::string>& problems)
{
    Mnemonics mnemonics;
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        const std::wstring text = TextOf(control);
        const std::optional<TextRoom> room = RoomFor(control);
        if (text.empty() || !room)
            continue;
        if (const wchar_t key = Mnemonic(text))
            mnemonics[key].push_back(text);
        RECT client{};
        GetClientRect(control, &client);
        HDC dc = GetDC(control);
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        RECT needed{0, 0, room->width, 0};
        DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | (room->wraps ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(dc, previous);
        ReleaseDC(control, dc);
        if (needed.right > room->width || needed.bottom > client.bottom)
            problems.push_back(where + ": " + Named(text) + " needs " + std::to_string(needed.right) + "x" +
                               std::to_string(needed.bottom) + ", has " + std::to_string(room->width) + "x" +
                               std::to_string(client.bottom));
    }
    ReportSharedMnemonics(mnemonics, where, problems);
}

void CheckMenu(HMENU menu, const std::string& where, std::vector<std::string>& problems)
{
    Mnemonics mnemonics;
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        wchar_t text[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        std::wstring label = text;
        label = label.substr(0, label.find(L'\t')); // the keys after a tab are no mnemonic
        if (const wchar_t key = Mnemonic(label))
            mnemonics[key].push_back(label);
        if (HMENU sub = GetSubMenu(menu, i))
            CheckMenu(sub, where + " > " + Utf8(label), problems);
    }
    ReportSharedMnemonics(mnemonics, where, problems);
}

std::string Listed(const std::vector<std::string>& problems)
{
    std::string text;
    for (const std::string& problem : problems)
        text += problem + "\n";
    return text;
}

class InterfaceTexts : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override { DestroyWindow(owner); }

    HWND owner = nullptr;
};

TEST_P(InterfaceTexts, EveryDialogTextFitsAndHasAMnemonicOfItsOwn)
{
    const Language language(GetParam());
    const DialogEnvironment environment{owner, language.Strings(), WinSettingsEnvironment().DefaultGuiFont()};
    std::vector<std::string> problems;
    const std::vector<int> templates = DialogTemplates();
    EXPECT_GT(templates.size(), 25u);
    for (const int id : templates) {
        BareDialog dialog(id, environment);
        HWND window = dialog.Open(owner);
        if (!window) {
            problems.push_back("dialog " + std::to_string(id) + " cannot be created");
            continue;
        }
        CheckDialog(window, "dialog " + std::to_string(id), problems);
    }
    EXPECT_TRUE(problems.empty()) << Listed(problems);
}

TEST_P(InterfaceTexts, NoTwoItemsOfAMenuShareAMnemonic)
{
    const Language language(GetParam());
    std::vector<std::string> problems;
    for (const auto& [id, menu] : language.Menus())
        CheckMenu(menu, "menu " + std::to_string(id), problems);
    for (const int id : {IDR_LANGUAGE_MENU}) { // the one a language file leaves
        HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
        CheckMenu(menu, "menu " + std::to_string(id), problems);
        DestroyMenu(menu);
    }
    EXPECT_TRUE(problems.empty()) << Listed(problems);
}

INSTANTIATE_TEST_SUITE_P(EnglishAndRussian, InterfaceTexts, ::testing::Values(std::string(), kRussian));

// Every string of the program's table, and every dialog's caption and
// control text, has its Russian text: nothing shows in English.
TEST(RussianInterface, LeavesNoTextInEnglish)
{
    auto reader = SetupReader::Open(kRussian);
    ASSERT_TRUE(reader);
    LanguageTexts russian;
    ReadLanguageFile(*reader, russian);
    auto hasLetters = [](const std::wstring& text) {
        for (const wchar_t c : text)
            if ((c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'))
                return true;
        return false;
    };
    std::vector<std::string> missing;
    // The program's name and the base of new documents' file names stay.
    for (std::uint32_t id = IDR_TEXTTYPE + 1; id < kTestStrings; ++id) {
        wchar_t text[1024];
        const int length = LoadStringW(GetModuleHandleW(nullptr), id, text, 1024);
        if (length > 0 && hasLetters(std::wstring(text, length)) && !russian.strings.count(id))
            missing.push_back("string " + std::to_string(id) + " " + Named(std::wstring(text, length)));
    }
    HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
    for (const int id : DialogTemplates()) {
        BareDialog dialog(id, {owner, nullptr, WinSettingsEnvironment().DefaultGuiFont()});
        HWND window = dialog.Open(owner);
        ASSERT_NE(window, nullptr) << id;
        const std::string where = "dialog " + std::to_string(id);
        if (const std::wstring caption = TextOf(window); hasLetters(caption) && !russian.strings.count(id))
            missing.push_back(where + " caption " + Named(caption));
        for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
            const std::wstring text = TextOf(control);
            const auto controlId = static_cast<std::uint32_t>(GetDlgCtrlID(control));
            if (RoomFor(control) && hasLetters(text) && !russian.strings.count(controlId))
                missing.push_back(where + " control " + std::to_string(static_cast<int>(controlId)) + " " + Named(text));
        }
    }
    DestroyWindow(owner);
    EXPECT_TRUE(missing.empty()) << Listed(missing);
}

} // namespace
