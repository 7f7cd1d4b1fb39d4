#pragma once

#include "core/app/dock_layout.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

// What a docked bar holds: one window, told about the bar's messages first
// (notifications and colour requests of its controls arrive at the bar).
class BarContent {
public:
    virtual ~BarContent() = default;
    virtual HWND Window() const = 0;
    // The content's own thickness across the edge it is docked at.
    virtual int PreferredThickness(bool horizontal) const = 0;
    virtual std::optional<LRESULT> OnBarMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// A bar docked at an edge of the frame: a gripper, or for sizing bars a
// caption with a close box, that drags the bar to another edge; the sizing
// edge of sizing bars; the content filling the rest. Commands go on to the
// frame.
class DockBar {
public:
    static constexpr int kGripper = 8;
    static constexpr int kCaption = 18;
    static constexpr int kSizingEdge = 5;

    struct Events {
        std::function<void(DockBar&, POINT screen)> dropped;
        std::function<void(DockBar&)> resized;
        std::function<void(DockBar&)> closed;
    };

    DockBar(HWND frame, DockedBar& state, std::wstring title, bool horizontalOnly, Events events);
    ~DockBar();
    DockBar(const DockBar&) = delete;
    DockBar& operator=(const DockBar&) = delete;

    HWND Window() const { return m_window; }
    DockedBar& State() { return m_state; }
    bool HorizontalOnly() const { return m_horizontalOnly; }
    void SetContent(BarContent* content);
    // Fits the state's thickness to the content (not for sizing bars).
    void FitToContent();
    void Place(const Rect& rect);
    const std::wstring& Title() const { return m_title; }
    void SetTitle(std::wstring title);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Pixels of a 96-DPI screen on this bar's screen.
    int Scaled(int pixels) const;
    RECT Inner() const;
    RECT HandleRect() const;  // the gripper or the caption
    RECT CloseBox() const;
    RECT SizingEdge() const;
    RECT ContentRect() const;
    void LayoutContent();
    void Paint(HDC dc);
    void ResizeTo(POINT client);

    HWND m_frame;
    HWND m_window = nullptr;
    DockedBar& m_state;
    std::wstring m_title;
    bool m_horizontalOnly;
    Events m_events;
    BarContent* m_content = nullptr;
    enum class Drag { None, Move, Size } m_drag = Drag::None;
    POINT m_dragStart{};
};
