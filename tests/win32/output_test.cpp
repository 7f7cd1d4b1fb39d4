// External tools run by the real frame: captured output in the output
// window, Execute, the output menu, and jumps from the output to a file.
#include "dialog_script.h"
#include "tool_fixture.h"

#include "core/tools/output_text.h"

#include <dlgs.h>

namespace {

class Output : public ToolFramework {
protected:
    HWND Edit() { return Pane().Window(); }

    // A file that a tool writes on its own, given a minute to appear.
    static bool WaitForFile(const fs::path& path)
    {
        for (int i = 0; i < 1200 && !fs::exists(path); ++i)
            Sleep(50);
        Sleep(100); // written and closed
        return fs::exists(path);
    }

    bool Enabled(int id)
    {
        const std::optional<CommandUpdate> update = frame.UpdateCommand(id);
        return update && update->enabled;
    }
};

TEST_F(Output, TheWindowKeepsTheEndOfALongOutputInOrder)
{
    // 8334 lines of 12 bytes: 100 008 bytes.
    frame.RunCaptured(ToolChild() + " print 8334");
    ASSERT_TRUE(WaitForRuns(1));
    const std::string text = Pane().Text();
    EXPECT_LE(text.size(), kOutputKeep);
    EXPECT_GE(text.size(), kOutputKeep - kOutputCut - 1023);
    EXPECT_EQ(100008 - text.size(), (100008 - text.size()) / kOutputCut * kOutputCut); // cut in steps
    ASSERT_TRUE(text.ends_with("line 08334\r\n"));
    // Every whole line follows the one before it.
    std::istringstream lines(text.substr(text.find("\r\n") + 2));
    std::string line;
    int previous = 0;
    while (std::getline(lines, line)) {
        const int number = std::stoi(line.substr(5));
        if (previous) {
            EXPECT_EQ(number, previous + 1);
        }
        previous = number;
    }
    EXPECT_EQ(previous, 8334);
}

TEST_F(Output, AToolThatReadsItsInputEndsAndAMissingOneIsReported)
{
    frame.RunCaptured(ToolChild() + " stdin");
    ASSERT_TRUE(WaitForRuns(1));
    EXPECT_EQ(Pane().Text(), "read 0 bytes\r\n");

    Pane().Clear();
    frame.RunCaptured("no_such_tool_4711.exe &f");
    EXPECT_EQ(Pane().Text(), "Error starting subprocess\r\n");
    EXPECT_EQ(frame.FinishedOutputRuns(), 1);
}

TEST_F(Output, ExecuteRunsTheDocumentsToolWithThePathAsOneArgument)
{
    settings.tools = {{"nvt", ToolChild() + " args &f", 1}};
    const std::string path = Write("x.nvt", "text\r\n");
    frame.OpenDocument(path, OpenOptions{});
    Pump();
    frame.Bars().Show(FrameBars::kOutput, false);
    Pane().Append("an earlier run\r\n");
    ASSERT_TRUE(MenuItemEnabled(ID_ACTIONS_EXECUTE));
    Command(ID_ACTIONS_EXECUTE);
    EXPECT_TRUE(frame.Bars().Visible(FrameBars::kOutput));
    ASSERT_TRUE(WaitForRuns(1));
    EXPECT_EQ(Pane().Text(), "[" + path + "]\r\n");
}

TEST_F(Output, ExecuteStartsDetachedToolsAndTheSystemsProgramForOtherFiles)
{
    const fs::path detached = folder / "detached.txt";
    settings.tools = {{"nvd", ToolChild() + " record \"" + ToCp1251(detached.wstring()) + "\" &f", 0}};
    const std::string tool = Write("y.nvd", "");
    frame.OpenDocument(tool, OpenOptions{});
    Pump();
    Command(ID_ACTIONS_EXECUTE);
    ASSERT_TRUE(WaitForFile(detached));
    EXPECT_EQ(FileText(detached), tool);
    EXPECT_FALSE(Pane().HasText());

    // An extension the system knows: its own program opens the file.
    const fs::path opened = folder / "opened.txt";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L".nvopen", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(L"NovedaTestOpen"), 30);
    RegCloseKey(key);
    const std::wstring command =
        FromCp1251(ToolChild()) + L" record \"" + opened.wstring() + L"\" \"%1\"";
    RegSetKeyValueW(HKEY_CLASSES_ROOT, L"NovedaTestOpen\\shell\\open\\command", nullptr, REG_SZ, command.c_str(),
                    static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    const std::string document = Write("z.nvopen", "");
    frame.OpenDocument(document, OpenOptions{});
    Pump();
    EXPECT_TRUE(MenuItemEnabled(ID_ACTIONS_EXECUTE));
    Command(ID_ACTIONS_EXECUTE);
    const bool started = WaitForFile(opened);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"NovedaTestOpen");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L".nvopen");
    ASSERT_TRUE(started);
    EXPECT_EQ(fs::path(FromCp1251(FileText(opened))), fs::path(FromCp1251(document)));
}

