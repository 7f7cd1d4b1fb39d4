#include "win32/widgets/status_bar.h"

#include "win32/app/dpi_images.h"
#include "win32/app/gdi_fonts.h"
#include "win32/app/text_conversion.h"
#include "win32/res/resource.h"

#include <commctrl.h>

#include <algorithm>

namespace {

// Panes 7001, 7002, 7003, 59140 at least, at 96 DPI; wider when a text
// needs it.
constexpr int kLeastWidths[] = {33, 45, 45, 35};
constexpr int kLanguagePane = 2;
constexpr int kTextMargin = 4;
constexpr int kIconRoom = 18;
constexpr COLORREF kIconMask = RGB(192, 192, 192);

class StatusProgress : public ProgressMeter {
public:
    explicit StatusProgress(HWND control) : m_control(control) {}
    ~StatusProgress() override { DestroyWindow(m_control); }
    void SetRange(int low, int high) override { SendMessageW(m_control, PBM_SETRANGE32, low, high); }
    void SetPos(int pos) override { Send(PBM_SETPOS, pos); }

private:
    // Long operations run without a message loop: paint at once.
    void Send(UINT message, int value)
    {
        SendMessageW(m_control, message, value, 0);
        UpdateWindow(m_control);
    }
    HWND m_control;
};

} // namespace

StatusBar::StatusBar(HWND frame, const LogFont& font) : m_font(font, WindowDpi(frame))
{
    m_window = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, frame,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDW_STATUS_BAR)),
                               GetModuleHandleW(nullptr), nullptr);
    SetFont(font);
}

void StatusBar::SetFont(const LogFont& font)
{
    const int dpi = WindowDpi(m_window);
    m_font.Reset(font, dpi);
    if (m_languageIcons)
        ImageList_Destroy(m_languageIcons);
    const ImageStrip icons[] = {{IDB_LANGUAGE_ICONS, 16, 15}};
    m_languageIcons = LoadScaledImages(ChooseStrip(icons, dpi), kIconMask);
    SendMessageW(m_window, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), TRUE);
    for (int i = 1; i < kPaneCount; ++i)
        m_widths[static_cast<std::size_t>(i)] = std::max(ScaledForDpi(kLeastWidths[i - 1], dpi),
                                                         PartWidthFor(i, m_texts[static_cast<std::size_t>(i)]));
    Resize();
}

int StatusBar::PartWidthFor(int index, const std::wstring& text) const
{
    int borders[3] = {}; // horizontal, vertical, between panes
    SendMessageW(m_window, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    return WidthFor(index, text) + borders[2];
}

int StatusBar::WidthFor(int index, const std::wstring& text) const
{
    const int dpi = WindowDpi(m_window);
    HDC dc = GetDC(m_window);
    HGDIOBJ old = SelectObject(dc, m_font.Get());
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(m_window, dc);
    const int icon = index == kLanguagePane ? kIconRoom : 0;
    return extent.cx + ScaledForDpi(2 * kTextMargin + icon, dpi);
}

StatusBar::~StatusBar()
{
    if (m_languageIcons)
        ImageList_Destroy(m_languageIcons);
}

int StatusBar::Height() const
{
    RECT r;
    GetWindowRect(m_window, &r);
    return r.bottom - r.top;
}

void StatusBar::Resize()
{
    SendMessageW(m_window, WM_SIZE, 0, 0);
    RECT client;
    GetClientRect(m_window, &client);
    int edges[kPaneCount];
    int right = client.right - GetSystemMetrics(SM_CXVSCROLL); // room for the size grip
    for (int i = kPaneCount - 1; i > 0; --i) {
        edges[i] = right;
        right -= m_widths[static_cast<std::size_t>(i)];
    }
    edges[0] = right;
    SendMessageW(m_window, SB_SETPARTS, kPaneCount, reinterpret_cast<LPARAM>(edges));
    for (int i = 0; i < kPaneCount; ++i)
        SendMessageW(m_window, SB_SETTEXTW, i | SBT_OWNERDRAW, i);
}

void StatusBar::Show(const StatusTexts& texts, const std::wstring& codePage)
{
    const std::wstring latest[kPaneCount] = {FromCp1251(texts.position), FromCp1251(texts.percent),
                                             FromCp1251(texts.language), codePage, FromCp1251(texts.insertMode)};
    if (texts.languageEnabled != m_languageEnabled || texts.languageImage != m_languageImage) {
        m_languageEnabled = texts.languageEnabled;
        m_languageImage = texts.languageImage;
        m_texts[kLanguagePane].clear(); // repaint the icon
    }
    bool wider = false;
    for (int i = 1; i < kPaneCount; ++i)
        if (const int needed = PartWidthFor(i, latest[i]); needed > m_widths[static_cast<std::size_t>(i)]) {
            m_widths[static_cast<std::size_t>(i)] = needed;
            wider = true;
        }
    if (wider)
        Resize();
    for (int i = 0; i < kPaneCount; ++i)
        SetPaneText(i, latest[i]);
}

void StatusBar::SetPaneText(int index, std::wstring text)
{
    std::wstring& pane = m_texts[static_cast<std::size_t>(index)];
    if (pane == text)
        return;
    pane = std::move(text);
    RECT r;
    SendMessageW(m_window, SB_GETRECT, index, reinterpret_cast<LPARAM>(&r));
    InvalidateRect(m_window, &r, FALSE);
}

void StatusBar::Draw(const DRAWITEMSTRUCT& item)
{
    const int index = static_cast<int>(item.itemID);
    if (index < 0 || index >= kPaneCount)
        return;
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    // Flat: one shadow line on the left of every pane but the first.
    if (index > 0) {
        RECT line{r.left, r.top + 1, r.left + 1, r.bottom - 1};
        FillRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
    }
    const int dpi = WindowDpi(m_window);
    r.left += ScaledForDpi(kTextMargin, dpi);
    SetBkMode(dc, TRANSPARENT);
    const std::wstring& text = m_texts[static_cast<std::size_t>(index)];
    if (index == kLanguagePane) {
        if (m_languageIcons)
        {
            int width = 0, height = 0;
            ImageList_GetIconSize(m_languageIcons, &width, &height);
            ImageList_Draw(m_languageIcons, m_languageImage, dc, r.left, r.top + (r.bottom - r.top - height) / 2,
                           ILD_TRANSPARENT);
        }
        r.left += ScaledForDpi(kIconRoom, dpi);
        SetTextColor(dc, GetSysColor(m_languageEnabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    }
    // Two tabs right-align what follows them.
    const std::size_t tabs = text.find(L"\t\t");
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    DrawTextW(dc, text.substr(0, tabs).c_str(), -1, &r, format | DT_LEFT);
    if (tabs != std::wstring::npos) {
        RECT right = r;
        right.right -= ScaledForDpi(kTextMargin, dpi);
        DrawTextW(dc, text.substr(tabs + 2).c_str(), -1, &right, format | DT_RIGHT);
    }
}

std::unique_ptr<ProgressMeter> StatusBar::ShowProgress(const std::wstring& label)
{
    SetPaneText(0, label);
    UpdateWindow(m_window);
    RECT pane;
    SendMessageW(m_window, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&pane));
    HDC dc = GetDC(m_window);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(m_window, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, label.c_str(), static_cast<int>(label.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(m_window, dc);
    const int left = pane.left + 4 + extent.cx + 2;
    HWND control = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, left, pane.top + 1,
                                   std::max(0, static_cast<int>(pane.right) - left - 2), pane.bottom - pane.top - 2,
                                   m_window, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!control)
        return nullptr;
    return std::make_unique<StatusProgress>(control);
}
