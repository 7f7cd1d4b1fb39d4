#pragma once

// What every FileSystem must do, checked on a real directory: the POSIX one
// natively, the Windows one under Wine.
#include "core/platform/file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

inline std::string ReadAll(FileSystem& fs, const std::string& path)
{
    OpenError error = OpenError::None;
    auto in = fs.OpenRead(path, error);
    EXPECT_TRUE(in) << path;
    if (!in)
        return {};
    std::string content;
    char block[4096];
    while (auto got = in->Read(block, sizeof block)) {
        if (*got == 0)
            break;
        content.append(block, *got);
    }
    EXPECT_EQ(in->Size(), content.size());
    return content;
}

inline bool WriteAll(FileSystem& fs, const std::string& path, const std::string& content)
{
    auto out = fs.CreateWrite(path);
    if (!out)
        return false;
    // In pieces of every size, some larger than any write buffer.
    std::size_t at = 0;
    for (std::size_t piece = 1; at < content.size(); piece = piece * 3 + 1) {
        const std::size_t n = std::min(piece, content.size() - at);
        if (!out->Write(content.data() + at, n))
            return false;
        at += n;
    }
    return out->Close();
}

inline void CheckFileSystemContract(FileSystem& fs, const std::string& dir, char separator)
{
    const std::string file = dir + separator + "contract.txt";
    OpenError error = OpenError::None;
    EXPECT_FALSE(fs.OpenRead(file, error));
    EXPECT_EQ(error, OpenError::Missing);
    EXPECT_FALSE(fs.OpenRead(dir + separator + "no dir" + separator + "x.txt", error));
    EXPECT_EQ(error, OpenError::Missing);
    EXPECT_FALSE(fs.OpenRead(dir, error)); // a directory is no text file
    EXPECT_EQ(error, OpenError::Failed);
    EXPECT_FALSE(fs.Exists(file));

    std::string content;
    // Long enough for a piece of WriteAll's to span buffers of a megabyte.
    for (int i = 0; i < 3500000; ++i)
        content.push_back(static_cast<char>(i * 7 % 251));
    ASSERT_TRUE(WriteAll(fs, file, content));
    EXPECT_TRUE(fs.Exists(file));
    EXPECT_FALSE(fs.IsReadOnly(file));
    EXPECT_EQ(ReadAll(fs, file), content);
    const std::optional<std::vector<FolderEntry>> listed = fs.ListFolder(dir);
    ASSERT_TRUE(listed);
    EXPECT_NE(std::find(listed->begin(), listed->end(), FolderEntry{"contract.txt", false}), listed->end());
    EXPECT_TRUE(std::is_sorted(listed->begin(), listed->end(),
                               [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; }));
    EXPECT_FALSE(fs.ListFolder(dir + separator + "no such dir"));

    const auto temp1 = fs.MakeTempFile(dir, "CRE");
    const auto temp2 = fs.MakeTempFile(dir, "CRE");
    ASSERT_TRUE(temp1 && temp2);
    EXPECT_NE(*temp1, *temp2);
    EXPECT_EQ(FileNameOf(*temp1).substr(0, 3), "CRE");
    EXPECT_EQ(DirectoryOf(*temp1), dir);
    EXPECT_TRUE(fs.Exists(*temp1));

    ASSERT_TRUE(WriteAll(fs, *temp1, "new text"));
    EXPECT_TRUE(fs.Replace(*temp1, file));
    EXPECT_FALSE(fs.Exists(*temp1));
    EXPECT_EQ(ReadAll(fs, file), "new text");
    EXPECT_FALSE(fs.Replace(*temp1, file)); // nothing left to move

    const std::string copy = dir + separator + "contract copy.txt";
    EXPECT_TRUE(fs.Copy(file, copy));
    EXPECT_EQ(ReadAll(fs, copy), "new text");
    // One file however it is spelled; a copy is another.
    EXPECT_TRUE(fs.IsSameFile(file, file));
    EXPECT_TRUE(fs.IsSameFile(file, dir + separator + separator + "contract.txt"));
    EXPECT_TRUE(fs.IsSameFile(file, dir + separator + "." + separator + "contract.txt"));
    EXPECT_FALSE(fs.IsSameFile(file, copy));
    EXPECT_FALSE(fs.IsSameFile(file, dir + separator + "never made"));
    ASSERT_TRUE(WriteAll(fs, *temp2, "other"));
    EXPECT_FALSE(fs.Copy(*temp2, copy)); // never over a file
    EXPECT_EQ(ReadAll(fs, copy), "new text");
    EXPECT_FALSE(fs.Copy(dir + separator + "no such file", dir + separator + "never made"));
    EXPECT_FALSE(fs.Exists(dir + separator + "never made"));
    EXPECT_TRUE(fs.Delete(copy));

    EXPECT_TRUE(fs.Delete(*temp2));
    EXPECT_FALSE(fs.Exists(*temp2));
    EXPECT_TRUE(fs.DeleteToRecycleBin(file));
    EXPECT_FALSE(fs.Exists(file));
    EXPECT_FALSE(fs.MakeTempFile(dir + separator + "no such dir", "CRE"));
}
