#include "playback/TrackStarter.h"

#include "common/Numbers.h"
#include "common/PathNames.h"
#include "platform/Dialogs.h"
#include "platform/MediaElement.h"
#include "playback/MediaTypes.h"
#include "playback/PlaybackEngine.h"
#include "playback/TimeText.h"
#include "skin/Display.h"
#include "skin/Sliders.h"
#include "state/Elements.h"
#include "state/Notify.h"
#include "state/PlayerState.h"
#include "trackinfo/Covers.h"
#include "trackinfo/EmbeddedPicture.h"
#include "trackinfo/TrackInfo.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace velto {

TrackStarter::TrackStarter(PlaybackEngine& engine) : s_(engine.parts.state), e_(engine) {}

namespace {

QString WithoutMarker(QString name) {
    name.remove(QStringLiteral(" ") + kFileNotFound);
    name.remove(kFileNotFound);
    return name;
}

} // namespace

void TrackStarter::PlayIt() {
    PlaylistModel& list = s_.playlist;
    const int count = list.Count();
    if (count == 0) return;
    if (s_.TNum < 1)
        s_.TNum = ToInt16(count).value_or(INT16_MAX);
    else if (s_.TNum > count)
        s_.TNum = 1;
    const int index = s_.TNum - 1;

    e_.parts.Timer1.stop();
    StopShortTail();
    MediaElement& element = e_.Element(s_.PlayUnit);
    element.Command(QStringLiteral("close"));
    s_.SongPath = list.At(index).path;
    for (int field : {lbl::Bitrate, lbl::Frequency, lbl::ChannelMode})
        s_.surface.Lbl[field].caption.clear();
    s_.RptA = 0;
    s_.RptB = 0;
    if (MissingFile(index)) {
        s_.Dev.clear();
        e_.transport.ShowStopped();
        e_.parts.repaint.Repaint();
        return;
    }

    const MediaKind kind = KindOf(s_.SongPath);
    s_.Dev = DeviceTypeFor(kind);
    int16_t cdTrack = 0;
    switch (kind) {
    case MediaKind::MpegAudio:
        // The header and tag are read from the file itself; a stream has neither.
        if (IsLocalFile(s_.SongPath)) {
            e_.parts.trackInfo.GetMP3Info();
            if (s_.settings.UseTagCover == 1)
                e_.parts.covers.LoadTagCover(PathOnly(s_.SongPath), s_.TagInfo.Artist,
                                             s_.TagInfo.Album);
        }
        break;
    case MediaKind::CdAudio: cdTrack = CdTrackNumber(s_.SongPath); break;
    case MediaKind::Picture:
        s_.SongLen = 5000;
        s_.Elapsed = 0;
        e_.parts.covers.LoadCover(s_.SongPath);
        list.SetSelection(index);
        e_.parts.Timer1.start();
        break;
    case MediaKind::Refused: // nothing is opened: playback halts here
        e_.transport.ShowStopped();
        e_.parts.repaint.Repaint();
        return;
    case MediaKind::Other:
        // FLAC, Ogg and MP4 audio have no ID3v1 tag, but often a cover.
        if (s_.settings.UseTagCover == 1 && CarriesPictureTags(s_.SongPath))
            e_.parts.covers.LoadTagCover(PathOnly(s_.SongPath), QString(), QString());
        break;
    default: break;
    }

    e_.parts.sliders.SetSlider(slider::Position, 0);
    const SliderTable& position = s_.skin.SlideTab[slider::Position];
    if (position.w + position.h > 0) s_.surface.iSlider[slider::Position].visible = true;

    s_.SongName = list.At(index).name;
    e_.parts.display.SetDD(dig::Title, s_.SongName);
    s_.surface.Lbl[lbl::Title].caption = s_.SongName;
    s_.surface.Lbl[lbl::TrackNumber].caption = BlankPrefixed(s_.TNum);
    e_.parts.display.SetDD(dig::TrackNumber, s_.TNum);

    element.DeviceType = s_.Dev;
    element.TimeFormat = 0;
    if (s_.Dev != kDevDelay && !Open(element, cdTrack)) {
        // Nothing plays: the display must not claim otherwise.
        e_.transport.ShowStopped();
        ReportOpenError(element);
        return;
    }

    s_.Paused = 0;
    s_.Playing = -1;
    e_.parts.display.ShowLights();
    list.SetSelection(index);
    s_.surface.Lbl[lbl::TotalTime].caption = TotalTimeText(s_.SongLen);
    e_.parts.repaint.Repaint();

    if (s_.Dev == kDevModule) WaitForModule(element);
    e_.parts.Timer1.start();
}

// The element not in use may still play the previous track's tail; one that
// is only just into its medium belongs to a track shorter than the overlap
// and is stopped, without a word, so two tracks do not start together.
void TrackStarter::StopShortTail() {
    MediaElement& other = e_.Element(1 - s_.PlayUnit);
    if (other.Mode() == kModePlaying && other.Position() < Overlap(s_.settings)) {
        other.Wait = true;
        other.Command(QStringLiteral("stop"));
    }
}

// A missing local file is marked in its name once; its path stays, so the
// entry plays again (and loses the mark) when the file is back.
bool TrackStarter::MissingFile(int index) {
    PlaylistModel& list = s_.playlist;
    const QString name = list.At(index).name;
    if (!IsLocalFile(s_.SongPath) || FileExists(s_.SongPath)) {
        if (name.contains(kFileNotFound)) list.SetName(index, WithoutMarker(name));
        return false;
    }
    if (!name.contains(kFileNotFound))
        list.SetName(index, name + QStringLiteral(" ") + kFileNotFound);
    return true;
}

bool TrackStarter::Open(MediaElement& element, int16_t cdTrack) {
    if (s_.Dev == kDevCdAudio) {
        element.FileName.clear();
        element.Command(QStringLiteral("open"));
        if (element.Error() > 0) return false;
        element.Track = cdTrack;
        const int32_t start = element.TrackPosition();
        s_.SongLen = element.TrackLength();
        // The track is read when it is addressed; a drive without that
        // track reports here.
        if (element.Error() > 0) return false;
        element.From = start;
        element.To =
            static_cast<int32_t>(std::min<int64_t>(int64_t(start) + s_.SongLen - 1, INT32_MAX));
        element.Command(QStringLiteral("play"));
        return true;
    }
    element.FileName = s_.SongPath;
    element.Wait = true;
    element.Command(QStringLiteral("open"));
    if (element.Error() > 0) return false;
    element.From = 0;
    s_.SongLen = element.TrackLength();
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
    e_.parts.dialogs.Message(QStringLiteral("MCI Device: ") + s_.Dev + QStringLiteral("\r\r") +
                             element.ErrorMessage() + QStringLiteral("\r\r") + hint);
    s_.Dev.clear();
    e_.parts.repaint.Repaint();
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

void TrackStarter::CloseElement(int unit) { e_.Element(unit).Command(QStringLiteral("close")); }

} // namespace velto
