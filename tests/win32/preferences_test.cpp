// The Preferences window inside the real frame: each page's OK writes its
// values, Cancel writes nothing, and the program takes the new settings.
#include "preferences_fixture.h"
#include "win32/app/common_pickers.h"
#include "win32/app/help_viewer.h"
#include "core/view/highlight_scheme.h"
#include "win32/app/menu_conversion.h"
#include "win32/res/resource.h"

#include <commctrl.h>

#include <filesystem>

namespace {

TEST_F(Preferences, CancelWritesNothing)
{
    const AppSettings before = settings;
    const MemoryProfileStore stored = store;
    DialogScript script(OnWindows([&](HWND window) {
        Click(window, IDC_GEN_AUTO_INDENT);
        SetText(window, IDC_GEN_TAB_SIZE, L"9");
        SetText(window, IDC_OTHER_DEFAULT_EXT, L"md");
        Click(window, IDC_INPUT_ESC_CLOSE, true);
        Click(window, IDC_TOOLBAR_LARGE);
        DialogScript::Click(window, IDCANCEL);
    }));
    Command(ID_TOOLS_PREFERENCES);
    EXPECT_EQ(settings, before);
    EXPECT_TRUE(store.HoldsTheSameAs(stored));
    EXPECT_FALSE(store.GetInt("Editor", "AutoIndent"));
    EXPECT_FALSE(store.GetInt("Editor", "TabSize"));
    EXPECT_FALSE(store.GetString("General", "DefaultExt"));
    EXPECT_FALSE(store.GetBinary("View", "Colors"));
    EXPECT_TRUE(prompts.messages.empty());
}

// The groups' captions in the system's colours, readable in any theme.
TEST_F(Preferences, TheGroupsShowInTheSystemsColours)
{
    COLORREF text = 0, background = 0;
    DialogScript script(OnWindows([&](HWND window) {
        HWND groups = GetDlgItem(window, IDC_PREF_GROUPS);
        text = ListView_GetTextColor(groups);
        background = ListView_GetBkColor(groups);
        DialogScript::Click(window, IDCANCEL);
    }));
    Command(ID_TOOLS_PREFERENCES);
    EXPECT_EQ(text, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(background, GetSysColor(COLOR_WINDOW));
}

// Values changed on pages of two groups; the window went back and forth
// between the groups before OK.
TEST_F(Preferences, OkWritesThePagesValuesAndKeepsTheRunningTabSize)
{
    std::vector<std::vector<std::wstring>> tabs;
    bool escKept = false;
    DialogScript script(OnWindows([&](HWND window) {
        tabs.push_back(TabTitles(window));
        Click(window, IDC_GEN_AUTO_INDENT);
        Click(window, IDC_GEN_WRAP_POSITION, true);
        SetText(window, IDC_GEN_WRAP_COLUMN, L"100");
        SetText(window, IDC_GEN_TAB_SIZE, L"8");
        Click(window, IDC_SAVE_AUTO);
        SetText(window, IDC_SAVE_MINUTES, L"7");
        SelectGroup(window, 1);
        tabs.push_back(TabTitles(window));
        Click(window, IDC_INPUT_ESC_CLOSE, true);
        SetText(window, IDC_OTHER_DEFAULT_EXT, L"md");
        SelectGroup(window, 2);
        tabs.push_back(TabTitles(window));
        SelectGroup(window, 3);
        tabs.push_back(TabTitles(window));
        SelectGroup(window, 1);
        escKept = IsChecked(window, IDC_INPUT_ESC_CLOSE);
        DialogScript::Click(window, IDOK);
    }));
    Command(ID_TOOLS_PREFERENCES);

    EXPECT_EQ(tabs, (std::vector<std::vector<std::wstring>>{
                        {L"General", L"Save", L"Clips", L"Printing"}, {L"Input", L"Languages", L"Other"}, {L"Colors", L"Fonts", L"Toolbar"}, {L"Highlight", L"Open box", L"Execute", L"Shell"}}));
    EXPECT_TRUE(escKept);
    EXPECT_EQ(settings.AutoIndent, 0);
    EXPECT_EQ(settings.WrapMode, 1);
    EXPECT_EQ(settings.WrapByPosition, 100);
    EXPECT_EQ(settings.EscMode, ESC_CLOSES_PROGRAM);
    EXPECT_EQ(settings.DefaultExt, "md");
    EXPECT_EQ(store.GetInt("Editor", "AutoIndent"), 0u);
    EXPECT_EQ(store.GetInt("Editor", "WrapMode"), 1u);
    EXPECT_EQ(store.GetInt("Editor", "WrapByPosition"), 100u);
    EXPECT_EQ(store.GetInt("General", "EscMode"), 1u);
    EXPECT_EQ(store.GetString("General", "DefaultExt"), "md");
    EXPECT_EQ(store.GetInt("General", "CreateBak"), settings.CreateBak);
    EXPECT_EQ(store.GetInt("General", "AutoSave"), 7u);
    EXPECT_TRUE(settings.AutoSaveActive);
    // Untouched by the user: not written.
    EXPECT_FALSE(store.GetInt("General", "IntSwitch"));
    // The open document keeps its tab cells until the restart the message asks for.
    EXPECT_EQ(store.GetInt("Editor", "TabSize"), 8u);
    EXPECT_EQ(settings.TabSize, 4);
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"CAUTION! Some changes you made require Noveda restart. "});
    // The view follows the new wrap column.
    EXPECT_EQ(View().Rows().WrapWidth(), 100);
}

