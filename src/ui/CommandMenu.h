#pragma once
// The player's command menu, as the tray icon and the main window show it:
// one item for each entry of the menu table.
class QMenu;

namespace velto {

class Player;

// Adds the twelve items to `menu`; choosing one runs it on `player`.
void AddCommandItems(QMenu& menu, Player& player);

} // namespace velto
