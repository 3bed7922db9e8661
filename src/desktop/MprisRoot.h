#pragma once
// org.mpris.MediaPlayer2: who the player is, what it opens, and the window.
#include <QDBusAbstractAdaptor>
#include <QString>
#include <QStringList>

namespace velto {

class Player;

class MprisRoot : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ CanQuit)
    Q_PROPERTY(bool CanRaise READ CanRaise)
    Q_PROPERTY(bool HasTrackList READ HasTrackList)
    Q_PROPERTY(QString Identity READ Identity)
    Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ SupportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ SupportedMimeTypes)

public:
    MprisRoot(QObject* host, Player& player);

    bool CanQuit() const { return true; }
    bool CanRaise() const;
    bool HasTrackList() const { return false; }
    QString Identity() const { return QStringLiteral("Velto"); }
    QString DesktopEntry() const { return QStringLiteral("velto"); }
    QStringList SupportedUriSchemes() const;
    QStringList SupportedMimeTypes() const;

public slots:
    void Raise();
    void Quit();

private:
    Player& p_;
};

} // namespace velto
