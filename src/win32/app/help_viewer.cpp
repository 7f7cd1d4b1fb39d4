#include "win32/app/help_viewer.h"

#include "win32/res/resource.h"

#include <shellapi.h>

namespace {

constexpr UINT kDisplayTopic = 0x0000;
constexpr UINT kDisplayToc = 0x0001;
constexpr UINT kDisplaySearch = 0x0003;
constexpr int kOnlineButton = 1072;

struct FullTextQuery { // HH_FTS_QUERY
    int cbStruct;
    BOOL fUniCodeStrings;
    LPCWSTR pszSearchQuery;
    LONG iProximity;
    BOOL fStemmedSearch;
    BOOL fTitleOnly;
    BOOL fExecute;
    LPCWSTR pszWindow;
};

HtmlHelpFunction g_htmlHelp = nullptr;

HtmlHelpFunction HtmlHelp()
{
    if (!g_htmlHelp)
        if (HMODULE library = LoadLibraryW(L"hhctrl.ocx"))
            g_htmlHelp = reinterpret_cast<HtmlHelpFunction>(
                reinterpret_cast<void (*)()>(GetProcAddress(library, "HtmlHelpW")));
    return g_htmlHelp;
}

INT_PTR CALLBACK ErrorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message != WM_COMMAND)
        return FALSE;
    if (LOWORD(wParam) == kOnlineButton)
        ShowOnlineHelp(dialog);
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == kOnlineButton)
        EndDialog(dialog, LOWORD(wParam));
    return TRUE;
}

// HTML Help's answer to `command`, or the error window when there is none.
void CallHelp(HWND owner, const std::wstring& helpFile, UINT command, DWORD_PTR data)
{
    HWND shown = nullptr;
    if (HtmlHelpFunction function = HtmlHelp(); function && GetFileAttributesW(helpFile.c_str()) != INVALID_FILE_ATTRIBUTES)
        shown = function(owner, helpFile.c_str(), command, data);
    if (!shown)
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_HELP_ERROR), owner, &ErrorProc, 0);
}

} // namespace

void ShowHelp(HWND owner, const std::wstring& helpFile, HelpPage page)
{
    if (page == HelpPage::Contents) {
        CallHelp(owner, helpFile, kDisplayToc, 0);
        return;
    }
    FullTextQuery query{sizeof(FullTextQuery), TRUE, L"", -1, FALSE, FALSE, FALSE, nullptr};
    CallHelp(owner, helpFile, kDisplaySearch, reinterpret_cast<DWORD_PTR>(&query));
}

void ShowHelpTopic(HWND owner, const std::wstring& helpFile, const std::wstring& topic)
{
    CallHelp(owner, helpFile, kDisplayTopic, reinterpret_cast<DWORD_PTR>(topic.c_str()));
}

void UseHtmlHelp(HtmlHelpFunction function)
{
    g_htmlHelp = function;
}

void ShowOnlineHelp(HWND owner)
{
    ShellExecuteW(owner, L"open", kOnlineHelpAddress, nullptr, nullptr, SW_SHOWNORMAL);
}
