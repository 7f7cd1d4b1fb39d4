#pragma once

#include "core/platform/geometry.h"
#include "core/platform/profile_store.h"

#include <string_view>
#include <vector>

// Bars docked along the frame's edges: where each lies, what is left for the
// documents, and how the arrangement outlives the program.

enum class DockSide : std::uint8_t { Top, Bottom, Left, Right };

// A sizing bar's sizes: docked at the top or bottom it is horzCY high,
// docked at a side vertCX wide; the other values are kept as they come.
struct BarSizes {
    int horzCX = 100, horzCY = 100, vertCX = 100, vertCY = 100, floatCX = 100, floatCY = 100;
    friend bool operator==(const BarSizes&, const BarSizes&) = default;
};

struct DockedBar {
    int id = 0;
    bool visible = true;
    DockSide side = DockSide::Top;
    BarSizes sizes;
    bool sizing = false; // resizable by the user; its sizes are stored too

    bool Horizontal() const { return side == DockSide::Top || side == DockSide::Bottom; }
    int Thickness() const { return Horizontal() ? sizes.horzCY : sizes.vertCX; }
};

struct DockLayout {
    std::vector<Rect> bars; // one per bar, empty for hidden ones
    Rect client;            // what is left
};

// Bars take their thickness from the edges in order, the first outermost; a
// bar never takes more than what is left.
DockLayout LayoutDockedBars(const Rect& area, const std::vector<DockedBar>& bars);

// The edge of `area` nearest to `p` (inside or outside it).
DockSide NearestSide(Point p, const Rect& area);

// Under "<name>-Bar<i>" (BarID, Visible, DockSide) with the count in
// "<name>-Summary" "Bars"; sizing bars also under "<name>-SCBar-<id>".
void SaveDockState(ProfileStore& store, std::string_view name, const std::vector<DockedBar>& bars);
// Updates the bars it knows by id; damaged values leave a bar as it was.
void LoadDockState(const ProfileStore& store, std::string_view name, std::vector<DockedBar>& bars);
