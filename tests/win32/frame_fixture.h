#pragma once

// The real frame with its menus and bars, created for each test.
#include "core/app/recent_files.h"
#include "core/doc/text_doc.h"
#include "core/platform/profile_store.h"
#include "core/tools/clip_library.h"
#include "core/view/highlight_scheme.h"
#include "support/fake_prompts.h"
#include "support/fake_view_host.h"
#include "win32/app/text_conversion.h"
#include "win32/app/win_file_system.h"
#include "win32/app/win_settings.h"
#include "win32/framework/child_frame.h"
#include "win32/framework/main_frame.h"
#include "win32/framework/message_loop.h"
#include "win32/res/commands.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string_view>

inline bool MenuHasCommand(HMENU menu, UINT id)
{
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            if (MenuHasCommand(sub, id))
                return true;
        } else if (GetMenuItemID(menu, i) == id) {
            return true;
        }
    }
    return false;
}

// The pop-up of the bar that holds `id`.
inline HMENU PopupWith(HMENU bar, UINT id)
{
    for (int i = 0, n = GetMenuItemCount(bar); i < n; ++i)
        if (HMENU sub = GetSubMenu(bar, i); sub && MenuHasCommand(sub, id))
            return sub;
    return nullptr;
}

class Framework : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create());
        ShowWindow(frame.Window(), SW_SHOW);
    }

    void Pump()
    {
        MSG message;
        while (loop.PumpMessage(message)) {
        }
    }

    // Keys into the active view; '\r' is Enter.
    void Type(std::wstring_view text)
    {
        HWND view = frame.ActiveView()->Window();
        for (const wchar_t c : text) {
            if (c == L'\r')
                SendMessageW(view, WM_KEYDOWN, VK_RETURN, 0);
            else
                SendMessageW(view, WM_CHAR, c, 0);
        }
        Pump();
    }

    void Command(int id)
    {
        SendMessageW(frame.Window(), WM_COMMAND, id, 0);
        Pump();
    }

    bool MenuItemEnabled(UINT id)
    {
        HMENU popup = PopupWith(GetMenu(frame.Window()), id);
        frame.UpdateMenu(popup);
        return !(GetMenuState(popup, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
    }

    bool MenuItemChecked(UINT id)
    {
        HMENU popup = PopupWith(GetMenu(frame.Window()), id);
        frame.UpdateMenu(popup);
        return (GetMenuState(popup, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }

    // What the view paints, as the text of its rows.
    static std::string Painted(CTextView& view)
    {
        std::vector<PaintCall> calls;
        RecordingSurface surface(calls);
        view.OnDraw(surface);
        std::string text;
        for (const PaintCall& call : calls)
            if (call.kind == PaintCall::Text && call.x >= view.PanelWidth() + 5)
                text += call.text;
        return text;
    }

    AppSettings settings;
    std::vector<HighlightScheme> schemes{HighlightScheme::PlainText()};
    ClipLibraries clips;
    WinFileSystem files;
    MemoryProfileStore store;
    WinSettingsEnvironment environment;
    FakePrompts prompts;
    RecentFileList recent{4};
    // Favorites and other side files go to the temporary directory.
    FrameServices Services(ProfileStore& profile)
    {
        wchar_t temp[MAX_PATH];
        const DWORD length = GetTempPathW(MAX_PATH, temp);
        return {files, profile, environment, &prompts, ToCp1251(std::wstring_view(temp, length)), &recent};
    }
    CMainFrame frame{settings, schemes, clips, Services(store)};
    MessageLoop loop{frame};
};

// A frame with one new document, for commands and the dialogs they open.
class DocumentFramework : public Framework {
protected:
    void SetUp() override
    {
        Framework::SetUp();
        frame.NewDocument();
        Pump();
    }

    CTextDoc& Doc() { return frame.ActiveChild()->Document(); }
    CTextView& View() { return frame.ActiveView()->View(); }

    void SetText(std::initializer_list<const char*> lines)
    {
        Doc().DeleteContents();
        for (const char* line : lines)
            Doc().AppendLine(line);
        Doc().UpdateAllViews();
        View().MoveCaretTo(0, 0);
    }

    static std::wstring Text(HWND dialog, int id)
    {
        wchar_t text[256] = {};
        GetDlgItemTextW(dialog, id, text, 256);
        return text;
    }
    // A message box's text is its control 0xFFFF.
    static bool IsMessageBox(HWND dialog) { return GetDlgItem(dialog, 0xFFFF) != nullptr; }
};
