#pragma once
// org.mpris.MediaPlayer2.Player: the transport, the volume, the play modes and
// the current track for desktop clients (media keys, panel widgets,
// playerctl). Every call runs the procedure the skin's buttons run. Times on
// the bus are microseconds.
#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QString>
#include <QVariantMap>

#include <cstdint>
#include <optional>
#include <utility>

namespace velto {

class Player;

class MprisPlayer : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(QString LoopStatus READ LoopStatus WRITE SetLoopStatus)
    Q_PROPERTY(double Rate READ Rate)
    Q_PROPERTY(double MinimumRate READ Rate)
    Q_PROPERTY(double MaximumRate READ Rate)
    Q_PROPERTY(bool Shuffle READ Shuffle WRITE SetShuffle)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume WRITE SetVolume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(bool CanGoNext READ CanGoNext)
    Q_PROPERTY(bool CanGoPrevious READ CanGoNext)
    Q_PROPERTY(bool CanPlay READ CanPlay)
    Q_PROPERTY(bool CanPause READ CanPause)
    Q_PROPERTY(bool CanSeek READ CanSeek)
    Q_PROPERTY(bool CanControl READ CanControl)

public:
    MprisPlayer(QObject* host, Player& player);

    QString PlaybackStatus() const;
    // Repeat plays the current track again; without it the player goes on
    // and wraps from the last entry to the first: "Track" or "Playlist".
    QString LoopStatus() const;
    void SetLoopStatus(const QString& status);
    double Rate() const { return 1.0; }
    bool Shuffle() const;
    void SetShuffle(bool on);
    QVariantMap Metadata() const;
    double Volume() const;
    void SetVolume(double v);
    qlonglong Position() const { return PositionMs() * 1000; }
    bool CanGoNext() const;
    bool CanPlay() const { return CanGoNext(); }
    bool CanPause() const;
    bool CanSeek() const;
    bool CanControl() const { return true; }

    // Where the current medium is, in milliseconds; 0 when stopped.
    int64_t PositionMs() const;
    // The properties whose changes are announced: all but Position and the
    // constant ones.
    QVariantMap Announced() const;

public slots:
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    void Seek(qlonglong Offset);
    void SetPosition(const QDBusObjectPath& TrackId, qlonglong Position);
    void OpenUri(const QString& Uri);

signals:
    void Seeked(qlonglong Position);

private:
    QDBusObjectPath TrackId() const;
    bool HasTrack() const;

    // What the metadata is made from.
    struct MetadataSource {
        int tnum;
        QString path, name;
        bool started;
        int32_t length;
        QString title, artist, album;
        QString cover; // empty unless shown and a file
        bool operator==(const MetadataSource&) const = default;
    };

    Player& p_;
    mutable std::optional<std::pair<MetadataSource, QVariantMap>> metadata_;
};

} // namespace velto
