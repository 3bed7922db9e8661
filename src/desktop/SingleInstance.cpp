#include "desktop/SingleInstance.h"

#include "common/PathNames.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QtEndian>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace velto {

namespace {

// A message is a 4-byte big-endian length and the items in UTF-8, separated
// by NUL (which no file name holds); no items asks for the window.
constexpr quint32 kMaxMessage = 16u << 20;
constexpr int kWaitSeconds = 5;
const char kTaken = '1';

QByteArray Message(const QStringList& items) {
    const QByteArray body = items.join(QChar(0)).toUtf8();
    QByteArray message(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(body.size()), message.data());
    return message + body;
}

// The socket's address; false when the path does not fit in one.
bool Address(const QByteArray& path, sockaddr_un* address) {
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address->sun_path) return false;
    std::memcpy(address->sun_path, path.constData(), size_t(path.size()));
    return true;
}

// A connection to the running player, with the waits bounded; -1 when nobody
// listens there.
int Connect(const QByteArray& path) {
    sockaddr_un address;
    if (!Address(path, &address)) return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    const timeval wait{kWaitSeconds, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return fd;
    ::close(fd);
    return -1;
}

// Relative paths are made absolute here: the running player has its own
// working folder. True once the player said it took them.
bool HandOver(int fd, const QStringList& items) {
    QStringList absolute;
    for (const QString& item : items) {
        const QFileInfo info(item);
        absolute << (!HasUrlScheme(item) && info.exists() ? info.absoluteFilePath() : item);
    }
    const QByteArray message = Message(absolute);
    for (qsizetype sent = 0; sent < message.size();) {
        const ssize_t n =
            ::send(fd, message.constData() + sent, size_t(message.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += n;
    }
    char answer = 0;
    ssize_t n;
    do
        n = ::recv(fd, &answer, 1, 0);
    while (n < 0 && errno == EINTR);
    return n == 1 && answer == kTaken;
}

} // namespace

SingleInstance::SingleInstance(const QString& userFolder, QObject* parent)
    : QObject(parent), path_(QFile::encodeName(SocketPath(userFolder))) {}

SingleInstance::~SingleInstance() {
    for (auto& [fd, caller] : callers_)
        ::close(fd);
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        ::unlink(path_.constData());
    }
}

QString SingleInstance::SocketPath(const QString& userFolder) {
    const QFileInfo info(userFolder);
    QString folder = info.canonicalFilePath();
    if (folder.isEmpty()) folder = QDir::cleanPath(info.absoluteFilePath());
    const QByteArray hash =
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty()) runtime = QDir::tempPath();
    return JoinPath(runtime, QStringLiteral("velto-") + QString::fromLatin1(hash));
}

std::optional<int> SingleInstance::HandOverOrListen(const QStringList& items) {
    int error = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (Listen(&error)) return std::nullopt;
        if (error != EADDRINUSE) break;
        if (const int fd = Connect(path_); fd >= 0) {
            const bool taken = HandOver(fd, items);
            ::close(fd);
            if (taken) return 0;
            std::fprintf(stderr, "Velto: the player already running on this folder does not "
                                 "answer.\n");
            return 1;
        }
        // Nobody listens: a killed player left its socket behind.
        ::unlink(path_.constData());
    }
    std::fprintf(stderr,
                 "Velto: cannot listen on %s (%s); another start will not find this "
                 "player.\n",
                 path_.constData(), std::strerror(error));
    return std::nullopt;
}

bool SingleInstance::Listen(int* error) {
    sockaddr_un address;
    if (!Address(path_, &address)) {
        *error = ENAMETOOLONG;
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 16) != 0) {
        *error = errno;
        if (fd >= 0) ::close(fd);
        return false;
    }
    listenFd_ = fd;
    listening_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(listening_.get(), &QSocketNotifier::activated, this, &SingleInstance::Accept);
    return true;
}

void SingleInstance::Accept() {
    for (;;) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) return;
        Caller& caller = callers_[fd];
        caller.notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(caller.notifier.get(), &QSocketNotifier::activated, this,
                [this, fd] { Receive(fd); });
    }
}

// A caller that sends too much, or goes away before its message is whole, is
// dropped; one that stalls only waits, without holding the player up.
void SingleInstance::Receive(int fd) {
    Caller& caller = callers_.at(fd);
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n > 0) {
            caller.received.append(chunk, n);
            if (caller.received.size() > qsizetype(kMaxMessage) + 4) return Drop(fd);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        return Drop(fd); // closed or failed
    }
    if (caller.received.size() < 4) return;
    const quint32 size = qFromBigEndian<quint32>(caller.received.constData());
    if (size > kMaxMessage) return Drop(fd);
    if (caller.received.size() < 4 + qsizetype(size)) return;
    const QStringList items =
        QString::fromUtf8(caller.received.mid(4, size)).split(QChar(0), Qt::SkipEmptyParts);
    // The other start may end as soon as it knows the items arrived.
    (void)::send(fd, &kTaken, 1, MSG_NOSIGNAL);
    Drop(fd);
    if (items.isEmpty())
        emit RaiseAsked();
    else
        emit ItemsHanded(items);
}

void SingleInstance::Drop(int fd) {
    auto it = callers_.find(fd);
    if (it == callers_.end()) return;
    // Dropped from inside its own signal: it goes once that has returned.
    QSocketNotifier* notifier = it->second.notifier.release();
    notifier->setEnabled(false);
    notifier->deleteLater();
    ::close(fd);
    callers_.erase(it);
}

} // namespace velto
