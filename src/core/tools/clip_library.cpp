#include "core/tools/clip_library.h"

#include "core/text/cp1251.h"

#include <fstream>
#include <iterator>

namespace {

constexpr std::string_view kHeader = "#library_name";
constexpr std::string_view kItemKey = "#clip_name";
constexpr std::string_view kKeyPrefix = "#clip_";
constexpr std::string_view kSeparator = "separator";
// Lines are read with a 1023-byte buffer: longer ones come in pieces.
constexpr std::size_t kLongestPiece = 1022;

bool IsWhite(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view TrimEnd(std::string_view s)
{
    while (!s.empty() && IsWhite(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view TrimStart(std::string_view s)
{
    while (!s.empty() && IsWhite(s.front()))
        s.remove_prefix(1);
    return s;
}

// The text after the first "=", blanks after it skipped; empty without "=".
std::string_view ValueOf(std::string_view line)
{
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return {};
    std::string_view value = line.substr(eq + 1);
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        value.remove_prefix(1);
    return value;
}

// Splits the file as a text-mode read with a fixed buffer gives it: CR LF
// read as LF, each piece ends with its LF or at the buffer's length.
std::vector<std::string_view> Pieces(std::string_view text, std::string& normalised)
{
    normalised.clear();
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            normalised += text[i];
    std::vector<std::string_view> pieces;
    std::string_view rest = normalised;
    while (!rest.empty()) {
        const std::size_t lineEnd = rest.find('\n');
        const std::size_t length = std::min(lineEnd == std::string_view::npos ? rest.size() : lineEnd + 1, kLongestPiece);
        pieces.push_back(rest.substr(0, length));
        rest.remove_prefix(length);
    }
    return pieces;
}

} // namespace

void ClipLibrary::Reset()
{
    *this = ClipLibrary();
}

bool ClipLibrary::Load(int slot, const std::string& path)
{
    Reset();
    if (path.empty())
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    const std::string text(std::istreambuf_iterator<char>(in), {});
    return !in.bad() && Read(slot, text);
}

bool ClipLibrary::Read(int slot, std::string_view fileText)
{
    Reset();
    std::string normalised;
    const std::vector<std::string_view> lines = Pieces(fileText, normalised);
    if (lines.empty() || !lines[0].starts_with(kHeader))
        return false;
    name = TrimEnd(TrimStart(ValueOf(lines[0])));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.starts_with(';'))
            continue;
        // A slot has ids for 200 items; more would take the next slot's.
        if (items.size() == kClipItemsPerSlot && line.starts_with(kItemKey))
            break;
        if (line.starts_with(kItemKey)) {
            const std::string_view value = ValueOf(line);
            if (value.size() >= kSeparator.size() && EqualsIgnoringCase(value.substr(0, kSeparator.size()), kSeparator)) {
                menu.push_back(MenuItem::Separator());
                continue;
            }
            items.emplace_back(TrimEnd(value));
            abbreviations.emplace_back();
            texts.emplace_back();
            menu.push_back(MenuItem::Command(static_cast<unsigned>(ClipCommand(slot, static_cast<int>(items.size()) - 1)),
                                             items.back()));
        } else if (line.starts_with(kKeyPrefix)) {
            if (!items.empty())
                abbreviations.back() = ValueOf(line);
        } else if (!items.empty()) {
            std::string& text = texts.back();
            if (!text.empty())
                text += "\r\n";
            text += TrimEnd(line);
        }
    }
    loaded = true;
    return true;
}

int ClipLibraries::LoadAll(const std::array<std::string, kClipSlots>& paths)
{
    for (ClipLibrary& library : slots)
        library.Reset();
    int loaded = 0;
    for (const std::string& path : paths)
        if (!path.empty() && slots[static_cast<std::size_t>(loaded)].Load(loaded, path))
            ++loaded;
    return loaded;
}

void ClipLibraries::PutIntoActionsMenu(Menu& actions) const
{
    while (!actions.empty() && actions.front().id != ID_ACTIONS_TABS_TO_SPACES)
        actions.erase(actions.begin());
    Menu top;
    for (const ClipLibrary& library : slots) {
        if (!library.loaded)
            break;
        MenuItem popup = MenuItem::Popup(library.name, library.menu);
        popup.clipLibrary = true;
        top.push_back(std::move(popup));
    }
    if (!top.empty())
        top.push_back(MenuItem::Separator());
    actions.insert(actions.begin(), top.begin(), top.end());
}

const ClipLibrary* ClipLibraries::SlotOf(int command) const
{
    if (command < kFirstClipCommand || command >= kLastClipCommand)
        return nullptr;
    const ClipLibrary& library = slots[static_cast<std::size_t>(ClipSlotOf(command))];
    return library.loaded ? &library : nullptr;
}
