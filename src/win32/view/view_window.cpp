#include "win32/view/view_window.h"

#include "core/doc/doc_strings.h"
#include "core/doc/text_doc.h"
#include "core/text/code_pages.h"
#include "win32/app/file_dialogs.h"
#include "win32/app/gdi_fonts.h"
#include "win32/app/text_conversion.h"
#include "win32/app/window_class.h"
#include "win32/res/resource.h"
#include "win32/view/completion_window.h"
#include "win32/view/gdi_surface.h"

#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <ctime>

namespace {

const wchar_t kViewClass[] = L"NovedaView";

bool KeyHeld(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}

void RegisterViewClass()
{
    [[maybe_unused]] static const bool registered = RegisterWindowClass({kViewClass, DefWindowProcW, IDC_IBEAM, -1, CS_DBLCLKS});
}

} // namespace

ViewWindow::ViewWindow(HWND parent, CTextDoc& doc, ViewShared& shared, const ViewWindow* activePane,
                       HMENU contextMenu)
    : m_contextMenu(contextMenu)
{
    RegisterViewClass();
    m_window = CreateWindowExW(0, kViewClass, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_CLIPSIBLINGS,
                               0, 0, 100, 100, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ViewWindow::Proc));
    m_view = std::make_unique<CTextView>(doc, shared, *this);
    m_view->OnInitialUpdate(activePane ? &activePane->View() : nullptr);
}

ViewWindow::~ViewWindow()
{
    m_completion.reset();
    m_view.reset();
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    DestroyWindow(m_window);
    if (m_font)
        DeleteObject(m_font);
}

bool ViewWindow::OnCommand(int id)
{
    return m_view->OnCommand(id);
}

std::optional<CommandUpdate> ViewWindow::OnUpdateCommand(int id)
{
    return m_view->UpdateCommand(id);
}

int ViewWindow::ClientWidth() const
{
    RECT r{};
    GetClientRect(m_window, &r);
    return r.right;
}

int ViewWindow::ClientHeight() const
{
    RECT r{};
    GetClientRect(m_window, &r);
    return r.bottom;
}

int ViewWindow::ScreenHeight() const
{
    return GetSystemMetrics(SM_CYSCREEN);
}

FontMetrics ViewWindow::SetFont(const LogFont& font)
{
    if (m_font)
        DeleteObject(m_font);
    m_font = CreateFontFrom(font, WindowDpi(m_window));
    WindowDc dc(m_window);
    HGDIOBJ old = SelectObject(dc.dc, m_font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc.dc, &tm);
    SelectObject(dc.dc, old);
    return {tm.tmHeight, tm.tmExternalLeading, tm.tmAveCharWidth};
}

int ViewWindow::TextWidth(std::string_view cp1251) const
{
    const std::wstring text = FromCp1251(cp1251);
    WindowDc dc(m_window);
    HGDIOBJ old = SelectObject(dc.dc, m_font);
    SIZE size{};
    GetTextExtentPoint32W(dc.dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc.dc, old);
    return size.cx;
}

void ViewWindow::CreateCaret(int width, int height)
{
    ::CreateCaret(m_window, nullptr, width, height);
}

void ViewWindow::ShowCaret()
{
    ::ShowCaret(m_window);
}

void ViewWindow::HideCaret()
{
    ::HideCaret(m_window);
}

void ViewWindow::SetCaretPos(Point at)
{
    ::SetCaretPos(at.x, at.y);
}

std::unique_ptr<Surface> ViewWindow::ClientSurface()
{
    return std::make_unique<WindowSurface>(m_window, m_font);
}

void ViewWindow::SetScrollInfo(ScrollBarKind bar, const ScrollBarState& state)
{
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, state.min, state.max,
                    static_cast<UINT>(state.page), state.pos, 0};
    ::SetScrollInfo(m_window, bar == ScrollBarKind::Vertical ? SB_VERT : SB_HORZ, &info, TRUE);
}

void ViewWindow::ShowScrollBar(ScrollBarKind bar, bool show)
{
    ::ShowScrollBar(m_window, bar == ScrollBarKind::Vertical ? SB_VERT : SB_HORZ, show);
}

void ViewWindow::SetTimer(int id, int milliseconds)
{
    ::SetTimer(m_window, static_cast<UINT_PTR>(id), static_cast<UINT>(milliseconds), nullptr);
}

