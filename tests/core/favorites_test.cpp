#include "core/settings/favorites.h"
#include "core/text/setup_file.h"
#include "core/text/unicode_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace {

std::vector<Favorite> Read(const std::string& body)
{
    auto reader = SetupReader::FromText("#Noveda setup file\r\n; comment\r\n" + body);
    return reader ? ReadFavorites(*reader) : std::vector<Favorite>{};
}

class FakeSubject : public FavoriteSubject {
public:
    std::string PathName() const override { return path; }
    void AskToSave() override
    {
        ++asked;
        path = pathAfterSave;
    }
    std::int32_t CaretCol() const override { return 3; }
    std::int32_t CaretLine() const override { return 7; }
    std::uint8_t Encoding() const override { return 1; }
    std::vector<std::uint32_t> BookmarkedLines() const override { return marks; }

    std::string path;
    std::string pathAfterSave;
    std::vector<std::uint32_t> marks{30, 7};
    int asked = 0;
};

} // namespace

TEST(Favorites, NumbersLinesGiveCaretCodePageAndBookmarks)
{
    const auto list = Read("C:\\texts\\a.txt\r\n12 40 4 2 7 30\r\nD:\\b.txt\r\n0 0 1 0\r\n");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], (Favorite{12, 40, 4, "C:\\texts\\a.txt", {7, 30}}));
    EXPECT_EQ(list[1], (Favorite{0, 0, 1, "D:\\b.txt", {}}));

    // A Unicode file is remembered as its form; Auto names no encoding.
    const auto unicode = Read("u8.txt\r\n0 0 6 0\r\nu16.txt\r\n0 0 7 0\r\nauto.txt\r\n0 0 5 0\r\n");
    ASSERT_EQ(unicode.size(), 3u);
    EXPECT_EQ(unicode[0].encoding, kEncodingUtf8);
    EXPECT_EQ(unicode[1].encoding, kEncodingUtf16);
    EXPECT_EQ(unicode[2].encoding, CP_WIN);
}

TEST(Favorites, AnEntryWhoseNumbersDoNotParseIsDropped)
{
    const auto list = Read("bad.txt\r\n1 2 4\r\n"         // a token missing
                           "short.txt\r\n1 2 4 3 5 6\r\n" // fewer bookmarks than counted
                           "word.txt\r\n1 x 4 0\r\n"
                           "good.txt\r\n1 2 9 -1\r\n" // unknown code page shown as WIN
                           "last.txt\r\n");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], (Favorite{1, 2, 4, "good.txt", {}}));
}

TEST(Favorites, AtMostFortyAreKept)
{
    std::string body;
    for (int i = 0; i < 45; ++i)
        body += "f" + std::to_string(i) + ".txt\r\n0 " + std::to_string(i) + " 4 0\r\n";
    const auto list = Read(body);
    ASSERT_EQ(list.size(), kMaxFavorites);
    EXPECT_EQ(list.back().path, "f39.txt");
}

TEST(Favorites, SavedFileHasTheHeaderAndTwoLinesPerEntry)
{
    const std::vector<Favorite> list{{12, 40, 4, "C:\\a b\\x.txt", {7, 30}}, {0, 0, 1, "y.txt", {}}};
    EXPECT_EQ(FavoriteLines(list), (std::vector<std::string>{"C:\\a b\\x.txt", "12 40 4 2 7 30", "y.txt", "0 0 1 0"}));
    const std::string path = (std::filesystem::temp_directory_path() / kFavoritesFileName).string();
    ASSERT_TRUE(SaveFavorites(path, list));
    EXPECT_EQ(LoadFavorites(path), list);
    std::remove(path.c_str());
    EXPECT_TRUE(LoadFavorites(path).empty());
}

TEST(Favorites, AreFoundWithoutRegardToLetterCase)
{
    std::vector<Favorite> list{{0, 0, 4, "C:\\Docs\\\xCF\xE8\xF1\xFC\xEC\xEE.txt", {}}};
    EXPECT_EQ(FindFavorite(list, "c:\\DOCS\\\xEF\xE8\xF1\xFC\xEC\xEE.TXT"), &list[0]);
    EXPECT_EQ(FindFavorite(list, "c:\\docs\\other.txt"), nullptr);
}

