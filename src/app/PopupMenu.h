#pragma once
// The twelve player commands of the tray icon's menu, which is also the main
// window's context menu: each item sends its command code to DoIt.
#include "state/Elements.h"

#include <array>

namespace velto {

struct PopupMenuItem {
    const char* caption; // with "&" marking the access key
    Action code;         // what DoIt runs
};

inline constexpr std::array<PopupMenuItem, 12> kPopupMenu{{
    {"&Options...", Action::Options},
    {"&Play", Action::Play},
    {"&Stop", Action::Stop},
    {"P&ause", Action::Pause},
    {"&Next", Action::NextTrack},
    {"Pre&vious", Action::PrevTrack},
    {"Add &File", Action::AddFile},
    {"Select S&kin", Action::SelectSkin},
    {"&Visual Playlist Selector", Action::PlaylistSelector},
    {"&Load Playlist", Action::LoadPlaylist},
    {"Clear Playlist", Action::ClearPlaylist},
    {"Exit", Action::Quit},
}};

} // namespace velto
