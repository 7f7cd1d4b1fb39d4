#pragma once

#include <windows.h>

class CMainFrame;

// The frame's message loop: MDI system keys and accelerators 128 first, and
// the frame's idle work each time the queue runs dry.
class MessageLoop {
public:
    explicit MessageLoop(CMainFrame& frame) : m_frame(frame) {}
    // Until WM_QUIT; returns its exit code.
    int Run();
    // One message; false when none was waiting.
    bool PumpMessage(MSG& message);

private:
    CMainFrame& m_frame;
};
