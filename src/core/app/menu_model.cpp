#include "core/app/menu_model.h"

namespace {

bool StopsNumbering(const MenuItem& item)
{
    if (item.id == kFirstRecentFileCommand)
        return !item.popup;
    return item.id == kFirstWindowCommand || item.id == kFirstViewSourceAsCommand || item.id == kFirstFavoriteCommand;
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
