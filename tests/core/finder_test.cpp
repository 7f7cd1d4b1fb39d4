#include "core/tools/finder.h"

#include "core/text/code_pages.h"
#include "core/text/unicode_text.h"
#include "support/fake_file_system.h"

#include <gtest/gtest.h>

namespace {

// "Съешь же ещё этих мягких французских булок, да выпей же чаю." in cp1251.
const std::string kPangram = "\xD1\xFA\xE5\xF8\xFC \xE6\xE5 \xE5\xF9\xB8 \xFD\xF2\xE8\xF5 \xEC\xFF\xE3\xEA\xE8\xF5 "
                             "\xF4\xF0\xE0\xED\xF6\xF3\xE7\xF1\xEA\xE8\xF5 \xE1\xF3\xEB\xEE\xEA, \xE4\xE0 "
                             "\xE2\xFB\xEF\xE5\xE9 \xE6\xE5 \xF7\xE0\xFE.";
const std::string kBulok = "\xE1\xF3\xEB\xEE\xEA";      // "булок"
const std::string kBulokCapital = "\xC1\xF3\xEB\xEE\xEA"; // "Булок"

std::string In(int codePage, std::string cp1251)
{
    ConvertString(cp1251, CP_WIN, codePage);
    return cp1251;
}

FinderOptions Options(std::string what, std::string masks = "*.txt")
{
    FinderOptions options;
    options.folder = "C:\\docs";
    options.masks = std::move(masks);
    options.what = std::move(what);
    return options;
}

class Finder : public ::testing::Test {
protected:
    std::string Run(const FinderOptions& options)
    {
        std::string printed;
        counts = RunFinder(options, files, [&](std::string_view text) { printed += text; });
        return printed;
    }

    FakeFileSystem files;
    FinderCounts counts;
};

} // namespace

TEST_F(Finder, ARussianWordIsFoundInFilesOfAllFiveCodePages)
{
    const char* names[] = {"koi8.txt", "dos.txt", "mac.txt", "iso.txt", "win.txt"};
    for (int cp : {CP_KOI8, CP_DOS, CP_MAC, CP_ISO, CP_WIN})
        files.files["C:\\docs\\" + std::string(names[cp])] = "first line\r\n" + In(cp, kPangram) + "\r\n";
    const std::string expectedLine = ") : " + kPangram + "\r\n";
    EXPECT_EQ(Run(Options(kBulokCapital)), "C:\\docs\\dos.txt(2" + expectedLine + "C:\\docs\\iso.txt(2" + expectedLine +
                                               "C:\\docs\\koi8.txt(2" + expectedLine + "C:\\docs\\mac.txt(2" +
                                               expectedLine + "C:\\docs\\win.txt(2" + expectedLine);
    EXPECT_EQ(counts.hits, 5);
    EXPECT_EQ(counts.files, 5);
    FinderOptions exact = Options(kBulokCapital);
    exact.matchCase = true;
    EXPECT_EQ(Run(exact), "");
    exact.what = kBulok;
    EXPECT_EQ(counts.hits, 0);
    Run(exact);
    EXPECT_EQ(counts.hits, 5);
}

// The same word in a file of each of the seven forms the editor reads.
TEST_F(Finder, ARussianWordIsFoundInUnicodeFilesToo)
{
    const std::string utf8 = EncodeUnicode(kPangram, UnicodeForm::Utf8);
    files.files["C:\\docs\\1 koi8.txt"] = "x\r\n" + In(CP_KOI8, kPangram);
    files.files["C:\\docs\\2 dos.txt"] = "x\r\n" + In(CP_DOS, kPangram);
    files.files["C:\\docs\\3 mac.txt"] = "x\r\n" + In(CP_MAC, kPangram);
    files.files["C:\\docs\\4 iso.txt"] = "x\r\n" + In(CP_ISO, kPangram);
    files.files["C:\\docs\\5 win.txt"] = "x\r\n" + kPangram;
    std::string ascii; // a first block of ASCII alone: the rest is UTF-8
    for (int i = 0; i < 4000; ++i)
        ascii += "line four\n";
    files.files["C:\\docs\\6 utf8.txt"] = ascii + utf8 + "\n";
    files.files["C:\\docs\\7 utf16.txt"] = "\xFF\xFE" + EncodeUnicode("x\r\n\r\n" + kPangram, UnicodeForm::Utf16Le);
    const std::string printed = Run(Options(kBulokCapital));
    EXPECT_EQ(counts.hits, 7) << printed;
    EXPECT_NE(printed.find("6 utf8.txt(4001) : " + kPangram), std::string::npos) << printed;
    EXPECT_NE(printed.find("7 utf16.txt(3) : " + kPangram), std::string::npos) << printed;
}

TEST_F(Finder, LinesAreCountedAsTheEditorBreaksThem)
{
    files.files["C:\\docs\\unix.txt"] = "a\nb\nneedle\n";
    files.files["C:\\docs\\cr.txt"] = "a\rneedle\r"; // no LF: one line, its CRs shown as blanks
    files.files["C:\\docs\\dos.txt"] = "a\r\nb\rc\r\nneedle"; // a lone CR is no line end here
    EXPECT_EQ(Run(Options("needle")),
              "C:\\docs\\cr.txt(1) : a needle \r\nC:\\docs\\dos.txt(3) : needle\r\nC:\\docs\\unix.txt(3) : needle\r\n");
    EXPECT_EQ(counts.hits, 3);
}

