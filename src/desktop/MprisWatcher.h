#pragma once
// Announces the player's changes to MPRIS clients. The state changes in many
// places (buttons, keys, the ticks, the schedule), so a light poll compares
// the announced properties with those last sent and sends PropertiesChanged
// for the ones that differ, and Seeked when the position jumped rather than
// ran on. Nothing is sent while nothing changes.
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>

#include <cstdint>

namespace velto {

class MprisPlayer;
struct PlayerState;

class MprisWatcher : public QObject {
public:
    MprisWatcher(MprisPlayer& adaptor, const PlayerState& state, QDBusConnection bus);
    void Start();

    // A multiple of the playback tick, so a poll shares the tick's wake-up.
    static constexpr int kPollMs = 200;
    // A position this far from where it should have run to was a jump.
    static constexpr int64_t kJumpMs = 1000;

private:
    void Poll();
    void AnnounceChanges();
    void AnnounceJump();

    MprisPlayer& adaptor_;
    const PlayerState& s_;
    QDBusConnection bus_;
    QTimer timer_;
    QVariantMap sent_;
    // The position as last seen, and what it belonged to.
    QString path_;
    int16_t tnum_ = 0;
    int64_t positionMs_ = 0;
    bool playing_ = false, running_ = false;
    QElapsedTimer sinceLast_;
};

} // namespace velto
