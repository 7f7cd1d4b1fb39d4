// The Shell page's work on a fake registry and fake files: registration of
// extensions, the context-menu item and the Notepad swap with its rollback.
#include "core/app/shell_integration.h"
#include "support/fake_file_system.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

class FakeClassesRegistry : public ClassesRegistry {
public:
    std::map<std::string, std::string> values; // key -> default value
    std::set<std::string> unreadable;
    bool refuseWrites = false;
    int changes = 0;

    DefaultValue ReadDefault(const std::string& key) override
    {
        if (unreadable.count(key))
            return {Read::Failed, {}};
        const auto it = values.find(key);
        return it == values.end() ? DefaultValue{} : DefaultValue{Read::Value, it->second};
    }
    bool WriteDefault(const std::string& key, const std::string& value) override
    {
        ++changes;
        if (refuseWrites)
            return false;
        values[key] = value;
        return true;
    }
    bool DeleteKey(const std::string& key) override
    {
        ++changes;
        if (refuseWrites)
            return false;
        values.erase(key);
        return true;
    }
};

constexpr char kWindows[] = "C:\\Windows";
constexpr char kSystem[] = "C:\\Windows\\system32";
constexpr char kProgram[] = "C:\\Program Files\\Noveda\\";

class Shell : public testing::Test {
protected:
    Shell()
    {
        files.files["C:\\Program Files\\Noveda\\launcher.exe"] = "launcher";
        files.files["C:\\Windows\\notepad.exe"] = "notepad";
        files.files["C:\\Windows\\system32\\notepad.exe"] = "notepad32";
    }
    std::vector<ShellMessage> Apply(ShellState before, ShellState wanted)
    {
        return ApplyShellState(places, before, wanted);
    }
    std::string File(const std::string& path) const
    {
        const auto it = files.files.find(path);
        return it == files.files.end() ? "(missing)" : it->second;
    }

    FakeClassesRegistry registry;
    FakeFileSystem files;
    ShellPlaces places{registry, files, kWindows, kProgram};
};

constexpr char kOpenCommand[] = "\"C:\\Program Files\\Noveda\\noveda.exe\" \"%1\"";
constexpr char kIcon[] = "C:\\Program Files\\Noveda\\noveda.exe,1";

TEST_F(Shell, RegisteringGivesANewExtensionItsOwnTypeAndKeepsAnExistingOne)
{
    registry.values[".txt"] = "txtfile";
    registry.values["txtfile\\shell\\open\\command"] = "notepad.exe %1";
    EXPECT_TRUE(RegisterExtensions(places, "txt  .rus").empty());
    EXPECT_EQ(registry.values[".txt"], "txtfile");
    EXPECT_EQ(registry.values["txtfile\\shell\\open\\command"], kOpenCommand);
    EXPECT_EQ(registry.values["txtfile\\DefaultIcon"], kIcon);
    EXPECT_EQ(registry.values[".rus"], ".rusfile");
    EXPECT_EQ(registry.values[".rusfile\\shell\\open\\command"], kOpenCommand);
    EXPECT_EQ(registry.values[".rusfile\\DefaultIcon"], kIcon);
}

TEST_F(Shell, AnAssociationThatCannotBeReadOrANameThatLeavesItsKeyIsNotTouched)
{
    registry.unreadable.insert(".htm");
    EXPECT_EQ(RegisterExtensions(places, "htm ..\\evil a\\b html"),
              (std::vector<std::string>{"htm", "..\\evil", "a\\b"}));
    EXPECT_EQ(registry.values.count(".htm"), 0u);
    EXPECT_EQ(registry.values.count(".htmfile\\shell\\open\\command"), 0u);
    EXPECT_EQ(registry.values[".html"], ".htmlfile");
    EXPECT_EQ(registry.values.size(), 3u); // html's key, command and icon only

    registry.refuseWrites = true;
    EXPECT_EQ(RegisterExtensions(places, "koi"), (std::vector<std::string>{"koi"}));
}

TEST_F(Shell, CheckedGroupsComeInOrderBeforeTheCustomList)
{
    std::array<bool, kExtensionGroupCount> groups{};
    groups[7] = groups[1] = true;
    EXPECT_EQ(CheckedExtensions(groups, "log  md"), "htm html shtml pl pm log  md");
    EXPECT_TRUE(RegisterExtensions(places, CheckedExtensions({}, "  ")).empty());
    EXPECT_EQ(registry.changes, 0);
}

TEST_F(Shell, TheStateComesFromTheHandlerKeyAndTheWindowsFolder)
{
    EXPECT_EQ(ReadShellState(places), ShellState{});
    registry.values[kContextMenuHandlerKey] = "";
    files.files["C:\\Windows\\system32\\padswap.exe"] = "notepad32";
    EXPECT_EQ(ReadShellState(places), ShellState{}); // an empty value, system32 alone
    registry.values[kContextMenuHandlerKey] = kContextMenuHandlerClass;
    files.files["C:\\Windows\\padswap.exe"] = "notepad";
    EXPECT_EQ(ReadShellState(places), (ShellState{true, true}));
}

