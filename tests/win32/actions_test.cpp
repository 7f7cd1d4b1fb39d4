// The Actions menu: whole-text commands and the small dialogs.
#include "frame_fixture.h"

namespace {

class Actions : public Framework {
protected:
    void SetUp() override
    {
        Framework::SetUp();
        frame.NewDocument();
        Pump();
    }

    CTextDoc& Doc() { return frame.ActiveChild()->Document(); }
    CTextView& View() { return frame.ActiveView()->View(); }

    std::vector<std::string> Lines()
    {
        std::vector<std::string> lines;
        for (int i = 0; i < Doc().GetLineCount(); ++i)
            lines.emplace_back(Doc().GetLine(i));
        return lines;
    }
};

TEST_F(Actions, TabsToSpacesAndTrimAreUndoneInOneStep)
{
    settings.TabSize = 4;
    Type(L"a\tb  \rc \t");
    const std::vector<std::string> typed = Lines();
    ASSERT_EQ(typed, (std::vector<std::string>{"a\x07\x06\x06" "b  ", "c \x07\x06"}));
    Command(ID_ACTIONS_TABS_TO_SPACES);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"a   b  ", "c   "}));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Lines(), typed);

    Command(ID_ACTIONS_TRIM_SPACES);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"a\x07\x06\x06" "b", "c"}));
    EXPECT_LE(View().Caret().col, 1); // clamped into the shorter line
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Lines(), typed);
}

} // namespace
