#pragma once

#include <string>
#include <vector>

// The items that the program appends to its window's own menu, which the
// window shows after the desktop's usual commands.
class CMenu {
public:
    struct Item {
        unsigned flags; // MF_STRING or MF_SEPARATOR
        unsigned id;
        std::string text;
    };

    bool AppendMenu(unsigned flags, unsigned id = 0, const std::string& text = {});
    const std::vector<Item>& Items() const { return m_items; }

private:
    std::vector<Item> m_items;
};