TEST_F(Preferences, BackupFolderThatDoesNotExistKeepsTheWindowOpen)
{
    std::wstring message;
    int selectedTab = -1;
    HWND preferences = nullptr;
    DialogScript script(OnWindows([&](HWND window) {
        if (IsMessageBox(window)) {
            message = Text(window, 0xFFFF);
            selectedTab = TabCtrl_GetCurSel(GetDlgItem(preferences, IDC_PREF_TABS));
            DialogScript::Click(window, IDOK);
            Click(preferences, IDC_SAVE_BAK_BESIDE, true);
            DialogScript::Click(preferences, IDOK);
            return;
        }
        preferences = window;
        Click(window, IDC_SAVE_BAK_FOLDER, true);
        SetText(window, IDC_SAVE_FOLDER, L"C:\\no such folder");
        DialogScript::Click(window, IDOK);
    }));
    Command(ID_TOOLS_PREFERENCES);
    EXPECT_NE(message.find(L"C:\\no such folder"), std::wstring::npos) << message;
    EXPECT_EQ(selectedTab, 1); // the Save page is shown with it
    EXPECT_EQ(settings.CreateBak, BACKUP_BESIDE);
    EXPECT_EQ(store.GetInt("General", "CreateBak"), 1u);
}

TEST_F(Preferences, ColoursAndFontsReachTheOutputWindowTabsStatusBarAndMenus)
{
    LogFont arial;
    arial.height = -15;
    arial.SetFaceName("Arial");
    frame.Pickers().colour = [](HWND, std::uint32_t) { return std::optional<std::uint32_t>(0x123456); };
    frame.Pickers().font = [&](HWND, const LogFont&) { return std::optional<LogFont>(arial); };
    bool commentsHaveBackground = true;
    DialogScript script(OnWindows([&](HWND window) {
        SelectGroup(window, 2);
        HWND colors = Page(window, IDC_COLOR_ROWS);
        SendDlgItemMessageW(colors, IDC_COLOR_ROWS, LB_SETCURSEL, 4, 0); // Comments
        SendMessageW(colors, WM_COMMAND, MAKEWPARAM(IDC_COLOR_ROWS, LBN_SELCHANGE), 0);
        commentsHaveBackground = IsWindowEnabled(GetDlgItem(colors, IDC_COLOR_BACKGROUND));
        SendDlgItemMessageW(colors, IDC_COLOR_ROWS, LB_SETCURSEL, 3, 0); // Output window
        SendMessageW(colors, WM_COMMAND, MAKEWPARAM(IDC_COLOR_ROWS, LBN_SELCHANGE), 0);
        SendMessageW(colors, WM_COMMAND, IDC_COLOR_TEXT, 0);
        HWND fonts = Page(window, IDC_FONT_INTERFACE_PICK);
        SendMessageW(fonts, WM_COMMAND, IDC_FONT_INTERFACE_PICK, 0);
        SendMessageW(fonts, WM_COMMAND, IDC_FONT_OUTPUT_PICK, 0);
        EXPECT_EQ(Text(fonts, IDC_FONT_OUTPUT).rfind(L"Arial, ", 0), 0u) << Text(fonts, IDC_FONT_OUTPUT);
        DialogScript::Click(window, IDOK);
    }));
    Command(ID_TOOLS_PREFERENCES);

    EXPECT_FALSE(commentsHaveBackground);
    EXPECT_EQ(settings.Colors[COLOR_OUTPUT_TEXT], 0x123456u);
    EXPECT_EQ(settings.InterFnt, arial);
    EXPECT_EQ(store.GetBinary("View", "InterFnt"), arial.ToBlock());
    OutputPane& output = frame.Bars().Output();
    EXPECT_EQ(output.TextColour(), 0x123456u);
    EXPECT_EQ(FaceOf(output.Font()), L"Arial");
    EXPECT_EQ(FaceOf(frame.Bars().FileTabs().Font()), L"Arial");
    EXPECT_EQ(FaceOf(frame.Bars().Status().Font()), L"Arial");
    EXPECT_EQ(FaceOf(reinterpret_cast<HFONT>(SendMessageW(frame.Bars().Status().Window(), WM_GETFONT, 0, 0))), L"Arial");
    EXPECT_TRUE(prompts.messages.empty());
}

