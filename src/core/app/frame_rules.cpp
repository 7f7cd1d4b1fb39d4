#include "core/app/frame_rules.h"

#include "core/settings/settings_io.h"
#include "core/text/placeholder.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kClipButtonFirst = 32786;
constexpr int kClipButtonLast = 32795;
constexpr std::uint32_t kCodePageNamesFirst = 1003; // "KOI8" ... "TRANSLITE"
constexpr std::size_t kLibraryNameLimit = 80;

std::string Format(const char* format, auto... values)
{
    char text[96];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

} // namespace

StatusTexts ComputeStatusTexts(const std::optional<CaretInfo>& caret, const AppSettings& settings,
                               const StringLookup& strings)
{
    StatusTexts texts;
    if (caret) {
        const std::uint32_t line = caret->line + 1;
        const std::uint32_t lines = std::max<std::uint32_t>(caret->lines, 1);
        const std::string values[] = {std::to_string(line), std::to_string(lines), std::to_string(caret->column + 1)};
        texts.position = TextOf(kCaretPosition, strings);
        for (std::size_t i = 0; i < std::size(values); ++i)
            texts.position = FillPlaceholder(texts.position, values[i], "%" + std::to_string(i + 1));
        if (!caret->note.empty())
            texts.position += "\t\t" + caret->note;
        texts.percent = Format("%3u%%", static_cast<unsigned>(static_cast<double>(line) / lines * 100.0));
    } else {
        texts.position = TextOf(kReady, strings);
        texts.percent = " ";
    }
    texts.languageEnabled = settings.IntSwitch == 1;
    if (texts.languageEnabled) {
        texts.language = settings.Language == 1 ? "Ru" : "En";
        texts.languageImage = settings.Language == 1 ? 1 : 0;
    } else {
        texts.language = "Win";
        texts.languageImage = 2;
    }
    // The active view's code page; without one the code page the next file
    // opens in.
    texts.codePageString = kCodePageNamesFirst + (caret ? caret->codePage : settings.Encoding);
    if (caret)
        texts.unicodeName = UnicodeFormName(caret->stored);
    texts.insertMode = settings.InsMode == 1 ? " INS" : "OVR";
    return texts;
}

int LargerFontHeight(int height)
{
    return height < 0 ? height - 1 : height + 2;
}

int SmallerFontHeight(int height)
{
    return height < 0 ? height + 1 : height - 2;
}

Rect FrameRectFromPlacement(const WindowPlacement& placement, const ScreenMetrics& screen)
{
    const int width = placement.right - placement.left;
    const int height = placement.bottom - placement.top;
    const int x = std::min(placement.left + screen.workArea.left, screen.screenWidth - screen.iconWidth);
    const int y = std::min(placement.top + screen.workArea.top, screen.screenHeight - screen.iconHeight);
    return {x, y, x + width, y + height};
}

WindowPlacement NewChildPlacement(const std::optional<WindowPlacement>& stored, bool activeMaximized,
                                  int openWindows, const Rect& client, int step)
{
    const int width = std::max(1, client.Width() * 3 / 4);
    const int height = std::max(1, client.Height() * 3 / 4);
    const int steps = std::max(1, std::min(client.Width() - width, client.Height() - height) / std::max(1, step) + 1);
    const int offset = openWindows % steps * step;
    WindowPlacement placement{kPlacementNormal, offset, offset, offset + height, offset + width};
    if (stored) {
        const Rect rect{stored->left, stored->top, stored->right, stored->bottom};
        const bool stillDefault = rect == Rect{kFirstViewDefault.left, kFirstViewDefault.top, kFirstViewDefault.right,
                                               kFirstViewDefault.bottom};
        const bool useful = !stillDefault && rect.Width() > 0 && rect.Height() > 0 && rect.left >= 0 &&
                            rect.top >= 0 && rect.left < client.Width() && rect.top < client.Height();
        if (useful)
            placement = *stored;
        placement.status = stored->status;
    } else if (activeMaximized) {
        placement.status = kPlacementMaximized;
    }
    return placement;
}

std::uint32_t FileTabColour(bool encrypted, bool modified)
{
    if (encrypted)
        return modified ? 0x0000FF : 0x00007F;
    return modified ? 0xFF0000 : 0x000000;
}

std::optional<std::string> ToolbarTooltip(int command, const std::string& clipLibraryName,
                                          const StringLookup& interfaceString, const StringLookup& resourceString)
{
    if (command >= kClipButtonFirst && command <= kClipButtonLast && !clipLibraryName.empty())
        return clipLibraryName.substr(0, kLibraryNameLimit);
    std::optional<std::string> text = interfaceString(static_cast<std::uint32_t>(command));
    if (!text)
        text = resourceString(static_cast<std::uint32_t>(command));
    if (!text)
        return std::nullopt;
    const std::size_t tip = text->find('\n');
    return tip == std::string::npos ? *text : text->substr(tip + 1);
}

std::string ToolbarButtonName(int command, const StringLookup& interfaceString, const StringLookup& resourceString)
{
    if (command >= kClipButtonFirst && command <= kClipButtonLast)
        return "Clip library " + std::to_string(command - kClipButtonFirst + 1);
    return ToolbarTooltip(command, "", interfaceString, resourceString).value_or("");
}
