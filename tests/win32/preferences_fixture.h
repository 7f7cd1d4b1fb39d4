#pragma once

// The Preferences window inside the real frame, with what a user does on
// its pages.
#include "dialog_script.h"
#include "frame_fixture.h"
#include "win32/res/resource.h"

#include <commctrl.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

// Pages are dialogs too: the scripts here play on the window and its boxes.
inline std::function<void(HWND)> OnWindows(std::function<void(HWND)> script)
{
    return [script](HWND dialog) {
        if (!(GetWindowLongW(dialog, GWL_STYLE) & WS_CHILD))
            script(dialog);
    };
}

class Preferences : public DocumentFramework {
protected:
    // The page (a child dialog of the window) that holds `control`.
    static HWND Page(HWND window, int control)
    {
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (GetDlgItem(child, control))
                return child;
        ADD_FAILURE() << "no page holds control " << control;
        return nullptr;
    }
    // What a click on a check box or radio button does.
    static void Click(HWND window, int control, bool radio = false)
    {
        HWND page = Page(window, control);
        if (radio)
            CheckDlgButton(page, control, BST_CHECKED);
        else
            CheckDlgButton(page, control, IsDlgButtonChecked(page, control) ? BST_UNCHECKED : BST_CHECKED);
        if (radio) // the others of its group
            for (HWND other = GetWindow(page, GW_CHILD); other; other = GetWindow(other, GW_HWNDNEXT))
                if (other != GetDlgItem(page, control) && (GetWindowLongW(other, GWL_STYLE) & 0xF) == BS_AUTORADIOBUTTON &&
                    std::abs(GetDlgCtrlID(other) - control) <= 3)
                    CheckDlgButton(page, GetDlgCtrlID(other), BST_UNCHECKED);
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(control, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, control)));
    }
    static void SetText(HWND window, int control, const wchar_t* text)
    {
        SetDlgItemTextW(Page(window, control), control, text);
    }
    static bool IsChecked(HWND window, int control)
    {
        return IsDlgButtonChecked(Page(window, control), control) == BST_CHECKED;
    }
    static void SelectGroup(HWND window, int group)
    {
        ListView_SetItemState(GetDlgItem(window, IDC_PREF_GROUPS), group, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
    }
    // What the window shows of itself: its caption, how many groups, the
    // tabs of the group shown.
    struct Outline {
        std::wstring caption;
        int groups = 0;
        std::vector<std::wstring> tabs;
    };
    static Outline OutlineOf(HWND window)
    {
        wchar_t text[64] = {};
        GetWindowTextW(window, text, 64);
        return {text, ListView_GetItemCount(GetDlgItem(window, IDC_PREF_GROUPS)), TabTitles(window)};
    }
    static std::vector<std::wstring> TabTitles(HWND window)
    {
        HWND tabs = GetDlgItem(window, IDC_PREF_TABS);
        std::vector<std::wstring> titles;
        for (int i = 0, n = TabCtrl_GetItemCount(tabs); i < n; ++i) {
            wchar_t text[64] = {};
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = 64;
            TabCtrl_GetItem(tabs, i, &item);
            titles.push_back(text);
        }
        return titles;
    }
    static std::wstring FaceOf(HFONT font)
    {
        LOGFONTW lf{};
        GetObjectW(font, sizeof lf, &lf);
        return lf.lfFaceName;
    }
};
