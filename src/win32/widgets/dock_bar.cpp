#include "win32/widgets/dock_bar.h"

#include "win32/app/gdi_fonts.h"
#include "win32/app/window_class.h"

#include <windowsx.h>

#include <cstdlib>

namespace {

const wchar_t kDockBarClass[] = L"NovedaDockBar";
constexpr int kDragThreshold = 4;

bool Contains(const RECT& r, POINT p)
{
    return PtInRect(&r, p) != 0;
}

} // namespace

DockBar::DockBar(HWND frame, DockedBar& state, std::wstring title, bool horizontalOnly, Events events)
    : m_frame(frame), m_state(state), m_title(std::move(title)), m_horizontalOnly(horizontalOnly),
      m_events(std::move(events))
{
    [[maybe_unused]] static const bool registered = RegisterWindowClass({kDockBarClass, &DockBar::Proc});
    m_window = CreateWindowExW(0, kDockBarClass, m_title.c_str(), WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0,
                               0, 0, 0, frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(state.id)),
                               GetModuleHandleW(nullptr), this);
}

DockBar::~DockBar()
{
    if (m_window) {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
}

void DockBar::SetContent(BarContent* content)
{
    m_content = content;
    SetParent(content->Window(), m_window);
    LayoutContent();
}

void DockBar::FitToContent()
{
    if (!m_content || m_state.sizing)
        return;
    const int frame = 4; // two pixels of border on each side
    m_state.sizes.horzCY = m_content->PreferredThickness(true) + frame;
    m_state.sizes.vertCX = m_content->PreferredThickness(false) + frame;
}

void DockBar::Place(const Rect& rect)
{
    if (!m_state.visible) {
        ShowWindow(m_window, SW_HIDE);
        return;
    }
    SetWindowPos(m_window, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    LayoutContent();
    InvalidateRect(m_window, nullptr, TRUE);
}

// The client area less the sizing edge.
RECT DockBar::Inner() const
{
    RECT r;
    GetClientRect(m_window, &r);
    const RECT edge = SizingEdge();
    if (IsRectEmpty(&edge))
        return r;
    switch (m_state.side) {
    case DockSide::Top: r.bottom = edge.top; break;
    case DockSide::Bottom: r.top = edge.bottom; break;
    case DockSide::Left: r.right = edge.left; break;
    case DockSide::Right: r.left = edge.right; break;
    }
    return r;
}

int DockBar::Scaled(int pixels) const
{
    return ScaledForDpi(pixels, WindowDpi(m_window));
}

RECT DockBar::HandleRect() const
{
    RECT r = Inner();
    if (m_state.sizing)
        r.bottom = r.top + Scaled(kCaption);
    else if (m_state.Horizontal())
        r.right = r.left + Scaled(kGripper);
    else
        r.bottom = r.top + Scaled(kGripper);
    return r;
}

RECT DockBar::CloseBox() const
{
    if (!m_state.sizing)
        return {};
    const RECT r = HandleRect();
    return {r.right - Scaled(kCaption), r.top + 2, r.right - 2, r.bottom - 2};
}

// The edge that faces the documents.
RECT DockBar::SizingEdge() const
{
    RECT r;
    GetClientRect(m_window, &r);
    if (!m_state.sizing)
        return {};
    switch (m_state.side) {
    case DockSide::Top: r.top = r.bottom - Scaled(kSizingEdge); break;
    case DockSide::Bottom: r.bottom = r.top + Scaled(kSizingEdge); break;
    case DockSide::Left: r.left = r.right - Scaled(kSizingEdge); break;
    case DockSide::Right: r.right = r.left + Scaled(kSizingEdge); break;
    }
    return r;
}

RECT DockBar::ContentRect() const
{
    RECT r = Inner();
    const RECT handle = HandleRect();
    if (m_state.sizing || !m_state.Horizontal())
        r.top = handle.bottom;
    else
        r.left = handle.right;
    InflateRect(&r, -2, -2);
    return r;
}

void DockBar::SetTitle(std::wstring title)
{
    m_title = std::move(title);
    SetWindowTextW(m_window, m_title.c_str());
    InvalidateRect(m_window, nullptr, TRUE);
}

void DockBar::LayoutContent()
{
    if (!m_content)
        return;
    const RECT r = ContentRect();
    MoveWindow(m_content->Window(), r.left, r.top, std::max(0L, r.right - r.left), std::max(0L, r.bottom - r.top),
               TRUE);
}

void DockBar::Paint(HDC dc)
{
    const RECT handle = HandleRect();
    if (m_state.sizing) {
        RECT text = handle;
        text.left += 6;
        SetBkMode(dc, TRANSPARENT);
        HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        DrawTextW(dc, m_title.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        SelectObject(dc, old);
        RECT close = CloseBox();
        DrawFrameControl(dc, &close, DFC_CAPTION, DFCS_CAPTIONCLOSE | DFCS_FLAT);
        RECT edge = SizingEdge();
        DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
        return;
    }
    // Two etched lines along the gripper.
    for (int i = 0; i < 2; ++i) {
        RECT line = handle;
        if (m_state.Horizontal()) {
            line.left += 2 + 3 * i;
            line.right = line.left + 3;
            InflateRect(&line, 0, -3);
        } else {
            line.top += 2 + 3 * i;
            line.bottom = line.top + 3;
            InflateRect(&line, -3, 0);
        }
        DrawEdge(dc, &line, BDR_RAISEDINNER, BF_RECT);
    }
}

void DockBar::ResizeTo(POINT client)
{
    RECT r;
    GetClientRect(m_window, &r);
    int size = 0;
    switch (m_state.side) {
    case DockSide::Top: size = client.y; break;
    case DockSide::Bottom: size = r.bottom - client.y; break;
    case DockSide::Left: size = client.x; break;
    case DockSide::Right: size = r.right - client.x; break;
    }
    size = std::max<int>(size, Scaled(kCaption) + 2 * Scaled(kSizingEdge));
    (m_state.Horizontal() ? m_state.sizes.horzCY : m_state.sizes.vertCX) = size;
    if (m_events.resized)
        m_events.resized(*this);
}

LRESULT CALLBACK DockBar::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = WindowOwner<DockBar>(window, message, lParam);
    if (!self || !self->m_window)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT DockBar::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_content)
        if (const std::optional<LRESULT> handled = m_content->OnBarMessage(message, wParam, lParam))
            return *handled;
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
        return SendMessageW(m_frame, message, wParam, lParam);
    case WM_SIZE:
        LayoutContent();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_window, &ps);
        Paint(dc);
        EndPaint(m_window, &ps);
        return 0;
    }
    case WM_SETCURSOR: {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(m_window, &p);
        LPCWSTR cursor = nullptr;
        if (Contains(SizingEdge(), p))
            cursor = m_state.Horizontal() ? IDC_SIZENS : IDC_SIZEWE;
        else if (Contains(HandleRect(), p) && !Contains(CloseBox(), p))
            cursor = IDC_SIZEALL;
        if (!cursor)
            break;
        SetCursor(LoadCursorW(nullptr, cursor));
        return TRUE;
    }
    case WM_LBUTTONDOWN: {
        if (Contains(CloseBox(), at)) {
            if (m_events.closed)
                m_events.closed(*this);
            return 0;
        }
        if (Contains(SizingEdge(), at))
            m_drag = Drag::Size;
        else if (Contains(HandleRect(), at))
            m_drag = Drag::Move;
        else
            break;
        m_dragStart = at;
        SetCapture(m_window);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (m_drag == Drag::Size)
            ResizeTo(at);
        return 0;
    case WM_LBUTTONUP: {
        const Drag drag = m_drag;
        m_drag = Drag::None;
        ReleaseCapture();
        const bool moved = std::abs(at.x - m_dragStart.x) > kDragThreshold || std::abs(at.y - m_dragStart.y) > kDragThreshold;
        if (drag == Drag::Move && moved && m_events.dropped) {
            POINT screen = at;
            ClientToScreen(m_window, &screen);
            m_events.dropped(*this, screen);
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        m_drag = Drag::None;
        return 0;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}
