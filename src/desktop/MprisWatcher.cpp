#include "desktop/MprisWatcher.h"

#include "desktop/MprisPlayer.h"
#include "state/PlayerState.h"

#include <QDBusMessage>

#include <cstdlib>

namespace velto {

MprisWatcher::MprisWatcher(MprisPlayer& adaptor, const PlayerState& state, QDBusConnection bus)
    : adaptor_(adaptor), s_(state), bus_(std::move(bus)) {
    timer_.setInterval(kPollMs);
    connect(&timer_, &QTimer::timeout, this, &MprisWatcher::Poll);
}

void MprisWatcher::Start() {
    sent_ = adaptor_.Announced();
    sinceLast_.start();
    timer_.start();
}

void MprisWatcher::Poll() {
    AnnounceChanges();
    AnnounceJump();
}

void MprisWatcher::AnnounceChanges() {
    const QVariantMap now = adaptor_.Announced();
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if (sent_.value(it.key()) != it.value()) changed.insert(it.key(), it.value());
    if (changed.isEmpty()) return;
    sent_ = now;
    QDBusMessage signal = QDBusMessage::createSignal(
        QStringLiteral("/org/mpris/MediaPlayer2"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << QStringLiteral("org.mpris.MediaPlayer2.Player") << changed << QStringList();
    bus_.send(signal);
}

// While the same track plays on, the position runs with the clock; a paused
// one stands still. Anything else (a seek, the position slider, A-B repeat,
// a track started again) is a jump. The position is the one the playback
// tick last read: a tick late at most, well inside the jump's margin, and
// the pipeline is not asked again.
void MprisWatcher::AnnounceJump() {
    const int64_t waited = sinceLast_.restart();
    const bool playing = s_.Playing != 0;
    const int64_t position = playing ? s_.Elapsed : 0;
    if (playing && playing_ && s_.SongPath == path_ && s_.TNum == tnum_) {
        const int64_t expected = positionMs_ + (running_ ? waited : 0);
        if (std::llabs(position - expected) > kJumpMs) emit adaptor_.Seeked(position * 1000);
    }
    path_ = s_.SongPath;
    tnum_ = s_.TNum;
    positionMs_ = position;
    playing_ = playing;
    running_ = playing && s_.Paused == 0;
}

} // namespace velto
