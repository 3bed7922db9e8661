#pragma once
// The player on the session bus at /org/mpris/MediaPlayer2, named
// org.mpris.MediaPlayer2.velto, or ….velto.instance<pid> while a player on
// another user folder holds that name. Without a session bus the player runs
// as before.
#include <QObject>
#include <QString>

#include <memory>

namespace velto {

class MprisPlayer;
class MprisWatcher;
class Player;

class Mpris {
public:
    explicit Mpris(Player& player);
    ~Mpris();
    Mpris(const Mpris&) = delete;
    Mpris& operator=(const Mpris&) = delete;

    // False when there is no session bus or no name could be had.
    bool Start();
    // The bus name held; empty before Start or without a bus.
    QString ServiceName() const { return service_; }

private:
    Player& player_;
    QObject host_; // carries the two interfaces
    MprisPlayer* adaptor_ = nullptr;
    std::unique_ptr<MprisWatcher> watcher_;
    QString service_;
};

} // namespace velto
