#include "win32/app/file_dialogs.h"

#include "core/app/dialog_rules.h"
#include "core/doc/doc_strings.h"
#include "core/text/placeholder.h"
#include "win32/app/text_conversion.h"
#include "win32/app/win_settings.h"
#include "win32/res/resource.h"

#include <commdlg.h>

#include <algorithm>

namespace {

constexpr std::size_t kNamesBuffer = 32 * 1024;
constexpr std::uint32_t kCodePageNames = 1003; // "KOI8" .. "WIN"
const wchar_t* const kLineEndNames[] = {L"DOS", L"UNIX", L"MAC"};

void Fill(HWND combo, const std::vector<std::wstring>& items, int selected)
{
    for (const std::wstring& item : items)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(combo, CB_SETCURSEL, selected, 0);
}

// The pattern of filter pair `index` (from 1) of a zero-separated list.
std::wstring PatternOf(const wchar_t* filter, DWORD index)
{
    for (DWORD pair = 1; filter && *filter; ++pair) {
        const wchar_t* pattern = filter + wcslen(filter) + 1;
        if (pair == index)
            return pattern;
        filter = pattern + wcslen(pattern) + 1;
    }
    return {};
}

// Save dialogs ask before replacing a file themselves: the system's question
// is titled "Error" on some Windows versions. True keeps the dialog open.
bool KeepsExistingFile(HWND hook, const OPENFILENAMEW& ofn, const StringLookup& strings)
{
    if (GetFileAttributesW(ofn.lpstrFile) == INVALID_FILE_ATTRIBUTES)
        return false;
    HWND dialog = GetParent(hook);
    wchar_t caption[256] = {};
    GetWindowTextW(dialog, caption, 256);
    const std::string text = FillPlaceholder(TextOf(kReplaceFileQuestion, strings), ToCp1251(ofn.lpstrFile));
    if (MessageBoxW(dialog, FromCp1251(text).c_str(), caption, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES)
        return false;
    SetWindowLongPtrW(hook, DWLP_MSGRESULT, 1);
    return true;
}

} // namespace

UINT_PTR CALLBACK CMyFileDialog::Hook(HWND extra, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const auto* ofn = reinterpret_cast<const OPENFILENAMEW*>(lParam);
        auto* self = reinterpret_cast<CMyFileDialog*>(ofn->lCustData);
        SetWindowLongPtrW(extra, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        auto text = [self](std::uint32_t id, const char* english) {
            std::optional<std::string> found = self->strings ? self->strings(id) : std::nullopt;
            return FromCp1251(found ? *found : StringTableResources().Load(id).value_or(english));
        };
        const std::wstring autoText = text(kAutoChoice.id, kAutoChoice.text);
        std::vector<std::wstring> codePages;
        for (std::uint32_t id = kCodePageNames; id < kCodePageNames + 5; ++id)
            codePages.push_back(text(id, ""));
        codePages.push_back(autoText);
        codePages.push_back(L"UTF-8");
        codePages.push_back(L"UTF-16");
        Fill(GetDlgItem(extra, IDC_FILE_ENCODING), codePages, self->encoding);
        std::vector<std::wstring> lineEnds(std::begin(kLineEndNames), std::end(kLineEndNames));
        lineEnds.push_back(autoText);
        Fill(GetDlgItem(extra, IDC_FILE_LINE_END), lineEnds, self->lineEnd);
        SetDlgItemTextW(extra, IDC_LABEL_ENCODING, text(IDC_LABEL_ENCODING, "Encoding:").c_str());
        SetDlgItemTextW(extra, IDC_LABEL_LINE_END, text(IDC_LABEL_LINE_END, "CR_LF type:").c_str());
        return TRUE;
    }
    auto* self = reinterpret_cast<CMyFileDialog*>(GetWindowLongPtrW(extra, GWLP_USERDATA));
    if (!self)
        return 0;
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE) {
        const int chosen = static_cast<int>(SendMessageW(reinterpret_cast<HWND>(lParam), CB_GETCURSEL, 0, 0));
        if (LOWORD(wParam) == IDC_FILE_ENCODING)
            self->encoding = chosen;
        else if (LOWORD(wParam) == IDC_FILE_LINE_END)
            self->lineEnd = chosen;
    } else if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_TYPECHANGE) {
        const OPENFILENAMEW* ofn = reinterpret_cast<OFNOTIFYW*>(lParam)->lpOFN;
        const std::string pattern = ToCp1251(PatternOf(ofn->lpstrFilter, ofn->nFilterIndex));
        const std::wstring extension = FromCp1251(DefaultExtensionForPattern(pattern));
        SendMessageW(GetParent(extra), CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(extension.c_str()));
    } else if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_FILEOK && !self->m_isOpen) {
        return KeepsExistingFile(extra, *reinterpret_cast<OFNOTIFYW*>(lParam)->lpOFN, self->strings);
    }
    return 0;
}

