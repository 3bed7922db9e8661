#pragma once
// The stream information of an MPEG audio file (bitrate, sampling frequency,
// channel mode) as the skin's stream fields show it.
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace velto {

struct MpegInfo {
    QString bitrateText;   // text field 10: "128", "free", "" when no frame was found
    int bitrateKbps = 0;   // digit field 4
    QString frequencyText; // text field 11: "44", "22", "8", "??" when no frame was found
    int frequencyKhz = 0;  // digit field 5
    QString modeText;      // text field 12: "stereo", "jstereo", "dualch", "mono" or ""
};

// Files shorter than this are neither decoded nor tagged.
constexpr qint64 kMinTrackInfoFileSize = 256;
// How far after a leading ID3v2 tag the first frame is looked for.
constexpr qint64 kMpegSearchLimit = 256 * 1024;
// Bytes of the audio part to hand to DecodeMpegAudio: the search range plus the
// longest frame, so a header near its end can still be confirmed.
constexpr qint64 kMpegReadWindow = kMpegSearchLimit + 4096;

// What the fields show when no frame was found.
MpegInfo NoMpegFrameInfo();

// Bytes taken by an ID3v2 tag at the start of a file (header, body and footer)
// given at least the file's first 10 bytes; 0 when it does not start with one.
qint64 Id3v2TagSize(QByteArrayView fileStart);

// Finds the first frame in `audio`, the bytes that follow any ID3v2 tag (the
// first kMpegReadWindow of them are enough), and decodes it. `audioSize` is
// the length of the audio part up to the end of the file or its ID3v1 tag; a
// frame reaching that far needs no second header to confirm it. A Xing, Info
// or VBRI header in the first frame gives the average bitrate. Touches no file.
MpegInfo DecodeMpegAudio(QByteArrayView audio, qint64 audioSize);

// The stream information of the file at `path`; nothing when it is missing,
// not a regular file, shorter than kMinTrackInfoFileSize, or unreadable.
std::optional<MpegInfo> ReadMpegInfo(const QString& path);

} // namespace velto
