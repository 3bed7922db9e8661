#include "trackinfo/MpegHeader.h"

#include "trackinfo/RegularFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace velto {

namespace {

struct FrameHeader {
    int versionBits = 0; // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
    int layer = 0;       // 1, 2 or 3
    int bitrateKbps = 0; // 0: free format
    int sampleRate = 0;
    int mode = 0;
    int length = 0; // bytes; 0 for free format, whose length the header does not give
    int samples = 0;
    bool mpeg1() const { return versionBits == 3; }
};

constexpr int kBitrates[2][3][15] = {
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};
constexpr int kMpeg1Rates[3] = {44100, 48000, 32000};
constexpr const char* kModes[4] = {"stereo", "jstereo", "dualch", "mono"};

uint32_t BigEndian32(const uchar* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// The header at p (4 bytes), when its sync bits and every index are valid.
std::optional<FrameHeader> ParseHeader(const uchar* p) {
    if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0) return std::nullopt;
    FrameHeader h;
    h.versionBits = (p[1] >> 3) & 3;
    const int layerBits = (p[1] >> 1) & 3;
    const int bitrateIndex = p[2] >> 4;
    const int rateIndex = (p[2] >> 2) & 3;
    if (h.versionBits == 1 || layerBits == 0 || bitrateIndex == 15 || rateIndex == 3)
        return std::nullopt;
    h.layer = 4 - layerBits;
    h.bitrateKbps = kBitrates[h.mpeg1() ? 0 : 1][h.layer - 1][bitrateIndex];
    h.sampleRate = kMpeg1Rates[rateIndex] >> (h.mpeg1() ? 0 : h.versionBits == 2 ? 1 : 2);
    h.mode = p[3] >> 6;
    const int padding = (p[2] >> 1) & 1;
    const int bitsPerSecond = h.bitrateKbps * 1000;
    if (h.layer == 1) {
        h.samples = 384;
        if (bitsPerSecond) h.length = (12 * bitsPerSecond / h.sampleRate + padding) * 4;
    } else {
        const bool half = h.layer == 3 && !h.mpeg1();
        h.samples = half ? 576 : 1152;
        if (bitsPerSecond) h.length = (half ? 72 : 144) * bitsPerSecond / h.sampleRate + padding;
    }
    return h;
}

bool SameStream(const FrameHeader& a, const FrameHeader& b) {
    return a.versionBits == b.versionBits && a.layer == b.layer && a.sampleRate == b.sampleRate;
}

// The average bitrate from a Xing, Info or VBRI header in the frame at `frame`
// (the bytes up to the end of `audio`), or nothing without a usable one.
std::optional<int> AverageKbps(const FrameHeader& h, QByteArrayView frame) {
    if (h.layer != 3) return std::nullopt;
    const auto* p = reinterpret_cast<const uchar*>(frame.data());
    const qsizetype size = frame.size();
    uint32_t frames = 0, bytes = 0;
    const int sideInfo = h.mpeg1() ? (h.mode == 3 ? 17 : 32) : (h.mode == 3 ? 9 : 17);
    const qsizetype xing = 4 + sideInfo;
    const qsizetype vbri = 4 + 32;
    if (xing + 16 <= size && (frame.sliced(xing, 4) == "Xing" || frame.sliced(xing, 4) == "Info")) {
        // Both counts present: flags 1 (frames) and 2 (bytes).
        if ((BigEndian32(p + xing + 4) & 3) != 3) return std::nullopt;
        frames = BigEndian32(p + xing + 8);
        bytes = BigEndian32(p + xing + 12);
    } else if (vbri + 18 <= size && frame.sliced(vbri, 4) == "VBRI") {
        bytes = BigEndian32(p + vbri + 10);
        frames = BigEndian32(p + vbri + 14);
    } else {
        return std::nullopt;
    }
    // The byte count includes this header frame; the frame count does not.
    const double audioBytes = double(bytes) - (bytes > uint32_t(h.length) ? h.length : 0);
    if (frames == 0 || audioBytes <= 0) return std::nullopt;
    const double seconds = double(frames) * h.samples / h.sampleRate;
    const long kbps = std::lround(audioBytes * 8 / seconds / 1000);
    // Counts that give no bitrate the stream could have are not believed.
    if (kbps < 1 || kbps > 448) return std::nullopt;
    return int(kbps);
}

MpegInfo InfoOf(const FrameHeader& h, std::optional<int> average) {
    MpegInfo info;
    if (average) {
        info.bitrateKbps = *average;
        info.bitrateText = QString::number(*average);
    } else if (h.bitrateKbps == 0) {
        info.bitrateText = QStringLiteral("free");
    } else {
        info.bitrateKbps = h.bitrateKbps;
        info.bitrateText = QString::number(h.bitrateKbps);
    }
    info.frequencyKhz = h.sampleRate / 1000;
    info.frequencyText = QString::number(info.frequencyKhz);
    info.modeText = QString::fromLatin1(kModes[h.mode]);
    return info;
}

} // namespace

MpegInfo NoMpegFrameInfo() {
    MpegInfo info;
    info.frequencyText = QStringLiteral("??");
    return info;
}

qint64 Id3v2TagSize(QByteArrayView fileStart) {
    if (fileStart.size() < 10 || !fileStart.startsWith("ID3")) return 0;
    const auto* p = reinterpret_cast<const uchar*>(fileStart.data());
    if (p[3] == 0xFF || p[4] == 0xFF) return 0;
    qint64 body = 0;
    for (int i = 6; i < 10; ++i) {
        if (p[i] & 0x80) return 0; // the size is seven bits a byte
        body = body << 7 | p[i];
    }
    const bool footer = p[5] & 0x10;
    return 10 + body + (footer ? 10 : 0);
}

MpegInfo DecodeMpegAudio(QByteArrayView audio, qint64 audioSize) {
    const auto* p = reinterpret_cast<const uchar*>(audio.data());
    const qsizetype available = audio.size();
    const qsizetype end = std::min<qsizetype>(kMpegSearchLimit, available - 3);
    for (qsizetype pos = 0; pos < end; ++pos) {
        const auto h = ParseHeader(p + pos);
        if (!h) continue;
        const qint64 next = pos + h->length;
        bool taken = h->length == 0 || next >= audioSize;
        if (!taken && next + 4 <= available) {
            const auto second = ParseHeader(p + next);
            taken = second && SameStream(*h, *second);
        }
        if (taken) return InfoOf(*h, AverageKbps(*h, audio.sliced(pos)));
    }
    return NoMpegFrameInfo();
}

std::optional<MpegInfo> ReadMpegInfo(const QString& path) {
    auto file = RegularFile::Open(path, false);
    if (!file || file->size() < kMinTrackInfoFileSize) return std::nullopt;
    const qint64 size = file->size();
    const auto start = file->ReadAt(0, 10);
    const auto tail = file->ReadAt(size - 128, 128);
    if (!start || !tail) return std::nullopt;
    const qint64 skip = Id3v2TagSize(*start);
    // A frame that ends where the ID3v1 tag begins is the last one.
    const qint64 audioEnd = size - (tail->startsWith("TAG") ? 128 : 0);
    if (skip >= audioEnd) return NoMpegFrameInfo();
    const auto audio = file->ReadAt(skip, std::min(kMpegReadWindow, audioEnd - skip));
    if (!audio) return std::nullopt;
    return DecodeMpegAudio(*audio, audioEnd - skip);
}

} // namespace velto
