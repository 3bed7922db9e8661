#pragma once
// Media made by the tests themselves, a tiny HTTP server on 127.0.0.1, and
// bounded waits for the real elements.
#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <cstdint>
#include <functional>
#include <thread>

namespace velto::test {

inline void PutLe(QByteArray& b, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

// A 440 Hz tone, mono, 16-bit PCM.
inline QByteArray WavTone(int ms, int rate = 44100) {
    const uint32_t samples = uint32_t(int64_t(rate) * ms / 1000);
    QByteArray b("RIFF");
    PutLe(b, 36 + samples * 2, 4);
    b += "WAVEfmt ";
    PutLe(b, 16, 4);
    PutLe(b, 1, 2); // PCM
    PutLe(b, 1, 2); // mono
    PutLe(b, uint32_t(rate), 4);
    PutLe(b, uint32_t(rate) * 2, 4);
    PutLe(b, 2, 2);
    PutLe(b, 16, 2);
    b += "data";
    PutLe(b, samples * 2, 4);
    for (uint32_t i = 0; i < samples; ++i) {
        const double v = std::sin(2 * M_PI * 440.0 * i / rate) * 12000;
        PutLe(b, uint32_t(int16_t(std::lround(v))) & 0xFFFF, 2);
    }
    return b;
}

// One note of `ms` (a multiple of 500) at 120 beats a minute, 96 ticks a beat.
inline QByteArray MidiNote(int ms) {
    const uint32_t ticks = uint32_t(ms / 500 * 96);
    QByteArray track;
    track += QByteArray::fromHex("00FF510307A120"); // tempo: 500000 us a beat
    track += QByteArray::fromHex("00C000");         // piano
    track += QByteArray::fromHex("00903C64");       // note on
    // Delta time as a variable-length number.
    QByteArray delta;
    delta.prepend(char(ticks & 0x7F));
    for (uint32_t t = ticks >> 7; t; t >>= 7)
        delta.prepend(char(0x80 | (t & 0x7F)));
    track += delta;
    track += QByteArray::fromHex("803C40");   // note off
    track += QByteArray::fromHex("00FF2F00"); // end of track
    QByteArray b("MThd");
    b += QByteArray::fromHex("00000006000000010060");
    b += "MTrk";
    const uint32_t n = uint32_t(track.size());
    for (int i = 3; i >= 0; --i)
        b.append(char((n >> (8 * i)) & 0xFF));
    return b + track;
}

// Encodes a WAV file to MP3 with lame; false when lame failed.
inline bool LameEncode(const QString& wav, const QString& mp3) {
    QProcess lame;
    lame.start(QStringLiteral("lame"),
               {QStringLiteral("--quiet"), QStringLiteral("-b"), QStringLiteral("128"), wav, mp3});
    return lame.waitForFinished(60000) && lame.exitCode() == 0 && QFile::exists(mp3);
}

// Polls `done` until it holds or `limitMs` pass.
inline bool WaitUntil(const std::function<bool()>& done, int limitMs = 10000) {
    QDeadlineTimer deadline(limitMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QThread::msleep(10);
    }
    return true;
}

inline int CountEntries(const QString& folder) {
    return int(
        QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
}

// Serves one body to every GET on 127.0.0.1, on its own thread, so the
// player's blocking "open" can read from it.
class HttpFileServer {
public:
    explicit HttpFileServer(QByteArray body) : body_(std::move(body)) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = 0;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(listener_, 8);
        socklen_t len = sizeof addr;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~HttpFileServer() {
        stopping_ = true;
        ::shutdown(listener_, SHUT_RDWR);
        ::close(listener_);
        thread_.join();
    }
    int port() const { return port_; }
    int requests() const { return requests_; }

private:
    void Serve() {
        while (!stopping_) {
            const int client = ::accept(listener_, nullptr, nullptr);
            if (client < 0) return;
            QByteArray request;
            char buf[1024];
            while (!request.contains("\r\n\r\n")) {
                const ssize_t n = ::recv(client, buf, sizeof buf, 0);
                if (n <= 0) break;
                request.append(buf, int(n));
            }
            ++requests_;
            QByteArray reply = "HTTP/1.0 200 OK\r\nContent-Type: audio/mpeg\r\nContent-Length: " +
                               QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n";
            if (!request.startsWith("HEAD")) reply += body_;
            for (qsizetype sent = 0; sent < reply.size();) {
                const ssize_t n = ::send(client, reply.constData() + sent,
                                         size_t(reply.size() - sent), MSG_NOSIGNAL);
                if (n <= 0) break;
                sent += n;
            }
            ::close(client);
        }
    }

    QByteArray body_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> requests_{0};
    std::thread thread_;
};

} // namespace velto::test