TEST_F(Finder, MasksWholeWordsAndSubfolders)
{
    files.files["C:\\docs\\a.c"] = "int count;\r\n";
    files.files["C:\\docs\\a.h"] = "int counter;\r\n";
    files.files["C:\\docs\\notes.txt"] = "count\r\n";
    files.files["C:\\docs\\sub\\b.c"] = "count\r\n";
    files.files["C:\\docs\\sub\\deeper\\c.C"] = "count\r\n";
    EXPECT_EQ(Run(Options("count", "*.c;*.h")), "C:\\docs\\a.c(1) : int count;\r\nC:\\docs\\a.h(1) : int counter;\r\n");
    FinderOptions options = Options("count", "*.c *.h");
    options.wholeWord = true;
    options.subfolders = true;
    EXPECT_EQ(Run(options), "C:\\docs\\a.c(1) : int count;\r\nC:\\docs\\sub\\b.c(1) : count\r\n"
                            "C:\\docs\\sub\\deeper\\c.C(1) : count\r\n");
    EXPECT_EQ(counts.files, 3);
    options.folder = "C:\\docs\\"; // a folder typed with its backslash
    options.masks = "*.*";
    EXPECT_EQ(Run(options).substr(0, 28), "C:\\docs\\a.c(1) : int count;\r");
    EXPECT_EQ(counts.hits, 4);
}

TEST_F(Finder, BinaryFilesArePassedOverAndFailuresAreSaid)
{
    files.files["C:\\docs\\image.txt"] = std::string("needle\0\x01\x02", 9);
    files.files["C:\\docs\\text.txt"] = "needle";
    files.unreadable.insert("C:\\docs\\locked.txt");
    EXPECT_EQ(Run(Options("needle")), "Cannot read file C:\\docs\\locked.txt\r\nC:\\docs\\text.txt(1) : needle\r\n");
    EXPECT_FALSE(counts.folderMissing);
    FinderOptions missing = Options("needle");
    missing.folder = "C:\\nowhere";
    EXPECT_EQ(Run(missing), "Cannot read folder C:\\nowhere\r\n");
    EXPECT_TRUE(counts.folderMissing);
    EXPECT_EQ(FinderSummary({1, 1, false}), "1 hit in 1 file\r\n");
    EXPECT_EQ(FinderSummary({7, 2, false}), "7 hits in 2 files\r\n");
}

TEST_F(Finder, AHitInAVeryLongLineShowsItsStart)
{
    files.files["C:\\docs\\long.txt"] = std::string(5000, 'x') + "needle";
    const std::string printed = Run(Options("needle"));
    EXPECT_EQ(printed, "C:\\docs\\long.txt(1) : " + std::string(1000, 'x') + "\r\n");
}

TEST(FinderArguments, SwitchesThenFolderMasksAndText)
{
    const std::optional<FinderOptions> all = ParseFinderArguments({"-w", "-c", "-r", "C:\\", "*.txt", "a\\b\\"});
    ASSERT_TRUE(all);
    EXPECT_TRUE(all->wholeWord && all->matchCase && all->subfolders);
    EXPECT_EQ(all->folder, "C:\\");
    EXPECT_EQ(all->masks, "*.txt");
    EXPECT_EQ(all->what, "a\\b\\");
    const std::optional<FinderOptions> none = ParseFinderArguments({"C:\\x", "*.c", "-w"});
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->wholeWord || none->matchCase || none->subfolders);
    EXPECT_EQ(none->what, "-w");
    EXPECT_FALSE(ParseFinderArguments({}));
    EXPECT_FALSE(ParseFinderArguments({"C:\\x", "*.c"}));
    EXPECT_FALSE(ParseFinderArguments({"-x", "C:\\x", "*.c", "t"}));
    EXPECT_FALSE(ParseFinderArguments({"C:\\x", "*.c", ""}));
    EXPECT_FALSE(ParseFinderArguments({"C:\\x", "*.c", "t", "u"}));
}

TEST(FinderMasks, WildcardsIgnoreCaseAndListsSplit)
{
    EXPECT_TRUE(MatchesMask("Main.CPP", "*.cpp"));
    EXPECT_TRUE(MatchesMask("Makefile", "*.*"));
    EXPECT_TRUE(MatchesMask("a.tar.gz", "*.gz"));
    EXPECT_TRUE(MatchesMask("x1.txt", "x?.txt"));
    EXPECT_FALSE(MatchesMask("x12.txt", "x?.txt"));
    EXPECT_TRUE(MatchesMask("\xCF\xF0\xE8\xEC\xE5\xF0.txt", "\xEF\xF0\xE8*")); // "Пример.txt", "при*"
    EXPECT_FALSE(MatchesMask("a.cpp", "*.c"));
    EXPECT_TRUE(MatchesMask("aXbXc", "*X*X*c"));
    EXPECT_FALSE(MatchesMask("", "?"));
    EXPECT_EQ(SplitMasks("*.c;*.h *.txt,, ;"), (std::vector<std::string>{"*.c", "*.h", "*.txt"}));
    EXPECT_TRUE(SplitMasks("").empty());
}
