#pragma once

#include "core/settings/menu_model.h"
#include "core/text/code_pages.h"

#include <cstdint>
#include <string>
#include <vector>

class SetupReader;

// A file the user keeps, with how it was left: caret, code page, bookmarks.
struct Favorite {
    std::int32_t caretCol = 0;
    std::int32_t caretLine = 0;
    std::uint8_t encoding = CP_WIN; // a code page, or UTF-8 or UTF-16 (the Encoding box's value)
    std::string path;                     // identifies the entry, letter case aside
    std::vector<std::uint32_t> bookmarks; // ascending line numbers

    friend bool operator==(const Favorite&, const Favorite&) = default;
};

constexpr std::size_t kMaxFavorites = 40;
inline constexpr const char* kFavoritesFileName = "favorite.dat";

// Entries of a favorites file: a path line, then a numbers line
// "col line codepage count bookmarks...". An entry whose numbers line is
// missing or does not parse is dropped; at most kMaxFavorites are kept.
std::vector<Favorite> ReadFavorites(SetupReader& reader);
std::vector<Favorite> LoadFavorites(const std::string& path);
// The two lines of each entry, as the favorites file holds them.
std::vector<std::string> FavoriteLines(const std::vector<Favorite>& favorites);
bool SaveFavorites(const std::string& path, const std::vector<Favorite>& favorites);

// The entries of the Favorites menu after its fixed items: one per
// favorite (command 10037 + index, the path as text), or one disabled item
// `noFavorites` with command 10037 when there are none.
Menu FavoritesMenuEntries(const std::vector<Favorite>& favorites, const std::string& noFavorites);

// The organize window's list operations; each returns the index to select
// afterwards (-1: none) and sets `changed` when the list changed.
int DeleteFavorite(std::vector<Favorite>& favorites, int selected, int& changed);
int MoveFavorite(std::vector<Favorite>& favorites, int selected, bool up, int& changed);

Favorite* FindFavorite(std::vector<Favorite>& favorites, const std::string& path);

// What recording a favorite reads of a document and its first view.
class FavoriteSubject {
public:
    virtual ~FavoriteSubject() = default;
    virtual std::string PathName() const = 0;
    // The document's save-changes question; afterwards it may have a path.
    virtual void AskToSave() = 0;
    virtual std::int32_t CaretCol() const = 0;
    virtual std::int32_t CaretLine() const = 0;
    // The first view's code page, or the Unicode form the file is stored in.
    virtual std::uint8_t Encoding() const = 0;
    virtual std::vector<std::uint32_t> BookmarkedLines() const = 0;
};

// Creates or refreshes the entry of a document. An update only refreshes an
// existing entry. Returns true when an entry was written (and sets `changed`).
bool RecordFavorite(std::vector<Favorite>& favorites, FavoriteSubject& subject, bool updateOnly, int& changed);
