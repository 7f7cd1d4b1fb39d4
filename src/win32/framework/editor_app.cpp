#include "win32/framework/editor_app.h"

#include "win32/framework/main_frame.h"
#include "win32/res/commands.h"

// Idle work runs once each time the queue runs dry.
int EditorApp::Run()
{
    MSG message;
    for (;;) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (m_frame.Window())
                m_frame.OnIdle();
            WaitMessage();
            continue;
        }
        while (PumpMessage(message))
            if (message.message == WM_QUIT)
                return static_cast<int>(message.wParam);
    }
}

bool EditorApp::PumpMessage(MSG& message)
{
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (message.message != WM_QUIT && !TranslateMDISysAccel(m_frame.MdiClient(), &message) &&
        !TranslateAcceleratorW(m_frame.Window(), m_frame.Accelerators(), &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

std::span<const CommandEntry<EditorApp>> EditorApp::Commands()
{
    static constexpr CommandEntry<EditorApp> kTable[] = {
        {ID_APP_ABOUT, ID_APP_ABOUT, &EditorApp::About},
        {ID_APP_EXIT, ID_APP_EXIT, &EditorApp::Exit},
    };
    return kTable;
}

bool EditorApp::OnCommand(int id)
{
    return RunFromTable(*this, Commands(), id);
}

std::optional<CommandUpdate> EditorApp::OnUpdateCommand(int id)
{
    return UpdateFromTable(*this, Commands(), id);
}

void EditorApp::About(int)
{
    MessageBoxW(m_frame.Window(), L"Noveda\nA plain-text editor for Russian text in five code pages.",
                L"About Noveda", MB_OK | MB_ICONINFORMATION);
}

void EditorApp::Exit(int)
{
    PostMessageW(m_frame.Window(), WM_CLOSE, 0, 0);
}
