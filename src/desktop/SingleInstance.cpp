#include "desktop/SingleInstance.h"

#include "common/PathNames.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QtEndian>

#include <cstdio>

namespace velto {

namespace {

// A message is a 4-byte big-endian length and the items in UTF-8, separated
// by NUL (which no file name holds); no items asks for the window.
constexpr quint32 kMaxMessage = 16u << 20;
constexpr int kWaitMs = 5000;
const char kTaken = '1';

QByteArray Message(const QStringList& items) {
    const QByteArray body = items.join(QChar(0)).toUtf8();
    QByteArray message(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(body.size()), message.data());
    return message + body;
}

} // namespace

SingleInstance::SingleInstance(const QString& userFolder, QObject* parent)
    : QObject(parent), path_(SocketPath(userFolder)) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Receive(socket); });
        }
    });
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
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (server_.listen(path_)) return std::nullopt;
        if (server_.serverError() != QAbstractSocket::AddressInUseError) break;
        QLocalSocket socket;
        socket.connectToServer(path_);
        if (socket.waitForConnected(kWaitMs)) {
            if (HandOver(socket, items)) return 0;
            std::fprintf(stderr, "Velto: the player already running on this folder does not "
                                 "answer.\n");
            return 1;
        }
        // Nobody listens: a killed player left its socket behind.
        QLocalServer::removeServer(path_);
    }
    std::fprintf(stderr,
                 "Velto: cannot listen on %s (%s); another start will not find this "
                 "player.\n",
                 qPrintable(path_), qPrintable(server_.errorString()));
    return std::nullopt;
}

// Relative paths are made absolute here: the running player has its own
// working folder.
bool SingleInstance::HandOver(QLocalSocket& socket, const QStringList& items) {
    QStringList absolute;
    for (const QString& item : items) {
        const QFileInfo info(item);
        absolute << (!HasUrlScheme(item) && info.exists() ? info.absoluteFilePath() : item);
    }
    socket.write(Message(absolute));
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(kWaitMs)) return false;
    return socket.waitForReadyRead(kWaitMs) && socket.read(1) == QByteArray(1, kTaken);
}

void SingleInstance::Receive(QLocalSocket* socket) {
    if (socket->bytesAvailable() < 4) return;
    const quint32 size = qFromBigEndian<quint32>(socket->peek(4).constData());
    if (size > kMaxMessage) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < 4 + qint64(size)) return;
    socket->skip(4);
    const QStringList items =
        QString::fromUtf8(socket->read(size)).split(QChar(0), Qt::SkipEmptyParts);
    // The other start may end as soon as it knows the items arrived.
    socket->write(&kTaken, 1);
    socket->flush();
    if (items.isEmpty())
        emit RaiseAsked();
    else
        emit ItemsHanded(items);
}

} // namespace velto
