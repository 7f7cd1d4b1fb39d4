#include "core/app/recent_files.h"
#include "core/platform/profile_store.h"

#include <gtest/gtest.h>

TEST(RecentFiles, NewestFirstEachPathOnce)
{
    RecentFileList list(3);
    list.Add("C:\\a.txt");
    list.Add("C:\\b.txt");
    list.Add("c:\\A.TXT");
    list.Add("C:\\c.txt");
    list.Add("C:\\d.txt");
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"C:\\d.txt", "C:\\c.txt", "c:\\A.TXT"}));

    RecentFileList none(0);
    none.Add("C:\\a.txt");
    EXPECT_TRUE(none.Entries().empty());
}

TEST(RecentFiles, AreKeptAsFileEntriesFromOne)
{
    MemoryProfileStore store;
    RecentFileList list(4);
    list.Add("C:\\old.txt");
    list.Add("C:\\new.txt");
    list.Save(store);
    EXPECT_EQ(store.GetString("MRUList", "File1"), "C:\\new.txt");
    EXPECT_EQ(store.GetString("MRUList", "File2"), "C:\\old.txt");
    EXPECT_EQ(store.GetString("MRUList", "File3"), "");

    RecentFileList loaded(4);
    loaded.Load(store);
    EXPECT_EQ(loaded.Entries(), list.Entries());
}

TEST(RecentFiles, MenuTextsNumberFromOneAndWrapAtTen)
{
    EXPECT_EQ(RecentFileMenuText(0, "D:\\x.txt", "C:\\"), "&1 D:\\x.txt");
    EXPECT_EQ(RecentFileMenuText(9, "D:\\x.txt", "C:\\"), "&0 D:\\x.txt");
    EXPECT_EQ(RecentFileMenuText(10, "D:\\x.txt", "C:\\"), "&1 D:\\x.txt");
}

TEST(RecentFiles, MenuTextsShowFilesOfTheCurrentDirectoryByName)
{
    EXPECT_EQ(RecentFileMenuText(0, "C:\\work\\a.txt", "C:\\Work"), "&1 a.txt");
    EXPECT_EQ(RecentFileMenuText(0, "C:\\work\\sub\\a.txt", "C:\\work"), "&1 C:\\work\\sub\\a.txt");
    EXPECT_EQ(RecentFileMenuText(0, "C:\\R&D\\a&b.txt", "C:\\"), "&1 C:\\R&&D\\a&&b.txt");
}

TEST(RecentFiles, LongPathsAreShortenedKeepingTheFileName)
{
    const std::string path = "C:\\Documents\\Projects\\Noveda\\notes\\today.txt";
    const std::string shown = AbbreviatePath(path, 30);
    EXPECT_LE(shown.size(), 30u);
    EXPECT_EQ(shown, "C:\\...\\Noveda\\notes\\today.txt");
    EXPECT_EQ(AbbreviatePath("C:\\a\\" + std::string(40, 'n') + ".txt", 30), std::string(40, 'n') + ".txt");
    EXPECT_EQ(AbbreviatePath("\\\\server\\share\\deep\\deeper\\file.txt", 30), "\\\\server\\share\\...\\file.txt");
    EXPECT_EQ(AbbreviatePath("short.txt", 30), "short.txt");
}
