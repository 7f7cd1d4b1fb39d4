#include "win32/framework/child_frame.h"

#include "core/doc/text_doc.h"
#include "win32/app/gdi_fonts.h"
#include "win32/app/text_conversion.h"
#include "win32/app/window_class.h"
#include "win32/res/commands.h"
#include "win32/res/resource.h"

#include <windowsx.h>

#include <algorithm>

namespace {

const wchar_t kChildClass[] = L"NovedaChildFrame";
constexpr UINT kFocusPane = WM_APP + 1;

void RegisterChildClass()
{
    [[maybe_unused]] static const bool registered = RegisterWindowClass(
        {kChildClass, DefMDIChildProcW, IDC_SIZENS, COLOR_BTNFACE, 0, IDR_TEXTTYPE});
}

} // namespace

CChildFrame::CChildFrame(HWND mdiClient, CTextDoc& doc, ViewShared& shared, Events events,
                         const WindowPlacement& placement, HMENU textContextMenu)
    : m_doc(doc), m_shared(shared), m_events(std::move(events)), m_textContextMenu(textContextMenu)
{
    RegisterChildClass();
    const bool maximized = placement.status == SW_SHOWMAXIMIZED;
    m_window = CreateMDIWindowW(kChildClass, L"", WS_CHILD | WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN |
                                                     (maximized ? WS_MAXIMIZE : 0),
                                placement.left, placement.top, placement.right - placement.left,
                                placement.bottom - placement.top, mdiClient, GetModuleHandleW(nullptr), 0);
    if (placement.status == SW_SHOWMINIMIZED)
        ShowWindow(m_window, SW_MINIMIZE);
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CChildFrame::Proc));
    AddPane();
    SetTitle(doc.GetTitle());
    Layout();
    // Activated while being created, before this procedure took over.
    PostMessageW(m_window, kFocusPane, 0, 0);
}

CChildFrame::~CChildFrame()
{
    m_panes.clear();
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    SendMessageW(GetParent(m_window), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_window), 0);
}

// The active pane's view is the active view: its code page becomes the
// current one.
void CChildFrame::Activate(bool active)
{
    for (std::size_t i = 0; i < m_panes.size(); ++i)
        m_panes[i]->View().OnActivateView(active && i == m_activePane);
}

void CChildFrame::SetTitle(const std::string& cp1251)
{
    SetWindowTextW(m_window, FromCp1251(cp1251).c_str());
}

void CChildFrame::AddPane()
{
    const ViewWindow* active = m_panes.empty() ? nullptr : m_panes[m_activePane].get();
    auto pane = std::make_unique<ViewWindow>(m_window, m_doc, m_shared, active, m_textContextMenu);
    pane->onFocus = [this](ViewWindow& focused) {
        for (std::size_t i = 0; i < m_panes.size(); ++i)
            if (m_panes[i].get() == &focused)
                m_activePane = i;
        Activate(true);
        if (m_events.activated)
            m_events.activated(*this);
    };
    m_panes.push_back(std::move(pane));
}

void CChildFrame::Split(bool on)
{
    if (on == (m_panes.size() == 2))
        return;
    if (on) {
        RECT client{};
        GetClientRect(m_window, &client);
        m_splitY = client.bottom / 2;
        AddPane();
    } else {
        m_panes.pop_back();
        m_activePane = 0;
    }
    Layout();
    SetFocus(ActivePane().Window());
}

void CChildFrame::Layout()
{
    RECT client{};
    GetClientRect(m_window, &client);
    if (m_panes.size() == 1) {
        MoveWindow(m_panes[0]->Window(), 0, 0, client.right, client.bottom, TRUE);
        return;
    }
    m_splitY = std::clamp(m_splitY, 0, std::max(0, static_cast<int>(client.bottom) - BarHeight()));
    MoveWindow(m_panes[0]->Window(), 0, 0, client.right, m_splitY, TRUE);
    const int below = m_splitY + BarHeight();
    MoveWindow(m_panes[1]->Window(), 0, below, client.right, std::max(0, static_cast<int>(client.bottom) - below),
               TRUE);
}

