#include "desktop/MprisPlayer.h"

#include "app/Player.h"
#include "common/PathNames.h"
#include "platform/MediaElement.h"
#include "playback/MediaTypes.h"
#include "state/Elements.h"

#include <QUrl>

#include <algorithm>
#include <cmath>

namespace velto {

namespace {

// A tag field as the Track Info window shows it: up to its first NUL, trimmed.
QString TagText(const QString& field) { return field.section(QChar(0), 0, 0).trimmed(); }

} // namespace

MprisPlayer::MprisPlayer(QObject* host, Player& player) : QDBusAbstractAdaptor(host), p_(player) {}

QString MprisPlayer::PlaybackStatus() const {
    if (p_.Playing == 0) return QStringLiteral("Stopped");
    return p_.Paused != 0 ? QStringLiteral("Paused") : QStringLiteral("Playing");
}

QString MprisPlayer::LoopStatus() const {
    return p_.Repeat != 0 ? QStringLiteral("Track") : QStringLiteral("Playlist");
}

// "None" has no mode of its own here: it turns Repeat off like "Playlist".
void MprisPlayer::SetLoopStatus(const QString& status) {
    if ((status == QLatin1String("Track")) != (p_.Repeat != 0)) p_.DoIt(Code(Action::Repeat));
}

bool MprisPlayer::Shuffle() const { return p_.Shuffle != 0; }

void MprisPlayer::SetShuffle(bool on) {
    if (on != Shuffle()) p_.DoIt(Code(Action::Shuffle));
}

bool MprisPlayer::HasTrack() const { return p_.TNum >= 1 && p_.TNum <= p_.playlist.Count(); }

QDBusObjectPath MprisPlayer::TrackId() const {
    return QDBusObjectPath(QStringLiteral("/org/velto/track/") + QString::number(p_.TNum));
}

// The entry at TNum; its length and tag once it has been started.
QVariantMap MprisPlayer::Metadata() const {
    if (!HasTrack()) return {};
    const PlaylistEntry& entry = p_.playlist.At(p_.TNum - 1);
    const bool started = entry.path == p_.SongPath;
    const QString& cover = p_.LastShownCover();
    // Asked five times a second while playing, and the same nearly always.
    MetadataSource source{p_.TNum,
                          entry.path,
                          entry.name,
                          started,
                          p_.SongLen,
                          p_.TagInfo.Title,
                          p_.TagInfo.Artist,
                          p_.TagInfo.Album,
                          started && !cover.isEmpty() && FileExists(cover) ? cover : QString()};
    if (metadata_ && metadata_->first == source) return metadata_->second;
    QVariantMap m;
    m.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(TrackId()));
    if (started && p_.SongLen > 0)
        m.insert(QStringLiteral("mpris:length"), qlonglong(p_.SongLen) * 1000);
    QString title = entry.name;
    if (started && KindOf(entry.path) == MediaKind::MpegAudio) {
        if (const QString t = TagText(p_.TagInfo.Title); !t.isEmpty()) title = t;
        if (const QString artist = TagText(p_.TagInfo.Artist); !artist.isEmpty())
            m.insert(QStringLiteral("xesam:artist"), QStringList{artist});
        if (const QString album = TagText(p_.TagInfo.Album); !album.isEmpty())
            m.insert(QStringLiteral("xesam:album"), album);
    }
    m.insert(QStringLiteral("xesam:title"), title);
    m.insert(QStringLiteral("xesam:url"),
             HasUrlScheme(entry.path)
                 ? entry.path
                 : QUrl::fromLocalFile(entry.path).toString(QUrl::FullyEncoded));
    // The cover on screen, when it is a file a client can open.
    if (!source.cover.isEmpty())
        m.insert(QStringLiteral("mpris:artUrl"),
                 QUrl::fromLocalFile(source.cover).toString(QUrl::FullyEncoded));
    metadata_.emplace(std::move(source), m);
    return m;
}

double MprisPlayer::Volume() const { return p_.GetVol(); }

// In whole percent steps, as the volume buttons move; a muted player is
// unmuted first, as a volume step does.
void MprisPlayer::SetVolume(double v) {
    if (std::isnan(v)) return;
    if (p_.Mute == -1) p_.DoIt(Code(Action::Mute));
    const long step = std::lround((std::clamp(v, 0.0, 1.0) - p_.GetVol()) * 100.0);
    if (step != 0) p_.VolStep(static_cast<int16_t>(step));
}

int64_t MprisPlayer::PositionMs() const {
    if (p_.Playing == 0) return 0;
    // Pictures count their time in the tick; media report their own.
    if (p_.Dev.isEmpty() || p_.Dev == kDevDelay) return p_.Elapsed;
    return p_.MMControl(p_.PlayUnit).Position();
}

bool MprisPlayer::CanGoNext() const { return p_.playlist.Count() > 0; }
bool MprisPlayer::CanPause() const { return p_.Playing != 0; }

bool MprisPlayer::CanSeek() const {
    return p_.Playing != 0 && p_.SongLen > 0 && !p_.Dev.isEmpty() && p_.Dev != kDevDelay;
}

QVariantMap MprisPlayer::Announced() const {
    return {{QStringLiteral("PlaybackStatus"), PlaybackStatus()},
            {QStringLiteral("LoopStatus"), LoopStatus()},
            {QStringLiteral("Shuffle"), Shuffle()},
            {QStringLiteral("Metadata"), Metadata()},
            {QStringLiteral("Volume"), Volume()},
            {QStringLiteral("CanGoNext"), CanGoNext()},
            {QStringLiteral("CanGoPrevious"), CanGoNext()},
            {QStringLiteral("CanPlay"), CanPlay()},
            {QStringLiteral("CanPause"), CanPause()},
            {QStringLiteral("CanSeek"), CanSeek()}};
}

void MprisPlayer::Next() { p_.DoIt(Code(Action::NextTrack)); }
void MprisPlayer::Previous() { p_.DoIt(Code(Action::PrevTrack)); }
void MprisPlayer::PlayPause() { p_.DoIt(Code(Action::PlayPause)); }
void MprisPlayer::Stop() { p_.DoIt(Code(Action::Stop)); }

// The pause button toggles; these two only ever pause or resume.
void MprisPlayer::Pause() {
    if (p_.Playing != 0 && p_.Paused == 0) p_.DoIt(Code(Action::Pause));
}

void MprisPlayer::Play() {
    if (p_.Playing == 0)
        p_.DoIt(Code(Action::Play));
    else if (p_.Paused != 0)
        p_.DoIt(Code(Action::Pause));
}

// A jump past the end goes to the next track.
void MprisPlayer::Seek(qlonglong Offset) {
    if (!CanSeek()) return;
    const int64_t target = std::max<int64_t>(0, PositionMs() + Offset / 1000);
    if (target >= p_.SongLen)
        p_.DoIt(Code(Action::NextTrack));
    else
        p_.MoveTo(static_cast<int32_t>(target));
}

// Ignored unless it names the current track and a place inside it.
void MprisPlayer::SetPosition(const QDBusObjectPath& TrackId, qlonglong Position) {
    if (!CanSeek() || TrackId != this->TrackId()) return;
    if (Position < 0 || Position / 1000 > p_.SongLen) return;
    p_.MoveTo(static_cast<int32_t>(Position / 1000));
}

void MprisPlayer::OpenUri(const QString& Uri) {
    const QUrl url(Uri);
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("file"))
        p_.AddItemsAndPlay({url.toLocalFile()});
    else if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
             scheme == QLatin1String("cdda"))
        p_.AddItemsAndPlay({Uri});
}

} // namespace velto
