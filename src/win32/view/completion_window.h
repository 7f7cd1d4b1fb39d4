#pragma once

#include "core/platform/view_host.h"

#include <windows.h>

// The word-completion list (control 5050): a list box in the view, drawn by
// the view, the first entry selected and the keyboard focus taken. Enter or
// a double-click posts the view kChoose with the entry's index; losing the
// focus posts kFocusLost. Both arrive after the list's own message is done,
// so that the view may destroy the list.
class CompletionWindow {
public:
    static constexpr int kControlId = 5050;
    static constexpr UINT kChoose = WM_APP + 10;
    static constexpr UINT kFocusLost = WM_APP + 11;

    CompletionWindow(HWND view, HFONT font, const CompletionList& list);
    ~CompletionWindow();
    CompletionWindow(const CompletionWindow&) = delete;
    CompletionWindow& operator=(const CompletionWindow&) = delete;

    HWND Window() const { return m_list; }
    int Selected() const;
    // WM_DRAWITEM and WM_COMMAND of the list, which arrive at the view.
    bool Draw(const DRAWITEMSTRUCT& item) const;
    bool OnCommand(WPARAM wParam) const;

private:
    static LRESULT CALLBACK ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);

    HWND m_view;
    HWND m_list = nullptr;
    CompletionList m_entries;
};
