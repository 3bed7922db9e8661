#include "playback/TrackStarter.h"

#include "app/Player.h"
#include "common/Numbers.h"
#include "common/PathNames.h"
#include "platform/Dialogs.h"
#include "platform/MediaElement.h"
#include "playback/MediaTypes.h"
#include "playback/PlaybackEngine.h"
#include "playback/TimeText.h"

#include <QElapsedTimer>
#include <QThread>

namespace velto {

namespace {

QString WithoutMarker(QString name) {
    name.remove(QStringLiteral(" ") + kFileNotFound);
    name.remove(kFileNotFound);
    return name;
}

} // namespace

void TrackStarter::PlayIt() {
    PlaylistModel& list = p_.playlist;
    const int count = list.Count();
    if (count == 0) return;
    if (p_.TNum < 1)
        p_.TNum = ToInt16(count).value_or(INT16_MAX);
    else if (p_.TNum > count)
        p_.TNum = 1;
    const int index = p_.TNum - 1;

    p_.Timer1.stop();
    StopShortTail();
    MediaElement& element = e_.Element(p_.PlayUnit);
    element.Command(QStringLiteral("close"));
    p_.SongPath = list.At(index).path;
    for (int field : {10, 11, 12})
        p_.surface.Lbl[field].caption.clear();
    p_.RptA = 0;
    p_.RptB = 0;
    if (MissingFile(index)) {
        p_.Dev.clear();
        e_.SurfaceChanged();
        return;
    }

    const MediaKind kind = KindOf(p_.SongPath);
    p_.Dev = DeviceTypeFor(kind);
    int16_t cdTrack = 0;
    switch (kind) {
    case MediaKind::MpegAudio:
        // The header and tag are read from the file itself; a stream has neither.
        if (IsLocalFile(p_.SongPath)) {
            p_.GetMP3Info();
            if (p_.settings.UseTagCover == 1)
                p_.LoadTagCover(PathOnly(p_.SongPath), p_.TagInfo.Artist, p_.TagInfo.Album);
        }
        break;
    case MediaKind::CdAudio:
        cdTrack = CdTrackNumber(p_.SongPath);
        break;
    case MediaKind::Picture:
        p_.SongLen = 5000;
        p_.Elapsed = 0;
        p_.LoadCover(p_.SongPath);
        list.SetSelection(index);
        p_.Timer1.start();
        break;
    case MediaKind::Refused:
        e_.SurfaceChanged();
        return;
    default:
        break;
    }

    e_.SetSlider(1, 0);
    const SliderTable& slider1 = e_.SlideTab()[1];
    if (slider1.w + slider1.h > 0) p_.surface.iSlider[1].visible = true;

    p_.SongName = list.At(index).name;
    p_.SetDD(6, p_.SongName);
    p_.surface.Lbl[2].caption = p_.SongName;
    p_.surface.Lbl[4].caption = BlankPrefixed(p_.TNum);
    p_.SetDD(2, p_.TNum);

    element.DeviceType = p_.Dev;
    element.TimeFormat = 0;
    if (p_.Dev != kDevDelay && !Open(element, cdTrack)) {
        ReportOpenError(element);
        return;
    }

    p_.Paused = 0;
    p_.Playing = -1;
    p_.ShowLights();
    list.SetSelection(index);
    p_.surface.Lbl[13].caption = TotalTimeText(p_.SongLen);
    e_.SurfaceChanged();

    if (p_.Dev == kDevModule) WaitForModule(element);
    p_.Timer1.start();
}

// The element not in use may still play the previous track's tail; one that
// is only just into its medium belongs to a track shorter than the overlap
// and is stopped, without a word, so two tracks do not start together.
void TrackStarter::StopShortTail() {
    MediaElement& other = e_.Element(1 - p_.PlayUnit);
    if (other.Mode() == kModePlaying && other.Position() < p_.settings.PBOverlap) {
        other.Wait = true;
        other.Command(QStringLiteral("stop"));
    }
}

// A missing local file is marked in its name once; its path stays, so the
// entry plays again (and loses the mark) when the file is back.
bool TrackStarter::MissingFile(int index) {
    PlaylistModel& list = p_.playlist;
    const QString name = list.At(index).name;
    if (!IsLocalFile(p_.SongPath) || FileExists(p_.SongPath)) {
        if (name.contains(kFileNotFound)) list.SetName(index, WithoutMarker(name));
        return false;
    }
    if (!name.contains(kFileNotFound))
        list.SetName(index, name + QStringLiteral(" ") + kFileNotFound);
    return true;
}

bool TrackStarter::Open(MediaElement& element, int16_t cdTrack) {
    if (p_.Dev == kDevCdAudio) {
        element.FileName.clear();
        element.Command(QStringLiteral("open"));
        if (element.Error() > 0) return false;
        element.Track = cdTrack;
        const int32_t start = element.TrackPosition();
        p_.SongLen = element.TrackLength();
        // The track is read when it is addressed; a drive without that
        // track reports here.
        if (element.Error() > 0) return false;
        element.From = start;
        element.To = start + p_.SongLen - 1;
        element.Command(QStringLiteral("play"));
        return true;
    }
    element.FileName = p_.SongPath;
    element.Wait = true;
    element.Command(QStringLiteral("open"));
    if (element.Error() > 0) return false;
    element.From = 0;
    p_.SongLen = element.TrackLength();
    element.Command(QStringLiteral("play"));
    return true;
}

void TrackStarter::ReportOpenError(MediaElement& element) {
    const int32_t code = element.Error();
    QString hint;
    if (code == kErrNoDevice)
        hint = QStringLiteral("Media Player is NOT installed.\rGo To Velto Website!");
    else if (code == kErrUnknownFormat)
        hint = QStringLiteral(
            "Unknown file format, corrupt file, or un-supported variation of known format.");
    else
        hint = QStringLiteral("Unhandled Velto error");
    p_.dialogs.Message(QStringLiteral("MCI Device: ") + p_.Dev + QStringLiteral("\r\r") +
                       element.ErrorMessage() + QStringLiteral("\r\r") + hint);
    p_.Dev.clear();
    e_.SurfaceChanged();
}

// Module music plays natively here, with no outside player window to bring
// forward; what is left is a bounded wait until it has started moving.
void TrackStarter::WaitForModule(MediaElement& element) {
    QElapsedTimer waited;
    waited.start();
    while (element.Position() < 1 && element.Mode() == kModePlaying &&
           waited.elapsed() < moduleWaitLimitMs)
        QThread::msleep(5);
}

void TrackStarter::CloseElement(int unit) {
    e_.Element(unit).Command(QStringLiteral("close"));
}

} // namespace velto
