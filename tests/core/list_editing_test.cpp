#include "core/app/list_editing.h"
#include "core/settings/settings_io.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Buttons = std::vector<std::uint8_t>;
constexpr std::uint8_t kSep = kToolbarSeparator;

TEST(ListEditing, RemovalSelectsTheFollowingEntryElseThePrevious)
{
    EXPECT_EQ(SelectionAfterRemoval(1, 4), 1u);
    EXPECT_EQ(SelectionAfterRemoval(3, 4), 2u);
    EXPECT_EQ(SelectionAfterRemoval(0, 1), std::nullopt);

    std::vector<std::string> list{"a", "b", "c"};
    EXPECT_EQ(MoveEntry(list, 0, -1), std::nullopt);
    EXPECT_EQ(MoveEntry(list, 2, +1), std::nullopt);
    EXPECT_EQ(MoveEntry(list, 5, -1), std::nullopt);
    EXPECT_EQ(MoveEntry(list, 2, -1), 1u);
    EXPECT_EQ(list, (std::vector<std::string>{"a", "c", "b"}));
    EXPECT_EQ(MoveEntry(list, 0, +1), 1u);
    EXPECT_EQ(list, (std::vector<std::string>{"c", "a", "b"}));
}

TEST(ToolbarPage, InsertNeverDoublesACommandButRepeatsSeparators)
{
    ToolbarList list{{0, 1, kSep, 3}, std::nullopt};
    list.Insert(7); // nothing selected: at the top
    EXPECT_EQ(list.buttons, (Buttons{7, 0, 1, kSep, 3}));
    EXPECT_EQ(list.selected, 0u);
    list.Insert(kSep);
    list.Insert(kSep);
    EXPECT_EQ(list.buttons, (Buttons{7, kSep, kSep, 0, 1, kSep, 3}));
    EXPECT_EQ(list.selected, 2u);
    list.Insert(3); // already there: only selected
    EXPECT_EQ(list.buttons, (Buttons{7, kSep, kSep, 0, 1, kSep, 3}));
    EXPECT_EQ(list.selected, 6u);
    list.Insert(9); // after the selected one, at the end
    EXPECT_EQ(list.buttons.back(), 9);
    EXPECT_EQ(list.selected, 7u);
}

TEST(ToolbarPage, RemoveKeepsOneButtonAndMovesStopAtTheEnds)
{
    ToolbarList list{{4, 5, 6}, 2u};
    list.Move(+1);
    EXPECT_EQ(list.buttons, (Buttons{4, 5, 6}));
    list.Move(-1);
    EXPECT_EQ(list.buttons, (Buttons{4, 6, 5}));
    EXPECT_EQ(list.selected, 1u);
    list.Remove();
    EXPECT_EQ(list.buttons, (Buttons{4, 5}));
    EXPECT_EQ(list.selected, 1u); // the following entry
    list.Remove();
    EXPECT_EQ(list.buttons, (Buttons{4}));
    EXPECT_EQ(list.selected, 0u); // the previous one, as the last went
    EXPECT_FALSE(list.CanRemove());
    list.Remove();
    EXPECT_EQ(list.buttons, (Buttons{4}));
    ToolbarList none{{1, 2}, std::nullopt};
    EXPECT_FALSE(none.CanRemove());
    none.Move(+1);
    EXPECT_EQ(none.buttons, (Buttons{1, 2}));
}

} // namespace
