// The start of an MPEG audio file from memory, as the track information reads
// it: any ID3v2 tag skipped, the first confirmed frame decoded.
#include "fuzz/FuzzTarget.h"
#include "trackinfo/MpegHeader.h"

#include <QByteArrayView>

#include <algorithm>

using namespace velto;

VELTO_FUZZ_TARGET(mpeg) {
    const QByteArrayView file(data, qsizetype(size));
    const qint64 skip = Id3v2TagSize(file.first(std::min<qsizetype>(file.size(), 10)));
    // A frame that ends where the ID3v1 tag begins is the last one.
    const bool tagged = file.size() >= 128 && file.last(128).startsWith("TAG");
    const qint64 audioEnd = file.size() - (tagged ? 128 : 0);
    if (skip >= audioEnd) return 0;
    const QByteArrayView audio = file.sliced(skip, std::min(kMpegReadWindow, audioEnd - skip));
    DecodeMpegAudio(audio, audioEnd - skip);
    return 0;
}
