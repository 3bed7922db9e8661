// Files dropped on the window or the playlist: each goes through PlAdd, so a
// playlist is read, a folder scanned, anything else added as one entry.
#include "app/Player.h"
#include "common/PathNames.h"

namespace velto {

void Player::AddDropped(const QStringList& paths) {
    for (const QString& path : paths) {
        if (path.isEmpty()) continue;
        AddName = path;
        AddPath = path;
        AddTitle = NiceName(path);
        PlAdd();
    }
}

} // namespace velto
