#pragma once
// Media made by the tests, a tiny HTTP server on 127.0.0.1, and bounded waits.
#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <thread>
#include <utility>

namespace velto::test {

// Sound goes nowhere unless the run chose otherwise; video never shows.
inline void UseQuietSinks() {
    if (qEnvironmentVariableIsEmpty("VELTO_AUDIO_SINK"))
        qputenv("VELTO_AUDIO_SINK", "fakesink sync=true");
    qputenv("VELTO_VIDEO_SINK", "fakesink");
}

// A mono 16-bit PCM WAV file of `samples` samples, each `sample(i)`.
inline QByteArray Wav(uint32_t rate, uint32_t samples, const std::function<int(uint32_t)>& sample) {
    QByteArray b;
    const auto put = [&b](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b.append(char((v >> (8 * i)) & 0xFF));
    };
    // Size, PCM, mono, rate, bytes a second, block, bits.
    const std::pair<uint32_t, int> format[] = {{16, 4},       {1, 2}, {1, 2}, {rate, 4},
                                               {rate * 2, 4}, {2, 2}, {16, 2}};
    b += "RIFF", put(36 + samples * 2, 4), b += "WAVEfmt ";
    for (const auto& [v, n] : format)
        put(v, n);
    b += "data", put(samples * 2, 4);
    for (uint32_t i = 0; i < samples; ++i)
        put(uint32_t(sample(i)), 2);
    return b;
}

// A 440 Hz tone.
inline QByteArray WavTone(int ms, int rate = 44100) {
    return Wav(uint32_t(rate), uint32_t(int64_t(rate) * ms / 1000), [rate](uint32_t i) {
        return int(std::lround(std::sin(2 * M_PI * 440.0 * i / rate) * 12000));
    });
}

// Loud noise, then silence: as VBR its first frames are the largest, estimating a short length.
inline QByteArray WavNoiseThenSilence(int noiseMs, int silenceMs) {
    const uint32_t noise = 441 * uint32_t(noiseMs) / 10;
    uint32_t seed = 1;
    return Wav(44100, noise + 441 * uint32_t(silenceMs) / 10, [&](uint32_t i) {
        seed = seed * 1664525u + 1013904223u;
        return i < noise ? int(seed >> 16) : 0;
    });
}

// Bytes of no known format.
inline QByteArray Junk(int size) {
    QByteArray junk;
    for (int i = 0; i < size; ++i)
        junk.append(char((i * 7919) % 251));
    return junk;
}

// One note of `ms` (a multiple of 500, under 80 s) at 120 beats a minute, 96 ticks a beat.
inline QByteArray MidiNote(int ms) {
    const uint32_t ticks = uint32_t(ms / 500 * 96);
    // Tempo 500000 us a beat, piano, note on, the delta (variable length), note off, end.
    const QByteArray track = QByteArray::fromHex("00FF510307A12000C00000903C64") +
                             char(0x80 | (ticks >> 7)) + char(ticks & 0x7F) +
                             QByteArray::fromHex("803C4000FF2F00");
    return QByteArray::fromHex("4D546864000000060000000100604D54726B000000") + char(track.size()) +
           track;
}

// Encodes a WAV file to MP3 with lame (128 kbit/s unless `options` say otherwise).
inline bool LameEncode(const QString& wav, const QString& mp3,
                       const QStringList& options = {"-b", "128"}) {
    const int status =
        QProcess::execute("lame", QStringList{"--quiet"} + options + QStringList{wav, mp3});
    return status == 0 && QFile::exists(mp3);
}

// Polls `done` every `stepMs` until it holds or `limitMs` pass.
inline bool WaitUntil(const std::function<bool()>& done, int limitMs = 10000, int stepMs = 10) {
    for (QDeadlineTimer deadline(limitMs); !done(); QThread::msleep(stepMs))
        if (deadline.hasExpired()) return false;
    return true;
}

inline int CountEntries(const QString& folder) {
    return int(
        QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
}

// Serves one body to every request on its own thread, so a blocking "open" can read it.
class HttpFileServer {
public:
    explicit HttpFileServer(const QByteArray& body) {
        reply_ = "HTTP/1.0 200 OK\r\nContent-Type: audio/mpeg\r\nContent-Length: " +
                 QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof addr;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), len);
        ::listen(listener_, 8);
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~HttpFileServer() {
        ::shutdown(listener_, SHUT_RDWR); // ends the accept loop
        ::close(listener_);
        thread_.join();
    }
    QString Url(const QString& name) const {
        return QString("http://127.0.0.1:%1/").arg(port_) + name;
    }

private:
    void Serve() {
        for (int client; (client = ::accept(listener_, nullptr, nullptr)) >= 0; ::close(client)) {
            QByteArray request;
            char buf[1024];
            for (ssize_t n = 1; n > 0 && !request.contains("\r\n\r\n");) {
                n = ::recv(client, buf, sizeof buf, 0);
                if (n > 0) request.append(buf, n);
            }
            for (qsizetype sent = 0, n = 1; n > 0 && sent < reply_.size(); sent += n)
                n = ::send(client, reply_.constData() + sent, size_t(reply_.size() - sent),
                           MSG_NOSIGNAL);
        }
    }

    QByteArray reply_;
    int listener_ = -1, port_ = 0;
    std::thread thread_;
};

} // namespace velto::test
