#pragma once

#include "win32/framework/command_routing.h"

#include <windows.h>

class CMainFrame;

// The end of the command chain and the message loop: accelerators of the
// frame, the MDI system keys, and menus brought up to date when they open.
class EditorApp : public CommandTarget {
public:
    explicit EditorApp(CMainFrame& frame) : m_frame(frame) {}
    int Run();
    // One message through the accelerators; false when none was waiting.
    bool PumpMessage(MSG& message);

    bool OnCommand(int id) override;
    std::optional<CommandUpdate> OnUpdateCommand(int id) override;

private:
    static std::span<const CommandEntry<EditorApp>> Commands();
    void About(int);
    void Exit(int);

    CMainFrame& m_frame;
};
