#include "win32/framework/message_loop.h"

#include "win32/framework/main_frame.h"

int MessageLoop::Run()
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

bool MessageLoop::PumpMessage(MSG& message)
{
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        return false;
    // The Find dialog's keys are its own: Tab, Enter, and Ctrl+V in its box.
    if (HWND find = m_frame.FindWindowHandle(); find && IsDialogMessageW(find, &message))
        return true;
    if (message.message != WM_QUIT && !TranslateMDISysAccel(m_frame.MdiClient(), &message) &&
        !TranslateAcceleratorW(m_frame.Window(), m_frame.Accelerators(), &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}
