// The editor's entry point: the main frame with its document windows, one
// untitled document or the files named on the command line.
#include "core/app/app_settings.h"
#include "core/app/settings_io.h"
#include "core/tools/clip_library.h"
#include "core/view/highlight_scheme.h"
#include "win32/app/registry_store.h"
#include "win32/app/text_conversion.h"
#include "win32/app/win_settings.h"
#include "win32/app/win_file_system.h"
#include "win32/framework/editor_app.h"
#include "win32/framework/main_frame.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    RegistryProfileStore store;
    WinSettingsEnvironment environment;
    AppSettings settings;
    LoadSettings(store, settings, environment);
    LoadHighlightSchemeEntries(store, settings);
    std::vector<HighlightScheme> schemes = LoadHighlightSchemes(settings.schemeEntries, settings.DefaultScheme);
    LoadAutoSave(store, settings);
    LoadClipLibraries(store, settings);
    ClipLibraries clips;
    clips.LoadAll(settings.Libfile);
    WinFileSystem files;
    CMainFrame frame(settings, schemes, clips, {files, store, environment});
    if (!frame.Create())
        return 1;
    EditorApp app(frame);
    frame.SetApplication(&app);
    ShowWindow(frame.Window(), frame.ShowCommand(showCommand));

    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; args && i < count; ++i)
        frame.OpenDocument(ToCp1251(args[i]));
    LocalFree(args);
    if (frame.Documents().Entries().empty())
        frame.NewDocument();
    UpdateWindow(frame.Window());
    return app.Run();
}
