#pragma once

#include <windows.h>

#include <functional>

// Plays a script on the next dialog box of this thread as soon as it has
// initialised: the script reads its controls and posts what a user would
// click, so a modal dialog can run inside a test.
class DialogScript {
public:
    explicit DialogScript(std::function<void(HWND dialog)> script)
    {
        s_script = std::move(script);
        m_hook = SetWindowsHookExW(WH_CALLWNDPROCRET, &DialogScript::Hook, nullptr, GetCurrentThreadId());
    }
    ~DialogScript()
    {
        UnhookWindowsHookEx(m_hook);
        s_script = nullptr;
    }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // Posts a button click to the dialog.
    static void Click(HWND dialog, int button)
    {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (code == HC_ACTION && call->message == WM_INITDIALOG && s_script)
            s_script(call->hwnd);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK m_hook;
    static inline std::function<void(HWND)> s_script;
};
