#pragma once

#include <string>
#include <utility>
#include <vector>

// A menu as plain data, so that numbering and text replacement are testable;
// the Windows side converts a real menu into this and back.
struct MenuItem {
    unsigned id = 0; // command id; 0 for pop-ups
    std::string text;
    bool separator = false;
    bool bitmap = false;
    bool popup = false;
    bool clipLibrary = false; // a clip library's pop-up, put in at run time
    bool disabled = false;
    std::vector<MenuItem> items; // of a pop-up

    friend bool operator==(const MenuItem&, const MenuItem&) = default;

    static MenuItem Command(unsigned id, std::string text)
    {
        MenuItem item;
        item.id = id;
        item.text = std::move(text);
        return item;
    }
    static MenuItem Separator()
    {
        MenuItem item;
        item.separator = true;
        return item;
    }
    static MenuItem Popup(std::string text, std::vector<MenuItem> items)
    {
        MenuItem item;
        item.text = std::move(text);
        item.popup = true;
        item.items = std::move(items);
        return item;
    }
};
using Menu = std::vector<MenuItem>;

// The menu's items that a language file can name, with their numbers from
// `base`: depth first, a pop-up before its items, separators and bitmaps
// left out, clip library pop-ups at the top of a menu skipped.
std::vector<std::pair<int, MenuItem*>> NumberMenuItems(Menu& menu, int base);
