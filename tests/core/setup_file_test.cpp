#include "core/text/setup_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

std::optional<SetupReader> Reader(const std::string& body)
{
    return SetupReader::FromText("#Noveda setup file\r\n" + body);
}

std::vector<std::string> AllLines(SetupReader& reader)
{
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadSetupLine(line))
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(SetupFile, TheFirstLineMustBeExactlyTheHeader)
{
    EXPECT_TRUE(SetupReader::FromText("#Noveda setup file"));
    EXPECT_TRUE(SetupReader::FromText("#Noveda setup file\nx"));
    EXPECT_FALSE(SetupReader::FromText("#Noveda setup file \r\nx"));
    EXPECT_FALSE(SetupReader::FromText("\xEF\xBB\xBF#Noveda setup file\r\n"));
    EXPECT_FALSE(SetupReader::FromText("#noveda setup file\r\n"));
    EXPECT_FALSE(SetupReader::FromText(""));
    EXPECT_FALSE(SetupReader::Open("/nonexistent/dir/file.lng"));
}

TEST(SetupFile, LinesSkipCommentsAndEmptyLinesAndAreTrimmed)
{
    auto reader = Reader("; comment\r\n\r\n  \t first \t\r\nsecond\n;x\n   \nlast");
    ASSERT_TRUE(reader);
    EXPECT_EQ(AllLines(*reader), (std::vector<std::string>{"first", "second", "last"}));
}

TEST(SetupFile, EntriesSplitAtTheFirstEquals)
{
    auto reader = Reader("   key one  =   value = more  \r\nno equals here\r\n\r\n;skipped\r\n=v\r\n");
    ASSERT_TRUE(reader);
    std::string key, value;
    ASSERT_TRUE(reader->ReadSetupEntry(key, value));
    EXPECT_EQ(key, "key one");
    EXPECT_EQ(value, "value = more  "); // its end is the caller's to trim
    ASSERT_TRUE(reader->ReadSetupEntry(key, value));
    EXPECT_EQ(key, "no equals here");
    EXPECT_EQ(value, "");
    ASSERT_TRUE(reader->ReadSetupEntry(key, value));
    EXPECT_EQ(key, ""); // the empty line
    ASSERT_TRUE(reader->ReadSetupEntry(key, value));
    EXPECT_EQ(key, "");
    EXPECT_EQ(value, "v");
    EXPECT_FALSE(reader->ReadSetupEntry(key, value));
}

TEST(SetupFile, LongLinesComeBackInPiecesOf254)
{
    const std::string longLine(254, 'a');
    auto reader = Reader(longLine + "\r\n" + std::string(254, 'b') + "cd\r\n");
    ASSERT_TRUE(reader);
    EXPECT_EQ(AllLines(*reader), (std::vector<std::string>{longLine, std::string(254, 'b'), "cd"}));
}

TEST(SetupFile, OddBytesAreReadWithoutTrouble)
{
    auto reader = Reader(std::string("a\0b=c\0d\r\nno final line end", 26));
    ASSERT_TRUE(reader);
    std::string key, value;
    ASSERT_TRUE(reader->ReadSetupEntry(key, value));
    EXPECT_EQ(key, std::string("a\0b", 3));
    EXPECT_EQ(value, std::string("c\0d", 3));
    ASSERT_TRUE(reader->ReadSetupEntry(key, value));
    EXPECT_EQ(key, "no final line end");

    auto headerOnly = SetupReader::FromText("#Noveda setup file\r\n");
    ASSERT_TRUE(headerOnly);
    EXPECT_FALSE(headerOnly->ReadSetupEntry(key, value));
}

TEST(SetupFile, WrittenFilesStartWithTheHeaderLines)
{
    const std::string path = (std::filesystem::temp_directory_path() / "noveda_setup_test.dat").string();
    ASSERT_TRUE(WriteSetupFile(path, {"one", "two=2"}));
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, "#Noveda setup file\r\n; generated automatically by noveda\r\n; do not modify this file\r\n"
                    "one\r\ntwo=2\r\n");
    auto reader = SetupReader::Open(path);
    ASSERT_TRUE(reader);
    EXPECT_EQ(AllLines(*reader), (std::vector<std::string>{"one", "two=2"}));
    std::remove(path.c_str());

    EXPECT_FALSE(WriteSetupFile("/nonexistent/dir/x.dat", {}));
}
