#include "win32/app/folder_browser.h"

#include "win32/app/text_conversion.h"

#include <shlobj.h>

namespace {

struct BrowseStart {
    std::wstring caption;
    std::wstring folder;
};

int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM, LPARAM data)
{
    if (message == BFFM_INITIALIZED) {
        const auto& start = *reinterpret_cast<const BrowseStart*>(data);
        SetWindowTextW(window, start.caption.c_str());
        if (!start.folder.empty())
            SendMessageW(window, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(start.folder.c_str()));
    }
    return 0;
}

} // namespace

std::optional<std::string> BrowseForFolder(HWND owner, const std::string& caption, const std::string& prompt,
                                           const std::string& start)
{
    BrowseStart begin{FromCp1251(caption), FromCp1251(start)};
    const std::wstring text = FromCp1251(prompt);
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = text.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(&begin);
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    if (!chosen)
        return std::nullopt;
    wchar_t path[MAX_PATH] = L"";
    const bool named = SHGetPathFromIDListW(chosen, path);
    CoTaskMemFree(chosen);
    if (!named)
        return std::nullopt;
    return ToCp1251(path);
}
