#include "win32/widgets/output_pane.h"

#include "core/tools/output_text.h"
#include "win32/app/gdi_fonts.h"
#include "win32/app/text_conversion.h"

#include <commctrl.h>

OutputPane::OutputPane(HWND parent, const LogFont& font, std::uint32_t text, std::uint32_t background, Events events)
    : m_font(font, WindowDpi(parent)), m_text(text), m_backgroundColour(background), m_events(std::move(events))
{
    m_edit = CreateWindowExW(0, L"EDIT", nullptr,
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                                 ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL,
                             0, 0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    // The control's own limit (about 30000 characters) is below what the
    // window keeps: text past it would be dropped unseen.
    SendMessageW(m_edit, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    SendMessageW(m_edit, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    m_background = CreateSolidBrush(m_backgroundColour);
    SetWindowSubclass(m_edit, &OutputPane::EditProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

OutputPane::~OutputPane()
{
    RemoveWindowSubclass(m_edit, &OutputPane::EditProc, 1);
    DestroyWindow(m_edit);
    DeleteObject(m_background);
}

void OutputPane::SetLook(const LogFont& font, std::uint32_t text, std::uint32_t background)
{
    m_font.Reset(font, WindowDpi(m_edit));
    SendMessageW(m_edit, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    m_text = text;
    m_backgroundColour = background;
    DeleteObject(m_background);
    m_background = CreateSolidBrush(m_backgroundColour);
    InvalidateRect(m_edit, nullptr, TRUE);
}

// A read-only edit control asks for the colours of static text.
std::optional<LRESULT> OutputPane::OnBarMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((message != WM_CTLCOLORSTATIC && message != WM_CTLCOLOREDIT) || reinterpret_cast<HWND>(lParam) != m_edit)
        return std::nullopt;
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, m_text);
    SetBkColor(dc, m_backgroundColour);
    return reinterpret_cast<LRESULT>(m_background);
}

void OutputPane::Append(std::string_view text)
{
    const std::wstring added = FromCp1251(text);
    const auto held = static_cast<std::size_t>(GetWindowTextLengthW(m_edit));
    if (const std::size_t drop = OutputCharsToDrop(held, added.size())) {
        SendMessageW(m_edit, EM_SETSEL, 0, static_cast<LPARAM>(drop));
        SendMessageW(m_edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
    }
    const int end = GetWindowTextLengthW(m_edit);
    SendMessageW(m_edit, EM_SETSEL, end, end);
    SendMessageW(m_edit, EM_SCROLLCARET, 0, 0);
    SendMessageW(m_edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
}

void OutputPane::Clear()
{
    SetWindowTextW(m_edit, L"");
    InvalidateRect(m_edit, nullptr, TRUE);
}

std::string OutputPane::Text() const
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(m_edit)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(m_edit, text.data(), static_cast<int>(text.size()))));
    return ToCp1251(text);
}

bool OutputPane::HasSelection() const
{
    DWORD start = 0, end = 0;
    SendMessageW(m_edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start != end;
}

// The whole line, however long.
std::string OutputPane::LineText(int line) const
{
    const LRESULT start = SendMessageW(m_edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
    const LRESULT length = SendMessageW(m_edit, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
    if (start < 0 || length <= 0)
        return {};
    // EM_GETLINE reads the buffer's first word as its size.
    std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 1)), L'\0');
    text[0] = static_cast<wchar_t>(std::min<LRESULT>(length, 0xFFFF));
    const LRESULT got = SendMessageW(m_edit, EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
    return ToCp1251(text);
}

// A jump line is selected whether or not its file can be opened; other
// lines select a word as usual.
bool OutputPane::DoubleClicked(LPARAM at)
{
    const LRESULT hit = SendMessageW(m_edit, EM_CHARFROMPOS, 0, at);
    const int line = HIWORD(hit);
    const std::optional<JumpTarget> target = JumpTargetOf(LineText(line));
    if (!target)
        return false;
    const LRESULT start = SendMessageW(m_edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
    const LRESULT length = SendMessageW(m_edit, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
    SendMessageW(m_edit, EM_SETSEL, static_cast<WPARAM>(start), start + length);
    SendMessageW(m_edit, EM_SCROLLCARET, 0, 0);
    if (!target->path.empty() && target->line != 0 && m_events.jump)
        m_events.jump(target->path, target->line);
    return true;
}

LRESULT CALLBACK OutputPane::EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR self)
{
    auto& pane = *reinterpret_cast<OutputPane*>(self);
    switch (message) {
    case WM_LBUTTONDBLCLK:
        if (pane.DoubleClicked(lParam))
            return 0;
        break;
    case WM_CONTEXTMENU:
        if (pane.m_events.showMenu) {
            POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (lParam == -1) { // from the keyboard: under the pane's corner
                at = {0, 0};
                ClientToScreen(window, &at);
            }
            pane.m_events.showMenu(at);
            return 0;
        }
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}
