#include "core/app/dialog_rules.h"
#include "core/platform/profile_store.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(DialogRules, LongTitlesKeepTheirFileName)
{
    const std::string forty = "C:\\a\\very\\long\\folders\\name\\report.txt";
    ASSERT_EQ(forty.size(), 38u);
    EXPECT_EQ(SaveQuestionTitle(forty), "...\\report.txt");
    EXPECT_EQ(SaveQuestionTitle("untitled1.txt"), "untitled1.txt");
    EXPECT_EQ(SaveQuestionTitle(std::string(30, 'x')), std::string(30, 'x'));
    EXPECT_EQ(SaveQuestionTitle(std::string(31, 'x')), "..." + std::string(31, 'x')); // no backslash
}

TEST(DialogRules, DefaultExtensionFromTheChosenPattern)
{
    EXPECT_EQ(DefaultExtensionForPattern("*.txt;*.doc"), "txt");
    EXPECT_EQ(DefaultExtensionForPattern("*.html"), "htm");
    EXPECT_EQ(DefaultExtensionForPattern("*.*"), "");
    EXPECT_EQ(DefaultExtensionForPattern("readme"), "");
}

TEST(DialogRules, OneOrSeveralChosenFiles)
{
    EXPECT_EQ(SplitOpenFileNames("C:\\dir\\one.txt\0\0"s), std::vector<std::string>{"C:\\dir\\one.txt"});
    EXPECT_EQ(SplitOpenFileNames("C:\\dir\0a.txt\0b.txt\0\0"s),
              (std::vector<std::string>{"C:\\dir\\a.txt", "C:\\dir\\b.txt"}));
    EXPECT_EQ(SplitOpenFileNames("C:\\\0a.txt\0b.txt\0\0"s), (std::vector<std::string>{"C:\\a.txt", "C:\\b.txt"}));
    EXPECT_TRUE(SplitOpenFileNames("\0\0"s).empty());
}

TEST(DialogRules, TheFirstStartWritesVersionAndProgramPath)
{
    MemoryProfileStore store;
    EXPECT_TRUE(RecordStart(store, "C:\\Program Files\\Noveda\\"));
    EXPECT_EQ(store.GetInt("General", "Version"), 310u);
    EXPECT_EQ(store.GetString("General", "ExecPath"), "C:\\Program Files\\Noveda\\noveda.exe");
    EXPECT_FALSE(RecordStart(store, "D:\\elsewhere\\"));
    EXPECT_EQ(store.GetString("General", "ExecPath"), "C:\\Program Files\\Noveda\\noveda.exe");

    MemoryProfileStore older;
    older.SetInt("General", "Version", 300);
    EXPECT_FALSE(RecordStart(older, "C:\\N\\"));
    EXPECT_EQ(older.GetInt("General", "Version"), 310u);
    EXPECT_EQ(older.GetString("General", "ExecPath"), std::nullopt);
}

// Whatever the user listed (or nothing), the dialog opens on the text files
// and offers all files next; the language file names the program's types.
TEST(DialogRules, TheOpenFilterStartsWithTextFilesThenAllFiles)
{
    EXPECT_EQ(BuildOpenFilter({}, {}), "Text files (*.txt;*.log;*.ini)\0*.txt;*.log;*.ini\0"
                                       "All files (*.*)\0*.*\0"
                                       "Encrypted files (*.crp)\0*.crp\0\0"s);
    const std::vector<FileType> types{{"Web", "*.htm;*.html"}, {"C", "*.c"}};
    const StringLookup russian = [](std::uint32_t id) -> std::optional<std::string> {
        if (id == kAllFilesType.id)
            return "\xC2\xF1\xE5 \xF4\xE0\xE9\xEB\xFB (*.*)"; // "Все файлы (*.*)"
        return std::nullopt;
    };
    EXPECT_EQ(BuildOpenFilter(types, russian), "Text files (*.txt;*.log;*.ini)\0*.txt;*.log;*.ini\0"
                                               "\xC2\xF1\xE5 \xF4\xE0\xE9\xEB\xFB (*.*)\0*.*\0"
                                               "Web\0*.htm;*.html\0C\0*.c\0"
                                               "Encrypted files (*.crp)\0*.crp\0\0"s);
    EXPECT_EQ(BuildTypeFilter({kEncryptedFilesType, kAllFilesType}, {}),
              "Encrypted files (*.crp)\0*.crp\0All files (*.*)\0*.*\0\0"s);
}
