#include "core/doc/text_doc.h"
#include "core/settings/app_settings.h"
#include "posix/posix_file_system.h"
#include "support/file_system_contract.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

namespace {

class PosixFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() / ("noveda-fs-" + std::to_string(getpid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        setenv("XDG_DATA_HOME", (m_dir / "data").c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("XDG_DATA_HOME");
        std::filesystem::remove_all(m_dir);
    }
    std::filesystem::path m_dir;
    PosixFileSystem fs;
};

} // namespace

TEST_F(PosixFiles, KeepTheFileSystemContract)
{
    CheckFileSystemContract(fs, m_dir.string(), '/');
}

TEST_F(PosixFiles, TheRecycleBinIsTheTrashFolder)
{
    const std::string file = (m_dir / "notes.bak").string();
    ASSERT_TRUE(WriteAll(fs, file, "old"));
    ASSERT_TRUE(fs.DeleteToRecycleBin(file));
    ASSERT_TRUE(WriteAll(fs, file, "older"));
    ASSERT_TRUE(fs.DeleteToRecycleBin(file));
    const auto trash = m_dir / "data" / "Trash";
    EXPECT_EQ(ReadAll(fs, (trash / "files" / "notes.bak").string()), "old");
    EXPECT_EQ(ReadAll(fs, (trash / "files" / "notes.bak.1").string()), "older");
    const std::string info = ReadAll(fs, (trash / "info" / "notes.bak.trashinfo").string());
    EXPECT_EQ(info.find("[Trash Info]\nPath=" + file + "\nDeletionDate="), 0u);
}

TEST_F(PosixFiles, KnowReadOnlyFiles)
{
    const std::string file = (m_dir / "ro.txt").string();
    ASSERT_TRUE(WriteAll(fs, file, "x"));
    chmod(file.c_str(), 0444);
    EXPECT_TRUE(fs.IsReadOnly(file));
}

TEST_F(PosixFiles, NameOneFileHoweverSpelled)
{
    const std::string file = (m_dir / "a.txt").string();
    ASSERT_TRUE(WriteAll(fs, file, "x"));
    std::filesystem::create_directory_symlink(m_dir, m_dir / "link");
    for (const std::string& other :
         {m_dir.string() + "/./a.txt", m_dir.string() + "//a.txt", (m_dir / "link" / "a.txt").string()})
        EXPECT_TRUE(fs.IsSameFile(file, other)) << other;
    ASSERT_TRUE(WriteAll(fs, (m_dir / "b.txt").string(), "x"));
    EXPECT_FALSE(fs.IsSameFile(file, (m_dir / "b.txt").string()));
    EXPECT_FALSE(fs.IsSameFile(file, (m_dir / "missing.txt").string()));
}

// The backup folder names the file's own folder another way: a .bak file
// saved there is its own backup name and must survive its save.
TEST_F(PosixFiles, SavingABakFileInItsOwnBackupFolderKeepsIt)
{
    std::filesystem::create_directory_symlink(m_dir, m_dir / "link");
    const std::string file = (m_dir / "notes.bak").string();
    for (const std::string& folder : {m_dir.string() + "/.", m_dir.string() + "//", (m_dir / "link").string()}) {
        AppSettings settings;
        settings.CreateBak = BACKUP_IN_FOLDER;
        settings.CreatePath = folder;
        CTextDoc doc(settings, nullptr, &fs, nullptr);
        ASSERT_TRUE(WriteAll(fs, file, "old"));
        ASSERT_TRUE(doc.OnOpenDocument(file));
        TextPos at{0, 0};
        doc.InsertText(at, "new ", true);
        EXPECT_TRUE(doc.OnSaveDocument(file)) << folder;
        EXPECT_EQ(ReadAll(fs, file), "new old") << folder;
    }
}
