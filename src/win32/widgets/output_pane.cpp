#include "win32/widgets/output_pane.h"

#include "win32/app/gdi_fonts.h"

OutputPane::OutputPane(HWND parent, const LogFont& font, std::uint32_t text, std::uint32_t background)
    : m_text(text), m_backgroundColour(background)
{
    m_edit = CreateWindowExW(0, L"EDIT", nullptr,
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                                 ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL,
                             0, 0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    m_font = font.FaceName().empty() ? nullptr : CreateFontFrom(font);
    SendMessageW(m_edit, WM_SETFONT,
                 reinterpret_cast<WPARAM>(m_font ? m_font : static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT))), FALSE);
    m_background = CreateSolidBrush(m_backgroundColour);
}

OutputPane::~OutputPane()
{
    DestroyWindow(m_edit);
    if (m_font)
        DeleteObject(m_font);
    DeleteObject(m_background);
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