void ViewWindow::KillTimer(int id)
{
    ::KillTimer(m_window, static_cast<UINT_PTR>(id));
}

void ViewWindow::SetCapture()
{
    ::SetCapture(m_window);
}

void ViewWindow::ReleaseCapture()
{
    ::ReleaseCapture();
}

// Menu 1101, owned by the main window so that its commands reach the
// active view through the frame.
void ViewWindow::ShowContextMenu(Point at, bool offerLink)
{
    HMENU popup = GetSubMenu(m_contextMenu, 0);
    if (!popup)
        return;
    if (offerLink) {
        InsertMenuW(popup, 0, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        const std::wstring text = FromCp1251(m_view->GetDocument().InterfaceText(kBrowseLink));
        InsertMenuW(popup, 0, MF_BYPOSITION | MF_STRING, ID_BROWSE_LINK, text.c_str());
    }
    POINT screen{at.x, at.y};
    ClientToScreen(m_window, &screen);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, GetAncestor(m_window, GA_ROOT),
                   nullptr);
    if (offerLink) { // the menu is the frame's: it goes back as it was
        DeleteMenu(popup, 0, MF_BYPOSITION);
        DeleteMenu(popup, 0, MF_BYPOSITION);
    }
}

void ViewWindow::OpenLink(const std::string& link)
{
    ShellExecuteW(nullptr, L"open", FromCp1251(link).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void ViewWindow::ShowWaitCursor(bool on)
{
    if (on)
        m_savedCursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    else
        SetCursor(m_savedCursor);
}

void ViewWindow::Beep()
{
    MessageBeep(0);
}

// Unicode text when there is some, else the system's 8-bit text (cp1251).
std::optional<std::string> ViewWindow::GetClipboardText(int codePage)
{
    if (!OpenClipboard(m_window))
        return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            bool leftOut = false;
            text = MappableText(chars, codePage, leftOut);
            if (leftOut)
                Beep(); // characters the view's code page lacks are not pasted
            GlobalUnlock(data);
        }
    } else if (HANDLE bytes = GetClipboardData(CF_TEXT)) {
        if (auto* chars = static_cast<const char*>(GlobalLock(bytes))) {
            text = std::string(chars);
            ConvertString(*text, CP_WIN, codePage);
            GlobalUnlock(bytes);
        }
    }
    CloseClipboard();
    return text;
}

bool ViewWindow::ClipboardHasText()
{
    return IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(CF_UNICODETEXT);
}

// Unicode text, and cp1251 text (box drawing as ASCII look-alikes) for
// programs that read 8-bit text.
bool ViewWindow::SetClipboardText(const std::string& bytes, int codePage)
{
    if (!OpenClipboard(m_window))
        return false;
    EmptyClipboard();
    bool placed = false;
    std::string cp1251 = bytes;
    ConvertString(cp1251, codePage, CP_WIN);
    if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, cp1251.size() + 1)) {
        std::memcpy(GlobalLock(block), cp1251.c_str(), cp1251.size() + 1);
        GlobalUnlock(block);
        placed = SetClipboardData(CF_TEXT, block) != nullptr;
        if (!placed)
            GlobalFree(block);
    }
    const std::wstring wide = FromCodePage(bytes, codePage);
    if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t))) {
        std::memcpy(GlobalLock(block), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(block);
        if (!SetClipboardData(CF_UNICODETEXT, block))
            GlobalFree(block);
    }
    CloseClipboard();
    return placed;
}

std::optional<std::string> ViewWindow::AskFileToInsert()
{
    const CTextDoc& doc = m_view->GetDocument();
    return ChooseFileToOpen(GetAncestor(m_window, GA_ROOT), FromCp1251(doc.InterfaceText(kInsertFileTitle)).c_str(),
                            doc.InterfaceStrings());
}

std::tm ViewWindow::LocalTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (const std::tm* t = std::localtime(&now))
        local = *t;
    return local;
}

void ViewWindow::ShowCompletionList(const CompletionList& list)
{
    m_completion.reset();
    m_completion = std::make_unique<CompletionWindow>(m_window, m_font, list);
}