// "->" puts a button after the selected one, "<-" takes the selected one
// away; OK writes the layout and the toolbar is built anew, large.
TEST_F(Preferences, ToolbarPageRebuildsTheToolbar)
{
    SaveToolbarLayout(store, {{0, 100, 3}, 0});
    frame.Bars().Tools().SetButtons({0, 100, 3}, false);
    const int smallHeight = frame.Bars().Tools().ButtonHeight();
    std::wstring firstAvailable;
    DialogScript script(OnWindows([&](HWND window) {
        HWND page = Page(window, IDC_TOOLBAR_CURRENT);
        wchar_t text[64] = {};
        SendDlgItemMessageW(page, IDC_TOOLBAR_AVAILABLE, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
        firstAvailable = text;
        auto select = [&](int list, int index) {
            SendDlgItemMessageW(page, list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
            SendMessageW(page, WM_COMMAND, MAKEWPARAM(list, LBN_SELCHANGE), 0);
        };
        select(IDC_TOOLBAR_CURRENT, 0);
        select(IDC_TOOLBAR_AVAILABLE, 1 + 15); // Find
        SendMessageW(page, WM_COMMAND, IDC_TOOLBAR_INSERT, 0);
        select(IDC_TOOLBAR_CURRENT, 2); // the separator
        SendMessageW(page, WM_COMMAND, IDC_TOOLBAR_REMOVE, 0);
        Click(window, IDC_TOOLBAR_LARGE);
        DialogScript::Click(window, IDOK);
    }));
    Command(ID_TOOLS_PREFERENCES);

    EXPECT_EQ(firstAvailable, L"-- Separator --");
    const std::vector<std::uint8_t> expected{0, 15, 3};
    EXPECT_EQ(store.GetBinary("MainToolBar", "Data"), expected);
    EXPECT_EQ(store.GetInt("MainToolBar", "Size"), 3u);
    EXPECT_EQ(store.GetInt("MainToolBar", "LargeButtons"), 1u);
    EXPECT_EQ(frame.Bars().Tools().Commands(), (std::vector<int>{ID_FILE_NEW, ID_EDIT_FIND, ID_FILE_SAVE}));
    EXPECT_GT(frame.Bars().Tools().ButtonHeight(), smallHeight);
}

// Libraries added and deleted on the Clips page: OK writes the list and
// the Actions menu holds the new pop-ups only; the old ones are destroyed.
TEST_F(Preferences, ClipsPageReloadsTheLibraryMenus)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::string folder = ToCp1251(temp);
    const std::string alpha = folder + "alpha.lib";
    const std::string beta = folder + "beta.lib";
    for (const auto& [path, name] : {std::pair{alpha, "Alpha"}, {beta, "Beta"}}) {
        HANDLE file = CreateFileW(FromCp1251(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        const std::string text = std::string("#library_name=") + name + "\r\n#clip_name=One\r\ntext\r\n";
        DWORD written = 0;
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
    }
    std::vector<std::string> offered;
    frame.Pickers().file = [&](HWND, const std::string& filter, const wchar_t*) {
        EXPECT_EQ(filter, "Noveda library files (*.lib)|*.lib|All files (*.*)|*.*|");
        std::optional<std::string> next = offered.front();
        offered.erase(offered.begin());
        return next;
    };
    auto actionsTop = [&] {
        HMENU actions = FindSubMenuHolding(GetMenu(frame.Window()), ID_ACTIONS_TABS_TO_SPACES);
        std::vector<std::wstring> texts;
        for (int i = 0; GetMenuItemID(actions, i) != ID_ACTIONS_TABS_TO_SPACES; ++i)
            texts.push_back(GetSubMenu(actions, i) ? MenuItemText(actions, i) : L"-");
        return std::pair{texts, GetSubMenu(actions, 0)};
    };
    auto runClipsPage = [&](bool deleteFirst) {
        DialogScript script(OnWindows([&](HWND window) {
            HWND page = Page(window, IDC_CLIPS_LIST);
            if (deleteFirst) {
                SendDlgItemMessageW(page, IDC_CLIPS_LIST, LB_SETCURSEL, 0, 0);
                SendMessageW(page, WM_COMMAND, IDC_CLIPS_DELETE, 0);
            }
            SendMessageW(page, WM_COMMAND, IDC_CLIPS_ADD, 0);
            DialogScript::Click(window, IDOK);
        }));
        Command(ID_TOOLS_PREFERENCES);
    };

    offered = {alpha};
    runClipsPage(false);
    EXPECT_EQ(settings.Libfile[0], alpha);
    EXPECT_EQ(store.GetString("ClipLibs", "Libfile0"), alpha);
    const auto [first, alphaMenu] = actionsTop();
    EXPECT_EQ(first, (std::vector<std::wstring>{L"Alpha", L"-"}));

    offered = {beta};
    runClipsPage(true);
    EXPECT_EQ(settings.Libfile[0], beta);
    EXPECT_EQ(settings.Libfile[1], "");
    EXPECT_EQ(store.GetString("ClipLibs", "Libfile1"), "");
    EXPECT_EQ(actionsTop().first, (std::vector<std::wstring>{L"Beta", L"-"}));
    EXPECT_FALSE(IsMenu(alphaMenu)); // destroyed with its items
    DeleteFileW(FromCp1251(alpha).c_str());
    DeleteFileW(FromCp1251(beta).c_str());
}

// The Open box and Execute pages edit their lists in place; an entry
// without its first field keeps the window open.
TEST_F(Preferences, OpenBoxAndExecutePagesRewriteTheirLists)
{
    settings.openSaveTypes = {{"Text", "*.txt"}, {"Web", "*.htm;*.html"}};
    settings.tools = {{"bat", "cmd /c &f", 1}, {"py", "python &f", 1}};
    SaveTools(store, settings);
    std::wstring message;
    HWND preferences = nullptr;
    DialogScript script(OnWindows([&](HWND window) {
        if (IsMessageBox(window)) {
            message = Text(window, 0xFFFF);
            DialogScript::Click(window, IDOK);
            SetText(preferences, IDC_EXEC_EXTENSIONS, L"PL");
            DialogScript::Click(preferences, IDOK);
            return;
        }
        preferences = window;
        auto select = [&](int list, int index) {
            HWND page = Page(window, list);
            SendDlgItemMessageW(page, list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
            SendMessageW(page, WM_COMMAND, MAKEWPARAM(list, LBN_SELCHANGE), 0);
        };
        auto press = [&](int button) { SendMessageW(Page(window, button), WM_COMMAND, button, 0); };
        auto type = [&](int edit, const wchar_t* text) {
            HWND page = Page(window, edit);
            SetDlgItemTextW(page, edit, text); // the box tells its page with EN_CHANGE
        };
        select(IDC_OPEN_BOX_LIST, 1);
        press(IDC_OPEN_BOX_UP);
        press(IDC_OPEN_BOX_ADD);
        type(IDC_OPEN_BOX_DESCRIPTION, L"C source");
        type(IDC_OPEN_BOX_PATTERNS, L"*.c;*.h");
        select(IDC_EXEC_LIST, 0);
        press(IDC_EXEC_DELETE); // "bat" goes; "py" is selected
        Click(window, IDC_EXEC_CAPTURE);
        press(IDC_EXEC_ADD);
        type(IDC_EXEC_COMMAND, L"perl &f");
        DialogScript::Click(window, IDOK); // refused: the new tool has no extension
    }));
    Command(ID_TOOLS_PREFERENCES);

    EXPECT_EQ(message, L"Every tool needs the file extensions it serves.");
    EXPECT_EQ(settings.openSaveTypes,
              (std::vector<FileType>{{"Web", "*.htm;*.html"}, {"Text", "*.txt"}, {"C source", "*.c;*.h"}}));
    EXPECT_EQ(store.GetInt("OpenSave", "Count"), 3u);
    EXPECT_EQ(store.GetString("OpenSave", "TypeText3"), "C source");
    // Read back as the next start reads them: the deleted tool stays away.
    AppSettings next;
    LoadTools(store, next);
    EXPECT_EQ(next.tools, (std::vector<ToolEntry>{{"py", "python &f", 0}, {"pl", "perl &f", 1}}));
    EXPECT_EQ(settings.tools, next.tools);
}

// A scheme added and one deleted: OK rewrites "Extensions" so the deleted
// one does not come back, loads the schemes again and the open document
// takes the new scheme of its extension.
TEST_F(Preferences, HighlightPageReloadsTheSchemes)
{
    const std::string c = NOVEDA_DATA_DIR "/highlight/c.hgh";
    const std::string python = NOVEDA_DATA_DIR "/highlight/python.hgh";
    settings.schemeEntries = {{"c h", c}};
    SaveHighlightSchemeEntries(store, settings);
    Doc().SetPathName("C:\\script.py");
    ASSERT_EQ(Doc().GetSchemeIndex(), 0); // no scheme of its own yet
    frame.Pickers().file = [&](HWND, const std::string& filter, const wchar_t*) {
        EXPECT_EQ(filter, "Noveda highlight files (*.hgh)|*.hgh|All files (*.*)|*.*|");
        return std::optional<std::string>(python);
    };
    std::wstring firstLine;
    DialogScript script(OnWindows([&](HWND window) {
        HWND page = Page(window, IDC_HIGHLIGHT_LIST);
        wchar_t text[128] = {};
        SendDlgItemMessageW(page, IDC_HIGHLIGHT_LIST, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
        firstLine = text;
        SendMessageW(page, WM_COMMAND, IDC_HIGHLIGHT_DELETE, 0);
        SendMessageW(page, WM_COMMAND, IDC_HIGHLIGHT_ADD, 0);
        SetDlgItemTextW(page, IDC_HIGHLIGHT_EXTENSIONS, L"py pyw");
        DialogScript::Click(window, IDOK);
    }));
    Command(ID_TOOLS_PREFERENCES);

    EXPECT_EQ(firstLine, FromCp1251(*GetDescription(c)));
    EXPECT_EQ(store.GetString("Extensions", "Ext0"), "py pyw");
    EXPECT_EQ(store.GetString("Extensions", "DataFile0"), python);
    EXPECT_EQ(store.GetString("Extensions", "Ext1"), "");
    ASSERT_EQ(frame.Schemes().size(), 2u);
    EXPECT_EQ(frame.Schemes()[1].m_description, *GetDescription(python));
    EXPECT_EQ(Doc().GetSchemeIndex(), 1);
}

// A language file of the program's folder, chosen on the Languages page,
// turns the menus Russian at once.
TEST_F(Preferences, ChosenInterfaceLanguageAppliesAtOnce)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::filesystem::path copy = std::filesystem::path(temp) / L"russian.lng";
    std::filesystem::copy_file(NOVEDA_DATA_DIR "/russian.lng", copy, std::filesystem::copy_options::overwrite_existing);
    DialogScript script(OnWindows([&](HWND window) {
        HWND page = Page(window, IDC_LANG_INTERFACE);
        const LRESULT russian = SendDlgItemMessageW(page, IDC_LANG_INTERFACE, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                    reinterpret_cast<LPARAM>(L"Russian language"));
        EXPECT_GT(russian, 0);
        SendDlgItemMessageW(page, IDC_LANG_INTERFACE, CB_SETCURSEL, static_cast<WPARAM>(russian), 0);
        DialogScript::Click(window, IDOK);
    }));
    Command(ID_TOOLS_PREFERENCES);
    std::filesystem::remove(copy);

    EXPECT_EQ(settings.InterfaceFile, ToCp1251(copy.wstring()));
    wchar_t open[64] = {};
    GetMenuStringW(PopupWith(GetMenu(frame.Window()), ID_FILE_OPEN), ID_FILE_OPEN, open, 64, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(open).rfind(L"&Открыть", 0), 0u) << open;
}

// The Help button, F1 in the window and Shift+F1 in the frame.
TEST_F(Preferences, HelpWithoutAHelpFileShowsTheErrorWindow)
{
    int errorWindows = 0;
    HWND preferences = nullptr;
    DialogScript script(OnWindows([&](HWND window) {
        if (GetDlgItem(window, IDC_PREF_GROUPS)) {
            preferences = window;
            DialogScript::Click(window, IDC_PREF_HELP);
            return;
        }
        errorWindows += GetDlgItem(window, 1072) != nullptr; // "Online help" of the error window
        DialogScript::Click(window, IDCANCEL);
        if (errorWindows == 1)
            SendMessageW(preferences, WM_HELP, 0, 0);
        else if (errorWindows == 2)
            DialogScript::Click(preferences, IDCANCEL);
    }));
    Command(ID_TOOLS_PREFERENCES);
    EXPECT_EQ(errorWindows, 2);
    Command(ID_HELP_CONTEXT);
    EXPECT_EQ(errorWindows, 3);
}

struct HelpCall {
    std::wstring file;
    UINT command;
    std::wstring topic; // for a topic
};
std::vector<HelpCall> g_helpCalls;

HWND WINAPI RecordHelp(HWND owner, LPCWSTR file, UINT command, DWORD_PTR data)
{
    g_helpCalls.push_back({file, command, command == 0 ? reinterpret_cast<LPCWSTR>(data) : L""});
    return owner; // shown
}

// The page's own topic of the program's help file; the Help menu's
// contents and search pages.
TEST_F(Preferences, HelpOpensThePagesTopicInTheProgramsHelpFile)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring helpFile = std::wstring(temp) + L"noveda.chm";
    CloseHandle(CreateFileW(helpFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    g_helpCalls.clear();
    UseHtmlHelp(&RecordHelp);
    DialogScript script(OnWindows([&](HWND window) {
        SelectGroup(window, 3);
        HWND tabs = GetDlgItem(window, IDC_PREF_TABS);
        TabCtrl_SetCurSel(tabs, 3);
        NMHDR change{tabs, IDC_PREF_TABS, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(window, WM_NOTIFY, IDC_PREF_TABS, reinterpret_cast<LPARAM>(&change));
        DialogScript::Click(window, IDC_PREF_HELP);
        DialogScript::Click(window, IDCANCEL);
    }));
    Command(ID_TOOLS_PREFERENCES);
    Command(ID_HELP_CONTENTS);
    Command(ID_HELP_SEARCH);
    Command(ID_HELP_CONTEXT);
    UseHtmlHelp(nullptr);
    DeleteFileW(helpFile.c_str());
    ASSERT_EQ(g_helpCalls.size(), 4u);
    for (const HelpCall& call : g_helpCalls)
        EXPECT_EQ(call.file, helpFile);
    EXPECT_EQ(g_helpCalls[0].command, 0u); // a topic
    EXPECT_EQ(g_helpCalls[0].topic, L"pref14.htm");
    EXPECT_EQ(g_helpCalls[1].command, 1u); // the contents
    EXPECT_EQ(g_helpCalls[2].command, 3u); // the search page
    EXPECT_EQ(g_helpCalls[3].command, 1u);
}

// The system's own pickers, as the pages open them: OK gives back what they were given.
TEST(SystemPickers, ReturnWhatTheirOkChose)
{
    DialogScript script(OnWindows([](HWND dialog) { DialogScript::Click(dialog, IDOK); }));
    EXPECT_EQ(PickColourFromSystem(nullptr, 0x00336699), std::optional<std::uint32_t>(0x00336699));
    const LogFont font = DefaultTextFont();
    const std::optional<LogFont> picked = PickFontFromSystem(nullptr, font);
    ASSERT_TRUE(picked);
    EXPECT_EQ(picked->FaceName(), font.FaceName());
    EXPECT_NE(picked->height, 0);
}

} // namespace

TEST_F(Preferences, PageSetupShowsThePrintingPageAloneAndWritesThePrintSection)
{
    Outline outline;
    bool headerTemplateFollowsItsCheck = false;
    DialogScript script(OnWindows([&](HWND window) {
        outline = OutlineOf(window);
        HWND page = Page(window, IDC_PRINT_HEADER);
        const bool enabledBefore = IsWindowEnabled(GetDlgItem(page, IDC_PRINT_HEADER_CODES));
        Click(window, IDC_PRINT_HEADER);
        headerTemplateFollowsItsCheck = enabledBefore && !IsWindowEnabled(GetDlgItem(page, IDC_PRINT_HEADER_TEMPLATE)) &&
                                        !IsWindowEnabled(GetDlgItem(page, IDC_PRINT_HEADER_CODES));
        SetText(window, IDC_PRINT_FOOTER_TEMPLATE, L"&Rp. &p");
        SetText(window, IDC_PRINT_LEFT, L"25");
        SetText(window, IDC_PRINT_TOP, L"500");
        Click(window, IDC_PRINT_SWAP);
        DialogScript::Click(window, IDOK);
    }));
    Command(ID_FILE_PAGE_SETUP);
    EXPECT_EQ(outline.caption, L"Page Setup");
    EXPECT_EQ(outline.tabs, std::vector<std::wstring>{L"Printing"});
    EXPECT_EQ(outline.groups, 1);
    EXPECT_TRUE(headerTemplateFollowsItsCheck);
    EXPECT_EQ(settings.print.PrintHeader, 0);
    EXPECT_EQ(settings.print.SwapAlignment, 1);
    EXPECT_EQ(settings.print.Footer, "&Rp. &p");
    EXPECT_EQ(settings.print.Left, 25);
    EXPECT_EQ(settings.print.Top, 100); // the spin's top
    EXPECT_EQ(store.GetInt("Print", "Left"), 25u);
    EXPECT_EQ(store.GetInt("Print", "PrintHeader"), 0u);
    EXPECT_EQ(store.GetString("Print", "Footer"), "&Rp. &p");
}

TEST_F(Preferences, TheCodeMenuPutsTheChosenCodeAtTheCaret)
{
    store.SetString("Print", "Header", "ab");
    DialogScript script(OnWindows([&](HWND window) {
        HWND page = Page(window, IDC_PRINT_FOOTER_CODES);
        SetText(window, IDC_PRINT_FOOTER_TEMPLATE, L"ab");
        SendDlgItemMessageW(page, IDC_PRINT_FOOTER_TEMPLATE, EM_SETSEL, 1, 1);
        // The menu's own loop reads these: the second item, "&F".
        for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN})
            PostMessageW(page, WM_KEYDOWN, key, 0);
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_PRINT_FOOTER_CODES, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_PRINT_FOOTER_CODES)));
        DialogScript::Click(window, IDOK);
    }));
    Command(ID_FILE_PAGE_SETUP);
    EXPECT_EQ(settings.print.Footer, "a&Fb");
    EXPECT_EQ(settings.print.Header, "ab"); // read from the store the first time
}