TEST_F(Shell, OkWithoutChangesTouchesNothing)
{
    const auto before = files.files;
    EXPECT_TRUE(Apply({true, false}, {true, false}).empty());
    EXPECT_EQ(registry.changes, 0);
    EXPECT_EQ(files.files, before);
    EXPECT_EQ(files.copies + files.replaces, 0);
}

TEST_F(Shell, TheContextItemIsWrittenAndDeletedAndAFailureIsSaid)
{
    EXPECT_TRUE(Apply({}, {true, false}).empty());
    EXPECT_EQ(registry.values[kContextMenuHandlerKey], kContextMenuHandlerClass);
    EXPECT_TRUE(Apply({true, false}, {}).empty());
    EXPECT_EQ(registry.values.count(kContextMenuHandlerKey), 0u);

    registry.refuseWrites = true;
    const std::vector<ShellMessage> messages = Apply({}, {true, false});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.id, kContextItemUnchanged.id);
}

TEST_F(Shell, SwitchingNotepadOnAndOffInBothFolders)
{
    EXPECT_TRUE(Apply({}, {false, true}).empty());
    EXPECT_EQ(File("C:\\Windows\\notepad.exe"), "launcher");
    EXPECT_EQ(File("C:\\Windows\\padswap.exe"), "notepad");
    EXPECT_EQ(File("C:\\Windows\\system32\\notepad.exe"), "launcher");
    EXPECT_EQ(File("C:\\Windows\\system32\\padswap.exe"), "notepad32");
    EXPECT_TRUE(ReadShellState(places).replaceNotepad);

    EXPECT_TRUE(Apply({false, true}, {}).empty());
    EXPECT_EQ(File("C:\\Windows\\notepad.exe"), "notepad");
    EXPECT_EQ(File("C:\\Windows\\system32\\notepad.exe"), "notepad32");
    EXPECT_EQ(files.Others({"C:\\Windows\\notepad.exe", "C:\\Windows\\system32\\notepad.exe"}),
              std::set<std::string>{"C:\\Program Files\\Noveda\\launcher.exe"});
}

TEST_F(Shell, AFolderAlreadySwappedIsLeftAlone)
{
    files.files["C:\\Windows\\system32\\padswap.exe"] = "notepad32";
    files.files["C:\\Windows\\system32\\notepad.exe"] = "an older launcher";
    EXPECT_TRUE(Apply({}, {false, true}).empty());
    EXPECT_EQ(File("C:\\Windows\\notepad.exe"), "launcher");
    EXPECT_EQ(File("C:\\Windows\\system32\\notepad.exe"), "an older launcher");
}

TEST_F(Shell, NotepadStaysWhenTheLauncherCannotComeIn)
{
    const auto before = files.files;
    files.files.erase("C:\\Program Files\\Noveda\\launcher.exe");
    std::vector<ShellMessage> messages = Apply({}, {false, true});
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text.id, kNotepadUnchanged.id);
    EXPECT_EQ(messages[0].argument, kWindows);
    EXPECT_EQ(messages[1].argument, kSystem);
    EXPECT_EQ(File("C:\\Windows\\notepad.exe"), "notepad");

    files.files = before;
    files.failCopyAt = 1; // the Windows folder's copy
    messages = Apply({}, {false, true});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].argument, kWindows);
    EXPECT_EQ(File("C:\\Windows\\notepad.exe"), "notepad");
    EXPECT_EQ(File("C:\\Windows\\padswap.exe"), "(missing)");
}

TEST_F(Shell, AFailedLastStepPutsNotepadBack)
{
    const auto before = files.files;
    files.failReplaceAt = 2; // notepad.exe -> padswap.exe works, the launcher's rename fails
    const std::vector<ShellMessage> messages = Apply({}, {false, true});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].argument, kWindows);
    EXPECT_EQ(File("C:\\Windows\\notepad.exe"), "notepad");
    EXPECT_EQ(File("C:\\Windows\\padswap.exe"), "(missing)");
    EXPECT_EQ(File("C:\\Windows\\notepad.noveda-new"), "(missing)");
    EXPECT_EQ(File("C:\\Windows\\system32\\notepad.exe"), "launcher"); // the other folder went on
}

TEST_F(Shell, SwitchingOffKeepsANotepadWhateverFails)
{
    ASSERT_TRUE(Apply({}, {false, true}).empty());
    files.failReplaceAt = files.replaces + 1;
    const std::vector<ShellMessage> messages = Apply({false, true}, {});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].argument, kWindows);
    EXPECT_EQ(File("C:\\Windows\\notepad.exe"), "launcher");
    EXPECT_EQ(File("C:\\Windows\\system32\\notepad.exe"), "notepad32");
}

TEST_F(Shell, AWindowsFolderWithoutNotepadCannotBeSwitchedOn)
{
    files.files.erase("C:\\Windows\\notepad.exe");
    files.files.erase("C:\\Windows\\system32\\notepad.exe");
    const std::vector<ShellMessage> messages = Apply({}, {false, true});
    ASSERT_EQ(messages.size(), 1u); // system32 had nothing to replace
    EXPECT_EQ(messages[0].argument, kWindows);
    EXPECT_EQ(File("C:\\Windows\\notepad.exe"), "(missing)");
}

} // namespace
