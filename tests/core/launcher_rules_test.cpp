// What the launcher in Notepad's place starts for the command lines the
// shell and other programs give Notepad.
#include "core/app/launcher_rules.h"

#include <gtest/gtest.h>

namespace {

constexpr char kEditor[] = "C:\\Program Files\\Noveda\\noveda.exe";
constexpr char kNotepad[] = "C:\\Windows\\padswap.exe";
constexpr char kQuotedEditor[] = "\"C:\\Program Files\\Noveda\\noveda.exe\"";
constexpr char kQuotedNotepad[] = "\"C:\\Windows\\padswap.exe\"";

std::string EditorLine(const std::string& arguments)
{
    const LaunchPlan plan = PlanLaunch(arguments, kEditor, kNotepad);
    EXPECT_EQ(plan.program, kEditor);
    return plan.commandLine;
}

TEST(Launcher, TheArgumentsFollowTheProgramNameQuotedOrNot)
{
    EXPECT_EQ(ArgumentsAfterProgram("\"C:\\Windows\\notepad.exe\"  a b.txt "), "a b.txt");
    EXPECT_EQ(ArgumentsAfterProgram("notepad.exe C:\\x.txt"), "C:\\x.txt");
    EXPECT_EQ(ArgumentsAfterProgram("notepad"), "");
    EXPECT_EQ(ArgumentsAfterProgram("\"unterminated name"), "");
    EXPECT_EQ(ArgumentsAfterProgram(""), "");
}

TEST(Launcher, TheFileOpensInTheEditorQuotedWhateverItHolds)
{
    EXPECT_EQ(EditorLine(""), kQuotedEditor);
    // Notepad takes all the rest as one name: the shell's unquoted %1 included.
    EXPECT_EQ(EditorLine("C:\\My Documents\\a b.txt"), std::string(kQuotedEditor) + " \"C:\\My Documents\\a b.txt\"");
    EXPECT_EQ(EditorLine("\"C:\\My Documents\\a b.txt\" extra"),
              std::string(kQuotedEditor) + " \"C:\\My Documents\\a b.txt\"");
    EXPECT_EQ(EditorLine("/A \"C:\\x.txt\""), std::string(kQuotedEditor) + " \"C:\\x.txt\"");
    EXPECT_EQ(EditorLine("/w /a x.txt"), std::string(kQuotedEditor) + " \"x.txt\"");
    // A name that only starts like a switch is a name.
    EXPECT_EQ(EditorLine("/path/file"), std::string(kQuotedEditor) + " \"/path/file\"");
    // A file name with a blank and a program name after it stays one argument.
    EXPECT_EQ(EditorLine("x.txt & calc.exe"), std::string(kQuotedEditor) + " \"x.txt & calc.exe\"");
}

TEST(Launcher, PrintingStaysWithNotepad)
{
    LaunchPlan plan = PlanLaunch("/p C:\\a b.txt", kEditor, kNotepad);
    EXPECT_EQ(plan.program, kNotepad);
    EXPECT_EQ(plan.commandLine, std::string(kQuotedNotepad) + " /p C:\\a b.txt");
    plan = PlanLaunch("/PT \"a.txt\" \"Printer\" \"Driver\" \"Port\"", kEditor, kNotepad);
    EXPECT_EQ(plan.program, kNotepad);
    EXPECT_EQ(plan.commandLine, std::string(kQuotedNotepad) + " /PT \"a.txt\" \"Printer\" \"Driver\" \"Port\"");
}

TEST(Launcher, WithoutTheEditorNotepadGetsTheSameArguments)
{
    const LaunchPlan plan = NotepadLaunch(" C:\\a b.txt ", kNotepad);
    EXPECT_EQ(plan.program, kNotepad);
    EXPECT_EQ(plan.commandLine, std::string(kQuotedNotepad) + " C:\\a b.txt");
    EXPECT_EQ(NotepadLaunch("", kNotepad).commandLine, kQuotedNotepad);
}

} // namespace