TEST(Favorites, RecordingCreatesOrRefreshesOneEntry)
{
    std::vector<Favorite> list;
    FakeSubject doc;
    doc.path = "C:\\a.txt";
    int changed = 0;
    EXPECT_TRUE(RecordFavorite(list, doc, false, changed));
    EXPECT_EQ(changed, 1);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], (Favorite{3, 7, 1, "C:\\a.txt", {7, 30}}));

    doc.path = "c:\\A.TXT";
    doc.marks = {2};
    EXPECT_TRUE(RecordFavorite(list, doc, true, changed));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].bookmarks, std::vector<std::uint32_t>{2});
    EXPECT_EQ(list[0].path, "C:\\a.txt");

    // An update never creates an entry.
    doc.path = "C:\\b.txt";
    EXPECT_FALSE(RecordFavorite(list, doc, true, changed));
    EXPECT_EQ(list.size(), 1u);
}

TEST(Favorites, AnUntitledDocumentIsAskedToSaveFirst)
{
    std::vector<Favorite> list;
    FakeSubject doc;
    int changed = 0;
    EXPECT_FALSE(RecordFavorite(list, doc, true, changed)); // updates ignore it
    EXPECT_EQ(doc.asked, 0);
    EXPECT_FALSE(RecordFavorite(list, doc, false, changed)); // still untitled
    EXPECT_EQ(doc.asked, 1);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(changed, 0);
    doc.pathAfterSave = "C:\\saved.txt";
    EXPECT_TRUE(RecordFavorite(list, doc, false, changed));
    EXPECT_EQ(list[0].path, "C:\\saved.txt");
}

TEST(Favorites, AFullListTakesNoNewEntry)
{
    std::vector<Favorite> list(kMaxFavorites);
    for (std::size_t i = 0; i < list.size(); ++i)
        list[i].path = "f" + std::to_string(i);
    FakeSubject doc;
    doc.path = "new.txt";
    int changed = 0;
    EXPECT_FALSE(RecordFavorite(list, doc, false, changed));
    EXPECT_EQ(list.size(), kMaxFavorites);
}

TEST(Favorites, MenuEntriesListThePathsOrSayThereAreNone)
{
    std::vector<Favorite> favorites(2);
    favorites[0].path = "C:\\a.txt";
    favorites[1].path = "C:\\b&c.txt";
    const Menu items = FavoritesMenuEntries(favorites, "No favorites");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0], MenuItem::Command(10037, "C:\\a.txt"));
    EXPECT_EQ(items[1], MenuItem::Command(10038, "C:\\b&c.txt"));

    const Menu none = FavoritesMenuEntries({}, "No favorites");
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].id, 10037u);
    EXPECT_EQ(none[0].text, "No favorites");
    EXPECT_TRUE(none[0].disabled);
}

TEST(Favorites, OrganizingDeletesAndMovesWithTheSelection)
{
    std::vector<Favorite> list(3);
    list[0].path = "a";
    list[1].path = "b";
    list[2].path = "c";
    int changed = 0;
    EXPECT_EQ(MoveFavorite(list, 0, true, changed), 0); // nothing above the first
    EXPECT_EQ(MoveFavorite(list, -1, false, changed), -1);
    EXPECT_EQ(changed, 0);
    EXPECT_EQ(MoveFavorite(list, 0, false, changed), 1);
    EXPECT_EQ(list[1].path, "a");
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(MoveFavorite(list, 2, false, changed), 2);

    changed = 0;
    EXPECT_EQ(DeleteFavorite(list, 2, changed), 1); // the last goes: the one before is selected
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(DeleteFavorite(list, 0, changed), 0);
    EXPECT_EQ(list[0].path, "a");
    EXPECT_EQ(DeleteFavorite(list, 5, changed), 5);
    EXPECT_EQ(DeleteFavorite(list, 0, changed), -1);
    EXPECT_TRUE(list.empty());
}
