#include "core/app/dock_layout.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

constexpr std::uint32_t kSideCount = 4;
constexpr std::uint32_t kMostBars = 64;

std::string BarSection(std::string_view name, std::size_t index)
{
    return std::string(name) + "-Bar" + std::to_string(index);
}

std::string SizingSection(std::string_view name, int id)
{
    return std::string(name) + "-SCBar-" + std::to_string(id);
}

struct SizeValue {
    const char* name;
    int BarSizes::*field;
};
constexpr SizeValue kSizeValues[] = {
    {"sizeHorzCX", &BarSizes::horzCX}, {"sizeHorzCY", &BarSizes::horzCY}, {"sizeVertCX", &BarSizes::vertCX},
    {"sizeVertCY", &BarSizes::vertCY}, {"sizeFloatCX", &BarSizes::floatCX}, {"sizeFloatCY", &BarSizes::floatCY},
};

} // namespace

DockLayout LayoutDockedBars(const Rect& area, const std::vector<DockedBar>& bars)
{
    DockLayout layout{{}, area};
    Rect& left = layout.client;
    for (const DockedBar& bar : bars) {
        Rect placed;
        if (bar.visible) {
            const int room = bar.Horizontal() ? left.Height() : left.Width();
            const int thickness = std::clamp(bar.Thickness(), 0, std::max(room, 0));
            placed = left;
            switch (bar.side) {
            case DockSide::Top: placed.bottom = left.top += thickness; break;
            case DockSide::Bottom: placed.top = left.bottom -= thickness; break;
            case DockSide::Left: placed.right = left.left += thickness; break;
            case DockSide::Right: placed.left = left.right -= thickness; break;
            }
        }
        layout.bars.push_back(placed);
    }
    return layout;
}

DockSide NearestSide(Point p, const Rect& area)
{
    const int distances[] = {std::abs(p.y - area.top), std::abs(area.bottom - p.y), std::abs(p.x - area.left),
                             std::abs(area.right - p.x)};
    return static_cast<DockSide>(std::min_element(std::begin(distances), std::end(distances)) - std::begin(distances));
}

void SaveDockState(ProfileStore& store, std::string_view name, const std::vector<DockedBar>& bars)
{
    store.SetInt(std::string(name) + "-Summary", "Bars", static_cast<std::uint32_t>(bars.size()));
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const DockedBar& bar = bars[i];
        const std::string section = BarSection(name, i);
        store.SetInt(section, "BarID", static_cast<std::uint32_t>(bar.id));
        store.SetInt(section, "Visible", bar.visible ? 1 : 0);
        store.SetInt(section, "DockSide", static_cast<std::uint32_t>(bar.side));
        if (bar.sizing)
            for (const SizeValue& value : kSizeValues)
                store.SetInt(SizingSection(name, bar.id), value.name, static_cast<std::uint32_t>(bar.sizes.*value.field));
    }
}

void LoadDockState(const ProfileStore& store, std::string_view name, std::vector<DockedBar>& bars)
{
    const std::uint32_t count = std::min(store.GetInt(std::string(name) + "-Summary", "Bars").value_or(0), kMostBars);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::string section = BarSection(name, i);
        const auto id = store.GetInt(section, "BarID");
        const auto bar = std::find_if(bars.begin(), bars.end(),
                                      [&](const DockedBar& b) { return id && b.id == static_cast<int>(*id); });
        if (bar == bars.end())
            continue;
        if (const auto visible = store.GetInt(section, "Visible"))
            bar->visible = *visible != 0;
        if (const auto side = store.GetInt(section, "DockSide"); side && *side < kSideCount)
            bar->side = static_cast<DockSide>(*side);
        if (!bar->sizing)
            continue;
        for (const SizeValue& value : kSizeValues)
            if (const auto size = store.GetInt(SizingSection(name, bar->id), value.name);
                size && static_cast<int>(*size) > 0)
                bar->sizes.*value.field = static_cast<int>(*size);
    }
}
