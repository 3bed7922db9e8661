#pragma once
// One player per user folder. Two players on one folder would overwrite each
// other's playlist.m3u and settings at exit, so the first start listens on a
// local socket named from the user folder, and a later start hands its items
// to it (or asks it to come forward) and ends. The socket lives in the user's
// runtime folder, so this works without a session bus.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>

class QSocketNotifier;

namespace velto {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& userFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Decides, before the window exists, which player this start is. When a
    // player already runs on the folder, it is handed `items` (or, with none,
    // asked to come forward) and the exit status for this start is returned:
    // 0 once the running player took them, 1 when it does not answer. Else
    // this start listens from now on and nullopt is returned. A socket left by
    // a killed player is removed and taken over.
    std::optional<int> HandOverOrListen(const QStringList& items);

    // The socket's path: the runtime folder and a hash of the user folder.
    static QString SocketPath(const QString& userFolder);

signals:
    // Another start handed these items (absolute paths or URLs, in order).
    void ItemsHanded(const QStringList& items);
    // Another start without items asked for the window.
    void RaiseAsked();

private:
    // A start that connected; read without blocking until its message is whole.
    struct Caller {
        QByteArray received;
        std::unique_ptr<QSocketNotifier> notifier;
    };

    bool Listen(int* error);
    void Accept();
    void Receive(int fd);
    void Drop(int fd);

    QByteArray path_;
    int listenFd_ = -1;
    std::unique_ptr<QSocketNotifier> listening_;
    std::map<int, Caller> callers_;
};

} // namespace velto
