#include "ui/CommandMenu.h"

#include "app/Player.h"
#include "app/PopupMenu.h"

#include <QMenu>

namespace velto {

void AddCommandItems(QMenu& menu, Player& player) {
    for (size_t i = 0; i < kPopupMenu.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        menu.addAction(QString::fromUtf8(kPopupMenu[i].caption),
                       [&player, index] { player.mnu_Click(index); });
    }
}

} // namespace velto
