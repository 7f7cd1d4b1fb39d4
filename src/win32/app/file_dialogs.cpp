#include "win32/app/file_dialogs.h"

#include "win32/app/text_conversion.h"

#include <commdlg.h>

std::optional<std::string> ChooseFile(HWND owner, FileChoice choice, const wchar_t* title,
                                      const std::string& initialName)
{
    wchar_t path[MAX_PATH] = L"";
    lstrcpynW(path, FromCp1251(initialName).c_str(), MAX_PATH);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = L"All files(*.*)\0*.*\0";
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = title;
    ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER |
                (choice == FileChoice::Open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
    const BOOL chosen = choice == FileChoice::Open ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
    if (!chosen)
        return std::nullopt;
    return ToCp1251(path);
}
