#include "framework/gui/Menu.h"

bool CMenu::AppendMenu(unsigned flags, unsigned id, const std::string& text)
{
    m_items.push_back({flags, id, text});
    return true;
}
