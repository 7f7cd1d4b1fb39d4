#pragma once

#include "core/view/text_view.h"
#include "core/settings/command_routing.h"

#include <windows.h>

#include <functional>
#include <memory>

// The window that shows a CTextView: it answers the view's requests with
// the Windows API and hands it keys, characters, mouse and scroll messages.
class CompletionWindow;

class ViewWindow : public ViewHost, public CommandTarget {
public:
    // A child of `parent`; a new pane of a split window starts where
    // `activePane` shows. `contextMenu` is the frame's menu 1101.
    ViewWindow(HWND parent, CTextDoc& doc, ViewShared& shared, const ViewWindow* activePane, HMENU contextMenu);
    ~ViewWindow() override;
    ViewWindow(const ViewWindow&) = delete;
    ViewWindow& operator=(const ViewWindow&) = delete;

    HWND Window() const { return m_window; }
    // Told when the window gets the keyboard focus.
    std::function<void(ViewWindow&)> onFocus;
    CTextView& View() { return *m_view; }
    // The word-completion list while it is shown.
    CompletionWindow* Completion() const { return m_completion.get(); }
    const CTextView& View() const { return *m_view; }

    // CommandTarget: the view's own commands.
    bool OnCommand(int id) override;
    std::optional<CommandUpdate> OnUpdateCommand(int id) override;

    // ViewHost.
    int ClientWidth() const override;
    int ClientHeight() const override;
    int ScreenHeight() const override;
    FontMetrics SetFont(const LogFont& font) override;
    int TextWidth(std::string_view cp1251) const override;
    void CreateCaret(int width, int height) override;
    void ShowCaret() override;
    void HideCaret() override;
    void SetCaretPos(Point at) override;
    std::unique_ptr<Surface> ClientSurface() override;
    void SetScrollInfo(ScrollBarKind bar, const ScrollBarState& state) override;
    void ShowScrollBar(ScrollBarKind bar, bool show) override;
    void SetTimer(int id, int milliseconds) override;
    void KillTimer(int id) override;
    void SetCapture() override;
    void ReleaseCapture() override;
    void ShowContextMenu(Point at, bool offerLink) override;
    void OpenLink(const std::string& link) override;
    void ShowWaitCursor(bool on) override;
    void Beep() override;
    std::optional<std::string> GetClipboardText(int codePage) override;
    bool ClipboardHasText() override;
    bool SetClipboardText(const std::string& bytes, int codePage) override;
    std::optional<std::string> AskFileToInsert() override;
    std::tm LocalTime() override;
    void ShowCompletionList(const CompletionList& list) override;
    void CloseCompletionList() override;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    std::pair<int, int> ScrollRequest(int bar, WPARAM wParam) const;

    HWND m_window = nullptr;
    HFONT m_font = nullptr;
    HCURSOR m_savedCursor = nullptr;
    HMENU m_contextMenu;
    std::unique_ptr<CTextView> m_view;
    std::unique_ptr<CompletionWindow> m_completion;
};
