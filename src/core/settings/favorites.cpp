#include "core/settings/favorites.h"

#include "core/settings/command_ids.h"
#include "core/text/cp1251.h"
#include "core/text/setup_file.h"
#include "core/text/unicode_text.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace {

// A decimal number filling the whole token.
template <typename T>
bool ParseNumber(std::string_view token, T& value)
{
    if (!token.empty() && token.front() == '+')
        token.remove_prefix(1);
    const char* end = token.data() + token.size();
    const auto result = std::from_chars(token.data(), end, value);
    return !token.empty() && result.ec == std::errc() && result.ptr == end;
}

std::vector<std::string_view> SplitAtBlanks(std::string_view line)
{
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            tokens.push_back(line.substr(start, i - start));
    }
    return tokens;
}

bool ParseNumbersLine(std::string_view line, Favorite& favorite)
{
    const std::vector<std::string_view> tokens = SplitAtBlanks(line);
    int encoding = 0;
    std::int32_t count = 0;
    if (tokens.size() < 4 || !ParseNumber(tokens[0], favorite.caretCol) ||
        !ParseNumber(tokens[1], favorite.caretLine) || !ParseNumber(tokens[2], encoding) ||
        !ParseNumber(tokens[3], count))
        return false;
    // A value that names neither a code page nor a Unicode form is shown as WIN.
    favorite.encoding = NamedEncoding(encoding).value_or(std::uint8_t{CP_WIN});
    if (count < 1)
        return true;
    if (tokens.size() - 4 < static_cast<std::size_t>(count))
        return false;
    for (std::int32_t i = 0; i < count; ++i) {
        std::uint32_t lineNumber = 0;
        if (!ParseNumber(tokens[4 + static_cast<std::size_t>(i)], lineNumber))
            return false;
        favorite.bookmarks.push_back(lineNumber);
    }
    return true;
}

} // namespace

std::vector<Favorite> ReadFavorites(SetupReader& reader)
{
    std::vector<Favorite> favorites;
    std::string pathLine;
    std::string numbersLine;
    while (favorites.size() < kMaxFavorites && reader.ReadSetupLine(pathLine)) {
        if (!reader.ReadSetupLine(numbersLine))
            break;
        Favorite favorite;
        favorite.path = pathLine;
        if (ParseNumbersLine(numbersLine, favorite))
            favorites.push_back(std::move(favorite));
    }
    return favorites;
}

std::vector<Favorite> LoadFavorites(const std::string& path)
{
    auto reader = SetupReader::Open(path);
    return reader ? ReadFavorites(*reader) : std::vector<Favorite>{};
}

std::vector<std::string> FavoriteLines(const std::vector<Favorite>& favorites)
{
    std::vector<std::string> lines;
    for (const Favorite& f : favorites) {
        lines.push_back(f.path);
        std::ostringstream numbers;
        numbers << f.caretCol << ' ' << f.caretLine << ' ' << int(f.encoding) << ' ' << f.bookmarks.size();
        for (std::uint32_t line : f.bookmarks)
            numbers << ' ' << line;
        lines.push_back(numbers.str());
    }
    return lines;
}

bool SaveFavorites(const std::string& path, const std::vector<Favorite>& favorites)
{
    return WriteSetupFile(path, FavoriteLines(favorites));
}

Favorite* FindFavorite(std::vector<Favorite>& favorites, const std::string& path)
{
    const auto it = std::find_if(favorites.begin(), favorites.end(),
                                 [&](const Favorite& f) { return EqualsIgnoringCase(f.path, path); });
    return it == favorites.end() ? nullptr : &*it;
}

bool RecordFavorite(std::vector<Favorite>& favorites, FavoriteSubject& subject, bool updateOnly, int& changed)
{
    if (subject.PathName().empty()) {
        if (updateOnly)
            return false;
        subject.AskToSave();
    }
    const std::string path = subject.PathName();
    if (path.empty())
        return false;

    Favorite* entry = FindFavorite(favorites, path);
    if (!entry) {
        if (updateOnly || favorites.size() >= kMaxFavorites)
            return false;
        favorites.push_back(Favorite{});
        entry = &favorites.back();
        entry->path = path;
    }
    entry->caretCol = subject.CaretCol();
    entry->caretLine = subject.CaretLine();
    entry->encoding = subject.Encoding();
    entry->bookmarks = subject.BookmarkedLines();
    std::sort(entry->bookmarks.begin(), entry->bookmarks.end());
    changed = 1;
    return true;
}

Menu FavoritesMenuEntries(const std::vector<Favorite>& favorites, const std::string& noFavorites)
{
    Menu items;
    for (std::size_t i = 0; i < favorites.size(); ++i)
        items.push_back(MenuItem::Command(ID_FAVORITES_FIRST + static_cast<unsigned>(i), favorites[i].path));
    if (items.empty()) {
        items.push_back(MenuItem::Command(ID_FAVORITES_FIRST, noFavorites));
        items.back().disabled = true;
    }
    return items;
}

int DeleteFavorite(std::vector<Favorite>& favorites, int selected, int& changed)
{
    if (selected < 0 || selected >= static_cast<int>(favorites.size()))
        return selected;
    favorites.erase(favorites.begin() + selected);
    changed = 1;
    return std::min(selected, static_cast<int>(favorites.size()) - 1);
}

int MoveFavorite(std::vector<Favorite>& favorites, int selected, bool up, int& changed)
{
    const int other = up ? selected - 1 : selected + 1;
    if (selected < 0 || selected >= static_cast<int>(favorites.size()) || other < 0 ||
        other >= static_cast<int>(favorites.size()))
        return selected;
    std::swap(favorites[static_cast<std::size_t>(selected)], favorites[static_cast<std::size_t>(other)]);
    changed = 1;
    return other;
}
