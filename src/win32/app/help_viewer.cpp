#include "win32/app/help_viewer.h"

#include "win32/res/resource.h"

#include <shellapi.h>

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
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

HtmlHelpFunction HtmlHelp()
{
    static const HtmlHelpFunction function = [] {
        HMODULE library = LoadLibraryW(L"hhctrl.ocx");
        return library ? reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void (*)()>(GetProcAddress(library, "HtmlHelpW")))
                       : nullptr;
    }();
    return function;
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

} // namespace

void ShowHelp(HWND owner, const std::wstring& helpFile, HelpPage page)
{
    HWND shown = nullptr;
    if (HtmlHelpFunction function = HtmlHelp(); function && GetFileAttributesW(helpFile.c_str()) != INVALID_FILE_ATTRIBUTES) {
        if (page == HelpPage::Contents) {
            shown = function(owner, helpFile.c_str(), kDisplayToc, 0);
        } else {
            FullTextQuery query{sizeof(FullTextQuery), TRUE, L"", -1, FALSE, FALSE, FALSE, nullptr};
            shown = function(owner, helpFile.c_str(), kDisplaySearch, reinterpret_cast<DWORD_PTR>(&query));
        }
    }
    if (!shown)
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_HELP_ERROR), owner, &ErrorProc, 0);
}

void ShowOnlineHelp(HWND owner)
{
    ShellExecuteW(owner, L"open", kOnlineHelpAddress, nullptr, nullptr, SW_SHOWNORMAL);
}
