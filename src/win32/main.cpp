// The editor's entry point.
#include "win32/framework/editor_app.h"

#include <windows.h>
#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    EditorApp app;
    if (!app.InitInstance(showCommand))
        return 0;
    const int code = app.Run();
    app.ExitInstance();
    return code;
}
