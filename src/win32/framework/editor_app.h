#pragma once

#include "core/app/recent_files.h"
#include "core/settings/app_settings.h"
#include "core/tools/clip_library.h"
#include "core/view/highlight_scheme.h"
#include "win32/app/file_dialogs.h"
#include "win32/app/registry_store.h"
#include "win32/app/single_instance.h"
#include "win32/app/win_file_system.h"
#include "win32/app/win_settings.h"
#include "core/settings/command_routing.h"

#include <windows.h>

#include <memory>
#include <string>

class CMainFrame;
class MessageLoop;

// The editor's run: start-up (one instance per user session; a later start
// hands its command line over and ends), the settings, the main frame, the
// command line, the message loop and the exit. The end of the command chain.
class EditorApp : public CommandTarget {
public:
    EditorApp();
    ~EditorApp() override;
    EditorApp(const EditorApp&) = delete;
    EditorApp& operator=(const EditorApp&) = delete;

    // False ends the process at once (another instance runs, or the frame
    // could not be made).
    bool InitInstance(int showCommand);
    int Run();
    int ExitInstance();
    void ProcessCommandLine(const std::string& text);
    // A later start's command line, from the shared block.
    void ReceiveHandOver();

    bool OnCommand(int id) override;
    std::optional<CommandUpdate> OnUpdateCommand(int id) override;

private:
    static std::span<const CommandEntry<EditorApp>> Commands();
    void LoadSettings();
    void About(int);
    void Exit(int);

    SingleInstance m_single;
    std::string m_programDir;
    std::string m_previousLocale;
    RegistryProfileStore m_store;
    WinSettingsEnvironment m_environment;
    AppSettings m_settings;
    std::vector<HighlightScheme> m_schemes;
    ClipLibraries m_clips;
    WinFileSystem m_files;
    std::unique_ptr<RecentFileList> m_recent;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<MessageLoop> m_loop;
    HWND m_messageOwner = nullptr; // messages before the frame exists
    FileDialogMemory m_startupDialogs;
};