// A pane dragged smaller than the minimum goes; the other fills the window.
void CChildFrame::DropPaneIfTooSmall()
{
    RECT client{};
    GetClientRect(m_window, &client);
    if (m_splitY < ScaledForDpi(kMinPane, WindowDpi(m_window))) {
        m_panes.erase(m_panes.begin());
    } else if (client.bottom - m_splitY - BarHeight() < ScaledForDpi(kMinPane, WindowDpi(m_window))) {
        m_panes.pop_back();
    } else {
        return;
    }
    m_activePane = 0;
    Layout();
}

std::span<const CommandEntry<CChildFrame>> CChildFrame::Commands()
{
    static constexpr CommandEntry<CChildFrame> kTable[] = {
        {ID_WINDOW_SPLIT, ID_WINDOW_SPLIT, &CChildFrame::ToggleSplit, &CChildFrame::SplitState},
        {ID_NEXT_PANE, ID_PREV_PANE, &CChildFrame::OtherPane},
    };
    return kTable;
}

bool CChildFrame::OnCommand(int id)
{
    return RunFromTable(*this, Commands(), id);
}

std::optional<CommandUpdate> CChildFrame::OnUpdateCommand(int id)
{
    return UpdateFromTable(*this, Commands(), id);
}

void CChildFrame::ToggleSplit(int)
{
    Split(m_panes.size() == 1);
}

// With two rows, F6 and Shift+F6 both go to the other one.
void CChildFrame::OtherPane(int)
{
    m_activePane = (m_activePane + 1) % m_panes.size();
    SetFocus(ActivePane().Window());
}

CommandUpdate CChildFrame::SplitState(int)
{
    return {true, m_panes.size() == 2, std::nullopt};
}

// True when this is the active document window and the keyboard is with
// the frame, its MDI area or a document: a dialog or the output pane keeps
// it, and a program in the background does not take it.
bool CChildFrame::KeyboardIsAmongDocuments() const
{
    HWND mdiClient = GetParent(m_window);
    HWND frame = GetParent(mdiClient);
    if (reinterpret_cast<HWND>(SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, 0)) != m_window)
        return false;
    HWND focus = GetFocus();
    if (!focus)
        return GetActiveWindow() == frame;
    return focus == frame || focus == mdiClient || IsChild(mdiClient, focus);
}

int CChildFrame::BarHeight() const
{
    return ScaledForDpi(kBarHeight, WindowDpi(m_window));
}

LRESULT CALLBACK CChildFrame::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<CChildFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefMDIChildProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT CChildFrame::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        if (!m_panes.empty())
            Layout();
        break; // the MDI child procedure needs it too
    case WM_MDIACTIVATE:
        Activate(reinterpret_cast<HWND>(lParam) == m_window);
        if (reinterpret_cast<HWND>(lParam) == m_window) {
            if (m_events.activated)
                m_events.activated(*this);
            // The system gives a new window the focus only when the frame
            // is active and then not always to the pane: the view takes it
            // once the activation is over.
            PostMessageW(m_window, kFocusPane, 0, 0);
        }
        break;
    case WM_SETFOCUS:
        // Passed on later: focusing a pane while the MDI window is still
        // activating this one would start the activation again.
        PostMessageW(m_window, kFocusPane, 0, 0);
        return 0;
    case kFocusPane:
        if (!m_panes.empty() && KeyboardIsAmongDocuments())
            SetFocus(ActivePane().Window());
        return 0;
    case WM_LBUTTONDOWN:
        if (m_panes.size() == 2) {
            m_dragging = true;
            SetCapture(m_window);
        }
        return 0;
    case WM_MOUSEMOVE:
        if (m_dragging) {
            m_splitY = GET_Y_LPARAM(lParam) - BarHeight() / 2;
            Layout();
        }
        return 0;
    case WM_LBUTTONUP:
        if (m_dragging) {
            m_dragging = false;
            ReleaseCapture();
            DropPaneIfTooSmall();
        }
        return 0;
    case WM_CLOSE:
        if (m_events.closeRequested)
            m_events.closeRequested(*this);
        return 0;
    }
    return DefMDIChildProcW(m_window, message, wParam, lParam);
}
