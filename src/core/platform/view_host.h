#pragma once

#include "core/platform/geometry.h"
#include "core/platform/log_font.h"

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Pixels in the view's client area unless said otherwise.

// The two squares of the info panel, as a description the surface draws:
// a filled circle in the bookmark colour, and the guillemet in the text
// colour placed at `glyphX`, `glyphY` inside its square. Both squares are
// `size` pixels on a panel-coloured ground.
struct PanelIcons {
    int size = 0;
    std::uint32_t panelColor = 0;
    std::uint32_t bookmarkColor = 0;
    std::uint32_t glyphColor = 0;
    char glyph = '\xBB';
    int glyphX = 0;
    int glyphY = 0;
    friend bool operator==(const PanelIcons&, const PanelIcons&) = default;
};
enum class PanelIcon { Bookmark, Wrap };

// Where a view paints. Text is cp1251, one cell per byte, in the view's
// font; colours are 0x00BBGGRR.
class Surface {
public:
    virtual ~Surface() = default;
    virtual void FillRect(const Rect& rect, std::uint32_t color) = 0;
    virtual void DrawCells(int x, int y, std::string_view cp1251, std::uint32_t textColor,
                          std::uint32_t backColor) = 0;
    virtual void DrawIcon(int x, int y, const PanelIcons& icons, PanelIcon icon) = 0;
};

struct FontMetrics {
    int height = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
};

enum class ScrollBarKind { Horizontal, Vertical };

struct ScrollBarState {
    int min = 0, max = 0, page = 0, pos = 0;
    friend bool operator==(const ScrollBarState&, const ScrollBarState&) = default;
};

// The word-completion list as the host shows it: a child window of the view
// at `rect` (client pixels), one entry per row of `itemHeight` pixels, the
// first selected. An entry's id is its keyword group (1-7) or its snippet
// command (10200 on).
struct CompletionList {
    struct Entry {
        std::string text;
        int id = 0;
        friend bool operator==(const Entry&, const Entry&) = default;
    };
    Rect rect;
    int itemHeight = 0;
    std::vector<Entry> entries;
};

// What a view needs from the window that shows it.
class ViewHost {
public:
    virtual ~ViewHost() = default;

    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    virtual int ScreenHeight() const = 0;
    // Makes `font` the view's font and measures it.
    virtual FontMetrics SetFont(const LogFont& font) = 0;
    virtual int TextWidth(std::string_view cp1251) const = 0;

    virtual void CreateCaret(int width, int height) = 0;
    virtual void ShowCaret() = 0;
    virtual void HideCaret() = 0;
    virtual void SetCaretPos(Point at) = 0;

    // A surface on the client area, painted at once (outside a paint cycle).
    virtual std::unique_ptr<Surface> ClientSurface() = 0;

    virtual void SetScrollInfo(ScrollBarKind bar, const ScrollBarState& state) = 0;
    virtual void ShowScrollBar(ScrollBarKind bar, bool show) = 0;

    virtual void SetTimer(int id, int milliseconds) = 0;
    virtual void KillTimer(int id) = 0;
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;

    // The view's context menu at a client point; `offerLink` puts "Browse
    // this link..." (command 5015) and a separator at its top.
    virtual void ShowContextMenu(Point at, bool offerLink) = 0;
    // Asks the shell to open a link.
    virtual void OpenLink(const std::string& link) = 0;
    // While a long operation runs.
    virtual void ShowWaitCursor(bool on) = 0;
    virtual void Beep() = 0;

    // The clipboard's text as bytes of code page `codePage` (0..4);
    // nothing when it holds no text or another program holds it.
    virtual std::optional<std::string> GetClipboardText(int codePage) = 0;
    virtual bool ClipboardHasText() = 0;
    // Puts text of code page `codePage` on the clipboard, as the characters
    // it stands for, so that it comes back byte for byte (box drawing too);
    // false when the clipboard cannot be taken.
    virtual bool SetClipboardText(const std::string& bytes, int codePage) = 0;

    // The file Insert File reads; nothing when the user cancels.
    virtual std::optional<std::string> AskFileToInsert() = 0;
    virtual std::tm LocalTime() = 0;

    virtual void ShowCompletionList(const CompletionList& list) = 0;
    virtual void CloseCompletionList() = 0;
};
