#pragma once
// The twelve player commands of the tray icon's menu, which is also the main
// window's context menu: each item sends its command code to DoIt.
#include <QString>

#include <array>

namespace velto {

struct PopupMenuItem {
    const char* caption; // with "&" marking the access key
    int code;            // action number for DoIt
};

inline constexpr std::array<PopupMenuItem, 12> kPopupMenu{{
    {"&Options...", 5},
    {"&Play", 12},
    {"&Stop", 10},
    {"P&ause", 11},
    {"&Next", 15},
    {"Pre&vious", 14},
    {"Add &File", 23},
    {"Select S&kin", 6},
    {"&Visual Playlist Selector", 35},
    {"&Load Playlist", 21},
    {"Clear Playlist", 20},
    {"Exit", 1},
}};

// The command code of menu item `index` (1-based); 0 outside the menu.
inline int PopupMenuCode(int index) {
    return index >= 1 && index <= static_cast<int>(kPopupMenu.size()) ? kPopupMenu[index - 1].code
                                                                      : 0;
}

} // namespace velto
