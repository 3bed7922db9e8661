#include "desktop/Desktop.h"

#include "app/Player.h"
#include "desktop/SingleInstance.h"

namespace velto {

Desktop::Desktop(Player& player, SingleInstance& instance) : mpris_(player) {
    QObject::connect(&instance, &SingleInstance::ItemsHanded, &context_,
                     [&player](const QStringList& items) { player.AddItemsAndPlay(items); });
    QObject::connect(&instance, &SingleInstance::RaiseAsked, &context_,
                     [&player] { player.Raise(); });
}

void Desktop::Start() { mpris_.Start(); }

} // namespace velto
