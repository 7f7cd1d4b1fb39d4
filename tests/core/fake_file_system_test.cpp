#include "support/fake_file_system.h"
#include "support/file_system_contract.h"

// The fake most document tests rely on passes no behaviour the real file
// systems lack.
TEST(FakeFiles, KeepTheFileSystemContract)
{
    FakeFileSystem fs;
    fs.directories.insert("C:\\work");
    CheckFileSystemContract(fs, "C:\\work", '\\');
}

TEST(FakeFiles, FoldersExistWhenListedOrHoldingAFile)
{
    FakeFileSystem fs;
    fs.files["C:\\texts\\deep\\a.txt"] = "a";
    EXPECT_TRUE(fs.IsDirectory("C:\\texts"));
    EXPECT_TRUE(fs.IsDirectory("C:\\texts\\deep"));
    EXPECT_FALSE(fs.IsDirectory("C:\\text"));
    EXPECT_FALSE(fs.CreateWrite("D:\\none\\b.txt"));
    EXPECT_TRUE(fs.CreateWrite("C:\\texts\\b.txt"));
    EXPECT_TRUE(fs.CreateWrite("bare.txt"));
    EXPECT_FALSE(fs.Replace("C:\\texts\\b.txt", "D:\\none\\b.txt"));
    EXPECT_TRUE(fs.files.count("C:\\texts\\b.txt"));
}
