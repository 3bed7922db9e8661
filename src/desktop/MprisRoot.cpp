#include "desktop/MprisRoot.h"

#include "app/Player.h"
#include "state/Elements.h"

namespace velto {

MprisRoot::MprisRoot(QObject* host, Player& player) : QDBusAbstractAdaptor(host), p_(player) {}

bool MprisRoot::CanRaise() const { return p_.Window() != nullptr; }

QStringList MprisRoot::SupportedUriSchemes() const {
    return {QStringLiteral("file"), QStringLiteral("http"), QStringLiteral("https"),
            QStringLiteral("cdda")};
}

// What the player's media devices open: MPEG and other audio, MIDI, module
// music, animations, video, pictures and playlists.
QStringList MprisRoot::SupportedMimeTypes() const {
    return {QStringLiteral("audio/mpeg"),       QStringLiteral("audio/x-wav"),
            QStringLiteral("audio/wav"),        QStringLiteral("audio/flac"),
            QStringLiteral("audio/ogg"),        QStringLiteral("audio/x-vorbis+ogg"),
            QStringLiteral("audio/mp4"),        QStringLiteral("audio/midi"),
            QStringLiteral("audio/x-mod"),      QStringLiteral("audio/x-xm"),
            QStringLiteral("audio/x-s3m"),      QStringLiteral("video/x-flic"),
            QStringLiteral("video/mp4"),        QStringLiteral("video/mpeg"),
            QStringLiteral("video/x-msvideo"),  QStringLiteral("video/quicktime"),
            QStringLiteral("video/x-matroska"), QStringLiteral("video/webm"),
            QStringLiteral("image/bmp"),        QStringLiteral("image/gif"),
            QStringLiteral("image/jpeg"),       QStringLiteral("audio/x-mpegurl"),
            QStringLiteral("audio/x-scpls")};
}

void MprisRoot::Raise() { p_.Raise(); }
void MprisRoot::Quit() { p_.DoIt(Code(Action::Quit)); }

} // namespace velto