std::vector<std::string> CMyFileDialog::Show(HWND owner, const std::string& filter, int& filterIndex,
                                             const wchar_t* title, const std::string& initialName)
{
    m_filter = FromCp1251(filter);
    m_filter.push_back(L'\0'); // two zeros end the list
    std::vector<wchar_t> names(kNamesBuffer, L'\0');
    lstrcpynW(names.data(), FromCp1251(initialName).c_str(), MAX_PATH);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.hInstance = GetModuleHandleW(nullptr);
    ofn.lpstrFilter = m_filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(filterIndex);
    ofn.lpstrFile = names.data();
    ofn.nMaxFile = static_cast<DWORD>(names.size());
    ofn.lpstrTitle = title;
    ofn.lpTemplateName = MAKEINTRESOURCEW(IDD_FILE_DIALOG_EXTRA);
    ofn.lpfnHook = &CMyFileDialog::Hook;
    ofn.lCustData = reinterpret_cast<LPARAM>(this);
    ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_ENABLESIZING | OFN_HIDEREADONLY |
                (m_isOpen ? OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST : OFN_PATHMUSTEXIST);
    const BOOL chosen = m_isOpen ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
    if (!chosen)
        return {};
    filterIndex = static_cast<int>(ofn.nFilterIndex);
    std::size_t end = 0; // the list ends with two zeros
    while (end + 1 < names.size() && !(names[end] == L'\0' && names[end + 1] == L'\0'))
        ++end;
    return SplitOpenFileNames(ToCp1251(std::wstring_view(names.data(), end + 2)));
}

namespace {

using namespace std::string_literals;

UINT_PTR CALLBACK SaveHook(HWND hook, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        SetWindowLongPtrW(hook, GWLP_USERDATA, reinterpret_cast<const OPENFILENAMEW*>(lParam)->lCustData);
    else if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_FILEOK)
        return KeepsExistingFile(hook, *reinterpret_cast<OFNOTIFYW*>(lParam)->lpOFN,
                                 *reinterpret_cast<const StringLookup*>(GetWindowLongPtrW(hook, GWLP_USERDATA)));
    return 0;
}

// The system's dialog for one file, without our boxes; `filter` as the
// system takes it (pairs of NUL-ended texts).
std::optional<std::string> ChooseOneFile(HWND owner, const wchar_t* title, const std::string& name, bool save,
                                         const StringLookup& strings, const std::wstring& filter,
                                         const wchar_t* defaultExtension = nullptr)
{
    wchar_t path[MAX_PATH] = L"";
    const std::wstring initial = FromCp1251(name).substr(0, MAX_PATH - 1);
    std::copy(initial.begin(), initial.end(), path);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrDefExt = defaultExtension;
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = title;
    ofn.lpfnHook = &SaveHook;
    ofn.lCustData = reinterpret_cast<LPARAM>(&strings);
    ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR |
                (save ? OFN_ENABLEHOOK | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST);
    if (!(save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn)))
        return std::nullopt;
    return ToCp1251(path);
}

} // namespace

std::optional<std::string> ChooseFileToOpen(HWND owner, const wchar_t* title, const StringLookup& strings)
{
    return ChooseOneFile(owner, title, {}, false, strings, FromCp1251(BuildTypeFilter({kAllFilesType}, strings)));
}

std::optional<std::string> ChooseFileToSave(HWND owner, const std::string& name, const StringLookup& strings)
{
    return ChooseOneFile(owner, nullptr, name, true, strings, FromCp1251(BuildTypeFilter({kAllFilesType}, strings)));
}

std::optional<std::string> ChooseExistingFile(HWND owner, const std::string& filter, const wchar_t* defaultExtension)
{
    std::wstring pairs = FromCp1251(filter);
    std::replace(pairs.begin(), pairs.end(), L'|', L'\0');
    return ChooseOneFile(owner, nullptr, {}, false, {}, pairs + L'\0', defaultExtension);
}
