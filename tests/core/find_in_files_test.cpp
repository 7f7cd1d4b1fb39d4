#include "core/app/find_in_files.h"
#include "core/text/quote_argument.h"

#include <gtest/gtest.h>

TEST(FindInFiles, ValuesReachTheFinderAsTyped)
{
    EXPECT_EQ(QuoteArgument("plain"), "\"plain\"");
    EXPECT_EQ(QuoteArgument("C:\\"), "\"C:\\\\\"");
    EXPECT_EQ(QuoteArgument("a\\b\\"), "\"a\\b\\\\\"");
    EXPECT_EQ(QuoteArgument("say \"hi\""), "\"say \\\"hi\\\"\"");
    EXPECT_EQ(QuoteArgument("a\\\"b"), "\"a\\\\\\\"b\"");
    EXPECT_EQ(QuoteArgument(""), "\"\"");

    FinderSearch search{"C:\\", "*.txt", "a\\b\\", true, true, true};
    EXPECT_EQ(FinderCommandLine("C:\\Program Files\\Noveda\\", search),
              "\"C:\\Program Files\\Noveda\\find.exe\" -w -c -r \"C:\\\\\" \"*.txt\" \"a\\b\\\\\"");
    search = {"C:\\src", "*.c;*.h", "", false, false, false};
    EXPECT_EQ(FinderCommandLine("D:\\n\\", search), "\"D:\\n\\find.exe\" \"C:\\src\" \"*.c;*.h\" \"\"");
    search.matchCase = true;
    EXPECT_EQ(FinderCommandLine("D:\\n\\", search), "\"D:\\n\\find.exe\" -c \"C:\\src\" \"*.c;*.h\" \"\"");
}

TEST(FindInFiles, TheDialogStartsFromTheActiveDocument)
{
    FindInFilesStart start = FindInFilesStartOf("C:\\src\\a.cpp", "D:\\work", "txt", {});
    EXPECT_EQ(start.folder, "C:\\src\\");
    EXPECT_EQ(start.mask, "*.cpp");
    start = FindInFilesStartOf("", "D:\\work", "txt", {});
    EXPECT_EQ(start.folder, "D:\\work");
    EXPECT_EQ(start.mask, "*.txt");
    start = FindInFilesStartOf("C:\\src\\Makefile", "D:\\work", "txt", {});
    EXPECT_EQ(start.mask, "*");
    // Of the saved masks holding the document's one, the last listed wins.
    start = FindInFilesStartOf("C:\\src\\a.cpp", "D:\\work", "txt", {"*.cpp;*.h", "*.txt", "*.hpp;*.cpp", "*.c"});
    EXPECT_EQ(start.mask, "*.hpp;*.cpp");
}

TEST(FindInFiles, TheFolderBrowserOpensAtTheTypedFolder)
{
    EXPECT_EQ(BrowseStartOf("C:\\src\\  "), "C:\\src");
    EXPECT_EQ(BrowseStartOf("C:\\src\\\\"), "C:\\src\\");
    EXPECT_EQ(BrowseStartOf("C:\\"), "C:\\");
    EXPECT_EQ(BrowseStartOf(""), "");
}

TEST(FindInFiles, ATypedEntryGoesToTheFrontOfItsListOfTen)
{
    std::vector<std::string> list;
    for (int i = 0; i < 10; ++i)
        RememberTyped(list, "*." + std::to_string(i));
    EXPECT_EQ(list.front(), "*.9");
    EXPECT_EQ(list.back(), "*.0");
    RememberTyped(list, "*.9"); // a repeat is kept, as typed
    EXPECT_EQ(list.size(), 10u);
    EXPECT_EQ(list[0], "*.9");
    EXPECT_EQ(list[1], "*.9");
    EXPECT_EQ(list.back(), "*.1");
    RememberTyped(list, ""); // would end the stored list early
    EXPECT_EQ(list[0], "*.9");
    EXPECT_EQ(list.back(), "*.1");
}
