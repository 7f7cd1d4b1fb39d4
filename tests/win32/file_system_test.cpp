#include "core/doc/text_doc.h"
#include "core/settings/app_settings.h"
#include "support/file_system_contract.h"
#include "win32/app/win_file_system.h"

#include <windows.h>

namespace {

class WinFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_dir = std::string(temp) + "noveda-fs-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(m_dir.c_str(), nullptr);
    }
    void TearDown() override
    {
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((m_dir + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string file = m_dir + "\\" + found.cFileName;
                SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(file.c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(m_dir.c_str());
    }
    std::string m_dir;
    WinFileSystem fs;
};

} // namespace

TEST_F(WinFiles, KeepTheFileSystemContract)
{
    CheckFileSystemContract(fs, m_dir, '\\');
}

TEST_F(WinFiles, KnowReadOnlyAndLockedFiles)
{
    const std::string file = m_dir + "\\ro.txt";
    ASSERT_TRUE(WriteAll(fs, file, "x"));
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(fs.IsReadOnly(file));
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);

    // Held open for writing without sharing: it exists but cannot be read.
    const HANDLE locked = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    OpenError error = OpenError::None;
    EXPECT_FALSE(fs.OpenRead(file, error));
    EXPECT_EQ(error, OpenError::Failed);
    CloseHandle(locked);
}

TEST_F(WinFiles, DocumentsOpenAndSaveWithABackup)
{
    const std::string file = m_dir + "\\notes.txt";
    ASSERT_TRUE(WriteAll(fs, file, "first\r\n\tsecond\r\n"));
    AppSettings settings;
    settings.CreateBak = 1;
    CTextDoc doc(settings, nullptr, &fs);
    ASSERT_TRUE(doc.OnOpenDocument(file));
    ASSERT_EQ(doc.GetLineCount(), 3);
    TextPos pos{0, 0};
    doc.InsertText(pos, "new ", true);
    ASSERT_TRUE(doc.OnSaveDocument(file));
    EXPECT_EQ(ReadAll(fs, file), "new first\r\n\tsecond\r\n");
    EXPECT_EQ(ReadAll(fs, m_dir + "\\notes.bak"), "first\r\n\tsecond\r\n");

    // No temporary file is left behind.
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((m_dir + "\\CRE*").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE);
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
}
