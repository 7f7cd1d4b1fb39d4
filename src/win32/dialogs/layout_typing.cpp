#include "win32/dialogs/layout_typing.h"

#include "core/settings/input_tables.h"
#include "win32/app/text_conversion.h"

#include <commctrl.h>

namespace {

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data)
{
    if (message == WM_CHAR && wParam >= L' ') {
        // Only characters cp1251 has: what it lacks stays as typed.
        const std::wstring character(1, static_cast<wchar_t>(wParam));
        const std::string typed = ToCp1251(character);
        if (typed.size() == 1 && FromCp1251(typed) == character) {
            const auto& settings = *reinterpret_cast<const AppSettings*>(data);
            const auto mapped = static_cast<char>(TypedCharacter(settings, static_cast<std::uint8_t>(typed[0])));
            wParam = FromCp1251(std::string(1, mapped))[0];
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(edit, &EditProc, id);
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

} // namespace

void TypeThroughEditorLayout(HWND combo, const AppSettings& settings)
{
    COMBOBOXINFO info{sizeof info};
    if (GetComboBoxInfo(combo, &info) && info.hwndItem)
        SetWindowSubclass(info.hwndItem, &EditProc, 1, reinterpret_cast<DWORD_PTR>(&settings));
}
