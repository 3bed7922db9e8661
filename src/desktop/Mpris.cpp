#include "desktop/Mpris.h"

#include "app/Player.h"
#include "desktop/MprisPlayer.h"
#include "desktop/MprisRoot.h"
#include "desktop/MprisWatcher.h"

#include <QCoreApplication>
#include <QDBusConnection>

namespace velto {

namespace {
const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kName = QStringLiteral("org.mpris.MediaPlayer2.velto");
} // namespace

Mpris::Mpris(Player& player) : player_(player) {
    new MprisRoot(&host_, player_);
    adaptor_ = new MprisPlayer(&host_, player_);
}

Mpris::~Mpris() {
    if (service_.isEmpty()) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(service_);
    bus.unregisterObject(kObjectPath);
}

bool Mpris::Start() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    if (!bus.registerObject(kObjectPath, &host_, QDBusConnection::ExportAdaptors)) return false;
    const QString instance =
        kName + QStringLiteral(".instance") + QString::number(QCoreApplication::applicationPid());
    for (const QString& name : {kName, instance}) {
        if (!bus.registerService(name)) continue;
        service_ = name;
        watcher_ = std::make_unique<MprisWatcher>(*adaptor_, player_, bus);
        watcher_->Start();
        return true;
    }
    bus.unregisterObject(kObjectPath);
    return false;
}

} // namespace velto
