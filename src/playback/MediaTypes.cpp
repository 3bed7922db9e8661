#include "playback/MediaTypes.h"

#include "common/Numbers.h"
#include "common/PathNames.h"
#include "platform/MediaElement.h"

#include <QStringList>

namespace velto {

namespace {

bool IsCdUri(const QString& path) {
    return path.startsWith(QLatin1String("cdda://"), Qt::CaseInsensitive);
}

} // namespace

QString MediaExtension(const QString& path) {
    const QString tail = path.right(5).toUpper();
    const qsizetype dot = tail.indexOf(u'.');
    return dot < 0 ? tail : tail.mid(dot + 1);
}

MediaKind KindOf(const QString& path) {
    if (IsCdUri(path)) return MediaKind::CdAudio;
    static const QStringList mpeg = {"MP2", "MP3", "MPA"};
    static const QStringList module = {"MOD", "MTM", "FAR", "669", "OKT",
                                       "STM", "S3M", "NST", "WOW", "XM"};
    static const QStringList picture = {"BMP", "GIF", "JPG"};
    static const QStringList refused = {"TXT", "DOC", "BAT", "COM", "EXE", "LNK"};
    const QString ext = MediaExtension(path);
    if (mpeg.contains(ext)) return MediaKind::MpegAudio;
    if (module.contains(ext)) return MediaKind::Module;
    if (ext == QLatin1String("FLI") || ext == QLatin1String("FLC")) return MediaKind::Animation;
    if (ext == QLatin1String("AWA") || ext == QLatin1String("AWM")) return MediaKind::Animation1;
    if (ext == QLatin1String("MMM")) return MediaKind::MMMovie;
    if (ext == QLatin1String("CDA")) return MediaKind::CdAudio;
    if (picture.contains(ext)) return MediaKind::Picture;
    if (refused.contains(ext)) return MediaKind::Refused;
    return MediaKind::Other;
}

QString DeviceTypeFor(MediaKind kind) {
    switch (kind) {
    case MediaKind::Module: return kDevModule;
    case MediaKind::Animation: return kDevAnimation;
    case MediaKind::Animation1: return kDevAnimation1;
    case MediaKind::MMMovie: return kDevMMMovie;
    case MediaKind::CdAudio: return kDevCdAudio;
    case MediaKind::Picture:
    case MediaKind::Refused: return kDevDelay;
    case MediaKind::MpegAudio:
    case MediaKind::Other: break;
    }
    return kDevActiveMovie;
}

int16_t CdTrackNumber(const QString& path) {
    if (IsCdUri(path)) return ToInt16(LeadingNumber(path.mid(7))).value_or(0);
    // The digits that end the name: "Track5.cda" and "Track05.cda" are both 5.
    const QString name = NoExt(FileOnly(path));
    qsizetype start = name.size();
    while (start > 0 && name.at(start - 1) >= u'0' && name.at(start - 1) <= u'9')
        --start;
    return ToInt16(LeadingNumber(name.mid(start))).value_or(0);
}

bool IsLocalFile(const QString& path) {
    return !HasUrlScheme(path) && KindOf(path) != MediaKind::CdAudio;
}

} // namespace velto
