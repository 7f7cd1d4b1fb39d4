#include "core/app/dock_layout.h"

#include <gtest/gtest.h>

namespace {

DockedBar Bar(int id, DockSide side, int thickness, bool sizing = false)
{
    DockedBar bar;
    bar.id = id;
    bar.side = side;
    bar.sizes.horzCY = thickness;
    bar.sizes.vertCX = thickness;
    bar.sizing = sizing;
    return bar;
}

} // namespace

TEST(DockLayout, BarsTakeTheEdgesInOrderAndLeaveTheRestToTheDocuments)
{
    std::vector<DockedBar> bars{Bar(59392, DockSide::Top, 26), Bar(1002, DockSide::Top, 24),
                                Bar(123, DockSide::Bottom, 100), Bar(7, DockSide::Left, 50)};
    DockLayout layout = LayoutDockedBars({0, 0, 800, 600}, bars);
    EXPECT_EQ(layout.bars[0], (Rect{0, 0, 800, 26}));
    EXPECT_EQ(layout.bars[1], (Rect{0, 26, 800, 50}));
    EXPECT_EQ(layout.bars[2], (Rect{0, 500, 800, 600}));
    EXPECT_EQ(layout.bars[3], (Rect{0, 50, 50, 500}));
    EXPECT_EQ(layout.client, (Rect{50, 50, 800, 500}));

    bars[1].visible = false;
    bars[2].side = DockSide::Right;
    bars[2].sizes.vertCX = 150;
    layout = LayoutDockedBars({0, 0, 800, 600}, bars);
    EXPECT_EQ(layout.bars[1], Rect{});
    EXPECT_EQ(layout.bars[2], (Rect{650, 26, 800, 600}));
    EXPECT_EQ(layout.client, (Rect{50, 26, 650, 600}));
}

TEST(DockLayout, ABarNeverTakesMoreThanIsLeft)
{
    const std::vector<DockedBar> bars{Bar(1, DockSide::Top, 70), Bar(2, DockSide::Bottom, 500)};
    const DockLayout layout = LayoutDockedBars({0, 0, 300, 100}, bars);
    EXPECT_EQ(layout.bars[1], (Rect{0, 70, 300, 100}));
    EXPECT_EQ(layout.client.Height(), 0);
}

TEST(DockLayout, NearestSide)
{
    const Rect frame{0, 0, 800, 600};
    EXPECT_EQ(NearestSide({400, 5}, frame), DockSide::Top);
    EXPECT_EQ(NearestSide({400, 590}, frame), DockSide::Bottom);
    EXPECT_EQ(NearestSide({-30, 300}, frame), DockSide::Left);
    EXPECT_EQ(NearestSide({790, 100}, frame), DockSide::Right);
}

TEST(DockLayout, StateSurvivesTheStoreAndIgnoresDamage)
{
    std::vector<DockedBar> bars{Bar(59392, DockSide::Top, 26), Bar(123, DockSide::Bottom, 100, true)};
    bars[0].visible = false;
    bars[1].side = DockSide::Left;
    bars[1].sizes.vertCX = 240;
    MemoryProfileStore store;
    SaveDockState(store, "Toolbars", bars);
    EXPECT_EQ(store.GetInt("Toolbars-SCBar-123", "sizeVertCX"), 240u);
    EXPECT_EQ(store.GetInt("Toolbars-SCBar-59392", "sizeVertCX"), std::nullopt); // not a sizing bar

    std::vector<DockedBar> fresh{Bar(123, DockSide::Bottom, 100, true), Bar(59392, DockSide::Top, 26)};
    LoadDockState(store, "Toolbars", fresh);
    EXPECT_EQ(fresh[0].side, DockSide::Left);
    EXPECT_EQ(fresh[0].sizes, bars[1].sizes);
    EXPECT_FALSE(fresh[1].visible);

    store.SetInt("Toolbars-Bar1", "DockSide", 9);
    store.SetInt("Toolbars-SCBar-123", "sizeHorzCY", 0);
    store.SetInt("Toolbars-Summary", "Bars", 4000000000u);
    std::vector<DockedBar> again{Bar(123, DockSide::Bottom, 100, true)};
    LoadDockState(store, "Toolbars", again);
    EXPECT_EQ(again[0].side, DockSide::Bottom); // side 9 does not exist
    EXPECT_EQ(again[0].sizes.horzCY, 100);      // nor does a height of 0
    EXPECT_EQ(again[0].sizes.vertCX, 240);

    std::vector<DockedBar> untouched{Bar(5, DockSide::Right, 10)};
    LoadDockState(MemoryProfileStore{}, "Toolbars", untouched);
    EXPECT_EQ(untouched[0].side, DockSide::Right);
}