TEST_F(Output, ExecuteIsForFilesWithAToolOrAProgram)
{
    settings.tools = {{"nvt", "tool &f", 1}};
    frame.NewDocument();
    Pump();
    EXPECT_FALSE(MenuItemEnabled(ID_ACTIONS_EXECUTE)); // untitled, not of a tool's type
    frame.OpenDocument(Write("plain.nvunknown", ""), OpenOptions{});
    Pump();
    EXPECT_FALSE(MenuItemEnabled(ID_ACTIONS_EXECUTE));
}

TEST_F(Output, ClosingTheProgramDuringARunLetsTheReaderEndQuietly)
{
    MemoryProfileStore otherStore;
    auto other = std::make_unique<CMainFrame>(settings, schemes, clips, Services(otherStore));
    ASSERT_TRUE(other->Create());
    other->RunCaptured(ToolChild() + " slow");
    const std::weak_ptr<OutputChannel> channel = other->CaptureChannel();
    PumpUntil([&] { return other->Bars().Output().HasText(); });
    EXPECT_EQ(other->Bars().Output().Text(), "first\r\n");
    other.reset(); // the child is still running
    for (int i = 0; i < 1200 && !channel.expired(); ++i) {
        Sleep(50);
        Pump();
    }
    EXPECT_TRUE(channel.expired()); // the reader has let go
}

TEST_F(Output, ADoubleClickOnAFinderLineOpensTheFileAtThatLine)
{
    std::string lines;
    for (int i = 1; i <= 30; ++i)
        lines += "line " + std::to_string(i) + "\r\n";
    const std::string path = Write("x.txt", lines);
    frame.Bars().Show(FrameBars::kOutput, true);
    Pane().Append("C:\\nowhere\\none.txt(3) : missing\r\n" + path + "(12) : hit\r\nplain words\r\n");
    auto clickLine = [this](int line) {
        const LRESULT at = SendMessageW(Edit(), EM_POSFROMCHAR, SendMessageW(Edit(), EM_LINEINDEX, line, 0), 0);
        const LPARAM point = MAKELPARAM(LOWORD(at) + 3, HIWORD(at) + 3);
        SendMessageW(Edit(), WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageW(Edit(), WM_LBUTTONUP, 0, point);
        SendMessageW(Edit(), WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        SendMessageW(Edit(), WM_LBUTTONUP, 0, point);
        Pump();
    };
    auto selection = [this] {
        DWORD from = 0, to = 0;
        SendMessageW(Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        return std::make_pair(from, to);
    };
    clickLine(0); // a missing file: the line is selected, nothing opens
    EXPECT_EQ(selection(), std::make_pair(DWORD{0}, DWORD{32}));
    EXPECT_EQ(frame.ActiveChild(), nullptr);

    clickLine(1);
    ASSERT_NE(frame.ActiveChild(), nullptr);
    EXPECT_EQ(frame.ActiveChild()->Document().GetPathName(), path);
    EXPECT_EQ(frame.ActiveView()->View().Caret().line, 11);

    // Open already: the same window, at the line again.
    frame.ActiveView()->View().MoveCaretTo(0, 0);
    clickLine(1);
    EXPECT_EQ(frame.Documents().Entries().size(), 1u);
    EXPECT_EQ(frame.ActiveView()->View().Caret().line, 11);
}

TEST_F(Output, TheOutputMenuClearsCopiesAndSavesEveryLine)
{
    EXPECT_FALSE(Enabled(ID_OUTPUT_CLEAR));
    EXPECT_TRUE(Enabled(ID_OUTPUT_SAVE));
    Pane().Append("one\r\n\r\nthree");
    EXPECT_TRUE(Enabled(ID_OUTPUT_CLEAR));
    EXPECT_FALSE(Enabled(ID_OUTPUT_COPY));
    SendMessageW(Edit(), EM_SETSEL, 0, 3);
    EXPECT_TRUE(Enabled(ID_OUTPUT_COPY));
    Command(ID_OUTPUT_COPY);
    ASSERT_TRUE(OpenClipboard(nullptr));
    const auto copied = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
    EXPECT_EQ(std::wstring(copied ? copied : L""), L"one");
    GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
    CloseClipboard();

    const fs::path saved = folder / "saved.log";
    std::wstring offered;
    DialogScript script([&](HWND dialog) {
        wchar_t name[MAX_PATH] = {};
        GetDlgItemTextW(dialog, cmb13, name, MAX_PATH);
        if (!*name)
            GetDlgItemTextW(dialog, edt1, name, MAX_PATH);
        offered = name;
        SetDlgItemTextW(dialog, cmb13, saved.c_str());
        SetDlgItemTextW(dialog, edt1, saved.c_str());
        DialogScript::Click(dialog, IDOK);
    });
    Command(ID_OUTPUT_SAVE);
    EXPECT_EQ(offered, L"output.log");
    EXPECT_EQ(FileText(saved), "one\r\n\r\nthree\r\n");

    Command(ID_OUTPUT_CLEAR);
    EXPECT_FALSE(Pane().HasText());
}

} // namespace
