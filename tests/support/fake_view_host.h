#pragma once

#include "core/platform/view_host.h"
#include "core/text/code_pages.h"

#include <ctime>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <vector>

// One thing a view painted.
struct PaintCall {
    enum Kind { Fill, Text, Icon } kind;
    Rect rect;           // Fill
    int x = 0, y = 0;    // Text, Icon
    std::string text;    // Text
    std::uint32_t fore = 0, back = 0;
    PanelIcon icon = PanelIcon::Bookmark;
};

class RecordingSurface : public Surface {
public:
    explicit RecordingSurface(std::vector<PaintCall>& log) : m_log(log) {}
    void FillRect(const Rect& rect, std::uint32_t color) override
    {
        m_log.push_back({PaintCall::Fill, rect, 0, 0, {}, 0, color});
    }
    void DrawCells(int x, int y, std::string_view text, std::uint32_t fore, std::uint32_t back) override
    {
        m_log.push_back({PaintCall::Text, {}, x, y, std::string(text), fore, back});
    }
    void DrawIcon(int x, int y, const PanelIcons&, PanelIcon icon) override
    {
        m_log.push_back({PaintCall::Icon, {}, x, y, {}, 0, 0, icon});
    }

private:
    std::vector<PaintCall>& m_log;
};

// A window of a fixed size with a font of 8 x 16 pixels that remembers what
// the view asked of it.
class FakeViewHost : public ViewHost {
public:
    int ClientWidth() const override { return width; }
    int ClientHeight() const override { return height; }
    int ScreenHeight() const override { return 768; }
    FontMetrics SetFont(const LogFont&) override { return metrics; }
    int TextWidth(std::string_view text) const override { return static_cast<int>(text.size()) * metrics.aveCharWidth; }

    void CreateCaret(int w, int h) override { caretSize = {w, h}; }
    void ShowCaret() override { ++caretShows; }
    void HideCaret() override { ++caretHides; }
    void SetCaretPos(Point at) override { caretPos = at; }

    std::unique_ptr<Surface> ClientSurface() override { return std::make_unique<RecordingSurface>(painted); }

    void SetScrollInfo(ScrollBarKind bar, const ScrollBarState& state) override { scrollInfo[bar] = state; }
    void ShowScrollBar(ScrollBarKind bar, bool show) override { scrollShown[bar] = show; }

    void SetTimer(int id, int ms) override { timers[id] = ms; }
    void KillTimer(int id) override { timers.erase(id); }
    void SetCapture() override { captured = true; }
    void ReleaseCapture() override { captured = false; }

    void ShowContextMenu(Point at, bool offerLink) override { menus.push_back({at, offerLink}); }
    void OpenLink(const std::string& link) override { opened.push_back(link); }
    void ShowWaitCursor(bool on) override { waitCursor = on; }
    void Beep() override { ++beeps; }

    // The clipboard keeps the bytes with their code page, as the system's
    // Unicode text does; read in another code page they are converted.
    std::optional<std::string> GetClipboardText(int codePage) override
    {
        if (clipboardBusy || !clipboard)
            return std::nullopt;
        std::string text = *clipboard;
        ConvertString(text, clipboardCodePage, codePage);
        return text;
    }
    bool ClipboardHasText() override { return clipboard.has_value(); }
    bool SetClipboardText(const std::string& text, int codePage) override
    {
        if (clipboardBusy)
            return false;
        clipboard = text;
        clipboardCodePage = codePage;
        return true;
    }
    std::optional<std::string> AskFileToInsert() override { return fileToInsert; }
    std::tm LocalTime() override { return now; }
    void ShowCompletionList(const CompletionList& list) override { completion = list; }
    void CloseCompletionList() override { completion.reset(); }

    int width = 808; // 100 columns after the 5-pixel gap, with no panel
    int height = 960; // 60 rows
    FontMetrics metrics{16, 0, 8};
    Point caretSize;
    Point caretPos{-1, -1};
    int caretShows = 0;
    int caretHides = 0;
    std::vector<PaintCall> painted;
    std::map<ScrollBarKind, ScrollBarState> scrollInfo;
    std::map<ScrollBarKind, bool> scrollShown;
    std::map<int, int> timers;
    bool captured = false;
    struct Menu {
        Point at;
        bool offerLink;
    };
    std::vector<Menu> menus;
    std::vector<std::string> opened;
    bool waitCursor = false;
    int beeps = 0;
    std::optional<std::string> clipboard;
    int clipboardCodePage = 4; // WIN
    bool clipboardBusy = false;
    std::optional<std::string> fileToInsert;
    std::tm now = [] {
        std::tm t{};
        t.tm_year = 2026 - 1900;
        t.tm_mon = 11;
        t.tm_mday = 8;
        t.tm_hour = 9;
        t.tm_min = 5;
        t.tm_sec = 7;
        return t;
    }();
    std::optional<CompletionList> completion;
};