void ViewWindow::CloseCompletionList()
{
    const bool hadFocus = m_completion && GetFocus() == m_completion->Window();
    m_completion.reset();
    if (hadFocus)
        SetFocus(m_window);
}

// The scroll bar's request as the view knows it: Top and Bottom (from the
// scroll bar's own menu) become thumb positions at the ends.
std::pair<int, int> ViewWindow::ScrollRequest(int bar, WPARAM wParam) const
{
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS | SIF_POS | SIF_RANGE | SIF_PAGE;
    GetScrollInfo(m_window, bar, &info);
    switch (LOWORD(wParam)) {
    case SB_THUMBTRACK: return {SCROLL_THUMB_TRACK, info.nTrackPos};
    case SB_TOP: return {SCROLL_THUMB_POSITION, info.nMin};
    case SB_BOTTOM:
        return {SCROLL_THUMB_POSITION, std::max(info.nMin, info.nMax - std::max(static_cast<int>(info.nPage) - 1, 0))};
    default: return {LOWORD(wParam), info.nPos};
    }
}

void ViewWindow::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_window, &ps);
    RECT client{};
    GetClientRect(m_window, &client);
    // Drawn aside and copied, so that the window never flickers.
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
    HGDIOBJ old = SelectObject(memory, bitmap);
    {
        GdiSurface surface(memory, m_font);
        m_view->OnDraw(surface);
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(m_window, &ps);
}

LRESULT CALLBACK ViewWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<ViewWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->m_view)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT ViewWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    const Point at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // painting covers every pixel
    case WM_SIZE:
        m_view->OnSize();
        return 0;
    case WM_SETFOCUS:
        m_view->OnSetFocus();
        if (onFocus)
            onFocus(*this);
        return 0;
    case WM_KILLFOCUS:
        m_view->OnKillFocus();
        return 0;
    case WM_KEYDOWN:
        m_view->OnKeyDown(static_cast<int>(wParam), KeyHeld(VK_SHIFT), KeyHeld(VK_CONTROL));
        return 0;
    case WM_CHAR: {
        // Characters cp1251 cannot represent are refused.
        const wchar_t typed = static_cast<wchar_t>(wParam);
        bool leftOut = false;
        const std::string code = MappableText(std::wstring_view(&typed, 1), CP_WIN, leftOut);
        if (code.size() == 1)
            m_view->OnChar(static_cast<unsigned char>(code[0]), KeyHeld(VK_SHIFT), KeyHeld(VK_CONTROL));
        else if (leftOut)
            Beep();
        return 0;
    }
    case WM_LBUTTONDOWN:
        SetFocus(m_window);
        m_view->OnLButtonDown(at, (wParam & MK_SHIFT) != 0);
        return 0;
    case WM_MOUSEMOVE:
        m_view->OnMouseMove(at);
        return 0;
    case WM_LBUTTONUP:
        m_view->OnLButtonUp();
        return 0;
    case WM_LBUTTONDBLCLK:
        m_view->OnLButtonDblClk(at);
        return 0;
    case WM_RBUTTONDOWN:
        SetFocus(m_window);
        m_view->OnRButtonDown(at);
        return 0;
    case WM_TIMER:
        m_view->OnTimer(static_cast<int>(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        m_view->OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_HSCROLL: {
        const auto [code, position] = ScrollRequest(SB_HORZ, wParam);
        if (code <= SCROLL_THUMB_TRACK)
            m_view->OnHScroll(code, position);
        return 0;
    }
    case WM_VSCROLL: {
        const auto [code, position] = ScrollRequest(SB_VERT, wParam);
        if (code <= SCROLL_THUMB_TRACK)
            m_view->OnVScroll(code, position);
        return 0;
    }
    case WM_DRAWITEM:
        return m_completion && m_completion->Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_COMMAND:
        if (m_completion && m_completion->OnCommand(wParam))
            return 0;
        return DefWindowProcW(m_window, message, wParam, lParam);
    case CompletionWindow::kChoose:
        if (m_completion)
            m_view->InsertCompletion(static_cast<int>(wParam));
        return 0;
    case CompletionWindow::kFocusLost:
        if (m_completion && GetFocus() != m_completion->Window())
            m_view->CloseCompletion();
        return 0;
    default:
        return DefWindowProcW(m_window, message, wParam, lParam);
    }
}
