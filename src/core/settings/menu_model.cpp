#include "core/settings/menu_model.h"

#include "core/settings/command_ids.h"

namespace {

// Items that stand for lists the program fills at run time: numbering of a
// (sub-)menu stops at the first of them.
bool StopsNumbering(const MenuItem& item)
{
    if (item.id == ID_FILE_MRU_FIRST)
        return !item.popup;
    return item.id == ID_WINDOW_FIRST || item.id == ID_VIEW_SOURCE_FIRST || item.id == ID_FAVORITES_FIRST;
}

void Number(std::vector<MenuItem>& items, int& next, std::vector<std::pair<int, MenuItem*>>& numbered)
{
    std::size_t i = 0;
    while (i < items.size() && items[i].popup && items[i].clipLibrary)
        ++i;
    for (; i < items.size(); ++i) {
        MenuItem& item = items[i];
        if (StopsNumbering(item))
            break;
        if (item.separator || item.bitmap)
            continue;
        numbered.emplace_back(next++, &item);
        if (item.popup)
            Number(item.items, next, numbered);
    }
}

} // namespace

std::vector<std::pair<int, MenuItem*>> NumberMenuItems(Menu& menu, int base)
{
    std::vector<std::pair<int, MenuItem*>> numbered;
    int next = base;
    Number(menu, next, numbered);
    return numbered;
}
