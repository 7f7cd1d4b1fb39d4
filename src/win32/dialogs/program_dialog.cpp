#include "win32/dialogs/program_dialog.h"

#include "win32/app/gdi_fonts.h"
#include "win32/app/text_conversion.h"

#include <commctrl.h>

namespace {

constexpr int kLowControlIds = 10;
constexpr int kHighControlIds = 1000;
// A button numbered as a command (Help is F1's) takes its text from its
// dialog: the command's string is its status-bar prompt.
constexpr int kCommandIds = 10000;

} // namespace

ProgramDialog::ProgramDialog(int templateId, const DialogEnvironment& environment)
    : m_environment(environment), m_templateId(templateId)
{
}

ProgramDialog::~ProgramDialog()
{
    if (m_modeless && m_dialog) {
        SetWindowLongPtrW(m_dialog, DWLP_USER, 0);
        DestroyWindow(m_dialog);
    }
    if (m_font)
        DeleteObject(m_font);
}

INT_PTR ProgramDialog::Run()
{
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), m_environment.owner,
                           &ProgramDialog::Proc, reinterpret_cast<LPARAM>(this));
}

HWND ProgramDialog::Open(HWND parent)
{
    m_modeless = true;
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId),
                                     parent ? parent : m_environment.owner, &ProgramDialog::Proc,
                                     reinterpret_cast<LPARAM>(this));
    if (dialog)
        ShowWindow(dialog, SW_SHOW);
    return dialog;
}

INT_PTR CALLBACK ProgramDialog::Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<ProgramDialog*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        self->m_dialog = dialog;
        self->ApplyInterface();
        self->OnInit();
        return TRUE;
    }
    auto* self = reinterpret_cast<ProgramDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self)
        return FALSE;
    if (INT_PTR result = 0; self->OnMessage(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_COMMAND:
        if (self->OnCommand(LOWORD(wParam), HIWORD(wParam)))
            return TRUE;
        if (LOWORD(wParam) == IDCANCEL) {
            self->End(IDCANCEL);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        self->End(IDCANCEL);
        return TRUE;
    case WM_NCDESTROY: // with its parent: nothing left to destroy
        self->m_dialog = nullptr;
        return FALSE;
    }
    return FALSE;
}

void ProgramDialog::End(int result)
{
    OnClose();
    if (!m_modeless) {
        EndDialog(m_dialog, result);
        return;
    }
    SetWindowLongPtrW(m_dialog, DWLP_USER, 0);
    DestroyWindow(m_dialog);
    m_dialog = nullptr;
    if (onEnd)
        onEnd(); // may delete this object: nothing may follow
}

void ProgramDialog::ApplyInterface()
{
    const InterfaceStrings& strings = m_environment.strings;
    if (strings)
        if (const std::optional<std::string> caption = strings(static_cast<std::uint32_t>(m_templateId)))
            SetWindowTextW(m_dialog, FromCp1251(*caption).c_str());
    m_font = CreateFontFrom(m_environment.font, WindowDpi(m_dialog));
    for (HWND child = GetWindow(m_dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        if (strings && id >= 0 && (id < kLowControlIds || (id >= kHighControlIds && id < kCommandIds)))
            if (const std::optional<std::string> text = strings(static_cast<std::uint32_t>(id)))
                SetWindowTextW(child, FromCp1251(*text).c_str());
        if (m_font)
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    }
}

std::string ProgramDialog::ItemText(int id) const
{
    HWND item = Item(id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
    return ToCp1251(text);
}

void ProgramDialog::SetItemText(int id, const std::string& cp1251)
{
    SetDlgItemTextW(m_dialog, id, FromCp1251(cp1251).c_str());
}

int ProgramDialog::CheckedRadio(int first, int last) const
{
    for (int id = first; id <= last; ++id)
        if (IsChecked(id))
            return id - first;
    return 0;
}

void ProgramDialog::SetSpin(int spin, int low, int high, int value)
{
    SendDlgItemMessageW(m_dialog, spin, UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
    SendDlgItemMessageW(m_dialog, spin, UDM_SETPOS32, 0, static_cast<LPARAM>(value));
}

int ProgramDialog::SpinValue(int spin) const
{
    return static_cast<int>(SendDlgItemMessageW(m_dialog, spin, UDM_GETPOS32, 0, 0));
}

std::string ProgramDialog::String(std::uint32_t id, const char* fallback) const
{
    if (m_environment.strings)
        if (std::optional<std::string> text = m_environment.strings(id))
            return *text;
    return fallback;
}

// Owned by the dialog's top window: a box owned by the frame would enable
// the frame under a modal dialog as it closes.
void ProgramDialog::ShowError(const std::string& text) const
{
    HWND owner = m_dialog ? GetAncestor(m_dialog, GA_ROOT) : m_environment.owner;
    MessageBoxW(owner, FromCp1251(text).c_str(), L"Error", MB_OK | MB_ICONEXCLAMATION);
}

void FoldedPart::Attach(HWND dialog, int markId, int buttonId)
{
    m_dialog = dialog;
    m_markId = markId;
    m_buttonId = buttonId;
    RECT window{};
    GetWindowRect(dialog, &window);
    m_fullHeight = window.bottom - window.top;
    RECT mark{};
    GetWindowRect(GetDlgItem(dialog, markId), &mark);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&mark), 2);
    m_markTop = mark.top;
    Show(false);
}

void FoldedPart::Toggle()
{
    Show(m_folded);
}

void FoldedPart::Show(bool unfolded)
{
    m_folded = !unfolded;
    for (HWND child = GetWindow(m_dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, m_dialog, reinterpret_cast<POINT*>(&r), 2);
        if (r.top < m_markTop || GetDlgCtrlID(child) == m_markId)
            continue;
        ShowWindow(child, unfolded ? SW_SHOW : SW_HIDE);
        EnableWindow(child, unfolded);
    }
    RECT window{};
    RECT client{};
    GetWindowRect(m_dialog, &window);
    GetClientRect(m_dialog, &client);
    const int frame = (window.bottom - window.top) - client.bottom;
    const int height = unfolded ? m_fullHeight : m_markTop + frame;
    SetWindowPos(m_dialog, nullptr, 0, 0, window.right - window.left, height, SWP_NOMOVE | SWP_NOZORDER);
    SetDlgItemTextW(m_dialog, m_buttonId, unfolded ? L"<<" : L">>");
    if (unfolded && onUnfold)
        onUnfold();
}
