// Every command that changes text is one undo step, and Redo gives back
// exactly the text the command made, a line's own CR bytes included.
#include "core/settings/command_ids.h"
#include "view_fixture.h"

#include <functional>

namespace {

constexpr const char* kPath = "C:\\mixed.txt";
// An LF file whose second line holds a CR of its own (and а in KOI8-R).
const std::string kFile = "<first> \xC1 line\nsec\rond\n<third>\n";

class RedoTest : public ViewTest {
protected:
    void SetUp() override
    {
        fs.files[kPath] = kFile;
        ASSERT_TRUE(doc.OnOpenDocument(kPath, {.codePage = CP_WIN}));
        ASSERT_TRUE(clips.slots[0].Read(0, "#library_name=T\n#clip_name=B\n#clip_key=b\n[%selection%]\n"));
        Start();
    }

    std::string Saved()
    {
        EXPECT_TRUE(doc.OnSaveDocument(kPath));
        return fs.files[kPath];
    }

    // Runs `command`, then undoes it in one step and redoes it: the saved
    // bytes after the redo are those after the command.
    void ExpectOneStepRedoneExactly(const std::string& what, const std::function<void()>& command)
    {
        SCOPED_TRACE(what);
        SetUp();
        const int stepsBefore = doc.GetUndoPos();
        command();
        const std::string edited = Saved();
        EXPECT_NE(edited, kFile);
        TextPos caret;
        ASSERT_TRUE(doc.Undo(caret));
        EXPECT_EQ(doc.GetUndoPos(), stepsBefore);
        EXPECT_EQ(Saved(), kFile);
        ASSERT_TRUE(doc.Redo(caret));
        EXPECT_FALSE(doc.CanRedo());
        EXPECT_EQ(Saved(), edited);
        EXPECT_EQ(edited.find('\0'), std::string::npos);
    }

    Point Cell(int col, int row) const { return {view->PanelWidth() + 5 + col * 8 + 3, row * 16 + 5}; }
};

} // namespace

TEST_F(RedoTest, EveryCommandThatInsertsTextRedoesItsExactText)
{
    const TextPos all{0, 0};
    const TextPos end{0, 3};
    ExpectOneStepRedoneExactly("upper case", [&] {
        Select(all, end);
        view->OnCommand(ID_EDIT_UPPER_CASE);
    });
    ExpectOneStepRedoneExactly("right-click copy", [&] {
        settings.MouseMenu = 0;
        Select({0, 1}, {7, 1});
        view->OnRButtonDown(Cell(0, 2));
    });
    ExpectOneStepRedoneExactly("%selection% snippet", [&] {
        Select({0, 1}, {7, 1});
        view->InsertClip(10200);
    });
    ExpectOneStepRedoneExactly("ranged convert", [&] { doc.Convert(std::pair{all, end}, CP_KOI8, CP_WIN, false); });
    ExpectOneStepRedoneExactly("remove tags", [&] { doc.RemoveTags(std::pair{all, end}); });
    ExpectOneStepRedoneExactly("align a range", [&] {
        doc.AlignText(std::pair{all, end}, {AlignMode::Right, 0, 20, false, 0});
    });
    ExpectOneStepRedoneExactly("align the whole text", [&] {
        doc.AlignText(std::nullopt, {AlignMode::Center, 0, 30, false, 0});
    });
    ExpectOneStepRedoneExactly("insert file", [&] {
        fs.files["C:\\other.txt"] = "a\rb\nc\n";
        TextPos at{0, 1};
        ASSERT_TRUE(doc.InsertFile("C:\\other.txt", at));
    });
}

TEST_F(RedoTest, InsertFileKeepsTheCrBytesOfItsLines)
{
    fs.files["C:\\other.txt"] = "a\rb\nc\n";
    TextPos at{0, 1};
    ASSERT_TRUE(doc.InsertFile("C:\\other.txt", at));
    EXPECT_EQ(Stored(), (std::vector<std::string>{"<first> \xC1 line", "a\rb", "c", "sec\rond", "<third>", ""}));
    EXPECT_EQ(at, (TextPos{0, 3}));
}

TEST_F(RedoTest, PlainTextWithACrBeforeANulRedoesAsItWasInserted)
{
    TextPos at{0, 0};
    doc.InsertText(at, std::string("x\r\0y", 4), true);
    const std::vector<std::string> inserted = Stored();
    EXPECT_EQ(inserted[1], std::string("\0y<first> \xC1 line", 16));
    TextPos caret;
    doc.Undo(caret);
    doc.Redo(caret);
    EXPECT_EQ(Stored(), inserted);
}
