#include "platform/GstMediaElement.h"

#include "common/PathNames.h"

#include <gst/gst.h>

#include <QFileInfo>

#include <algorithm>
#include <atomic>

namespace velto {

namespace {

// Pipelines made and not yet finalised, whoever holds the last reference.
std::atomic<int> livePipelines{0};
void PipelineGone(gpointer, GObject*) { --livePipelines; }

constexpr int32_t kMaxMs = INT32_MAX;

int32_t ToMs(gint64 ns) {
    if (ns <= 0) return 0;
    return static_cast<int32_t>(std::min<gint64>(ns / GST_MSECOND, kMaxMs));
}

bool IsPlaybinDevice(const QString& dev) {
    return dev.compare(kDevActiveMovie, Qt::CaseInsensitive) == 0 ||
           dev.compare(kDevModule, Qt::CaseInsensitive) == 0 ||
           dev.compare(kDevAnimation, Qt::CaseInsensitive) == 0 ||
           dev.compare(kDevAnimation1, Qt::CaseInsensitive) == 0;
}

QString TextFor(int32_t code) {
    switch (code) {
    case kErrNoDevice: return QStringLiteral("No device is available here for this type of media.");
    case kErrUnknownFormat:
        return QStringLiteral("The file's format is not recognised, or no decoder for it is "
                              "installed.");
    case kErrFileNotFound: return QStringLiteral("The file could not be found.");
    case kErrNotReady: return QStringLiteral("The medium did not get ready in time.");
    case kErrHardware: return QStringLiteral("The output device could not be opened.");
    default: return QStringLiteral("The medium could not be played.");
    }
}

// The error code for a GStreamer error: what the player reports to the user.
int32_t CodeFor(const GError* error, bool fromSink) {
    if (error->domain == GST_STREAM_ERROR) {
        switch (error->code) {
        case GST_STREAM_ERROR_TYPE_NOT_FOUND:
        case GST_STREAM_ERROR_CODEC_NOT_FOUND:
        case GST_STREAM_ERROR_WRONG_TYPE:
        case GST_STREAM_ERROR_DECODE:
        case GST_STREAM_ERROR_DEMUX:
        case GST_STREAM_ERROR_FORMAT:
        case GST_STREAM_ERROR_NOT_IMPLEMENTED: return kErrUnknownFormat;
        default: return kErrGeneral;
        }
    }
    if (error->domain == GST_CORE_ERROR && error->code == GST_CORE_ERROR_MISSING_PLUGIN)
        return kErrUnknownFormat;
    if (error->domain == GST_RESOURCE_ERROR) {
        if (fromSink) return kErrHardware;
        if (error->code == GST_RESOURCE_ERROR_NOT_FOUND) return kErrFileNotFound;
    }
    return kErrGeneral;
}

bool IsSink(GstObject* object) {
    return GST_IS_ELEMENT(object) && GST_OBJECT_FLAG_IS_SET(object, GST_ELEMENT_FLAG_SINK);
}

// A sink from a pipeline description; nothing for an empty one, to let
// playbin choose.
GstElement* SinkFrom(const QByteArray& description, QString* problem) {
    if (description.trimmed().isEmpty()) return nullptr;
    GError* error = nullptr;
    GstElement* bin = gst_parse_bin_from_description(description.constData(), TRUE, &error);
    if (error) {
        *problem = QString::fromUtf8(error->message);
        g_error_free(error);
        if (bin) gst_object_unref(bin);
        return nullptr;
    }
    return bin;
}

} // namespace

GstMediaElement::GstMediaElement(int index) : index_(index) {}

GstMediaElement::~GstMediaElement() { Close(); }

void GstMediaElement::Command(const QString& command) {
    askedAtUs_ = -1;
    const QString c = command.trimmed().toLower();
    if (c == QLatin1String("open"))
        Open();
    else if (c == QLatin1String("play"))
        Play();
    else if (c == QLatin1String("stop"))
        Stop();
    else if (c == QLatin1String("seek"))
        Seek();
    else if (c == QLatin1String("close"))
        Close();
    else
        Fail(kErrGeneral, QStringLiteral("Unknown command: ") + command);
    From = -1;
    To = -1;
    Wait = false;
}

void GstMediaElement::Fail(int32_t code, const QString& text) {
    error_ = code;
    errorMessage_ = text.isEmpty() ? TextFor(code) : text;
}

void GstMediaElement::Open() {
    Close();
    ClearResult();
    if (DeviceType.compare(kDevCdAudio, Qt::CaseInsensitive) == 0) {
        if (!StartGstreamer()) return;
        if (!gst_uri_protocol_is_supported(GST_URI_SRC, "cdda")) {
            Fail(kErrNoDevice, QStringLiteral("No CD audio source is installed."));
            return;
        }
        cd_ = true;
        open_ = true; // the track is opened when it is addressed
        return;
    }
    if (!IsPlaybinDevice(DeviceType)) {
        Fail(kErrNoDevice, QStringLiteral("No device is available here for \"") + DeviceType +
                               QStringLiteral("\" media."));
        return;
    }
    QByteArray uri;
    if (HasUrlScheme(FileName)) {
        uri = FileName.toUtf8();
    } else {
        if (!QFileInfo(FileName).isFile()) {
            Fail(kErrFileNotFound, QString());
            return;
        }
        if (!StartGstreamer()) return;
        const QByteArray local = QFile::encodeName(QFileInfo(FileName).absoluteFilePath());
        gchar* made = gst_filename_to_uri(local.constData(), nullptr);
        uri = made;
        g_free(made);
    }
    if (OpenUri(uri)) open_ = true;
}

// Once per process, when the first medium opens; later calls return at once.
bool GstMediaElement::StartGstreamer() {
    if (gst_init_check(nullptr, nullptr, nullptr)) return true;
    Fail(kErrNoDevice, QStringLiteral("GStreamer could not be started."));
    return false;
}

bool GstMediaElement::OpenUri(const QByteArray& uri) {
    if (!StartGstreamer()) return false;
    const QByteArray name = "velto-element-" + QByteArray::number(index_);
    pipeline_ = gst_element_factory_make("playbin", name.constData());
    if (!pipeline_) {
        Fail(kErrNoDevice, QStringLiteral("The GStreamer playbin element is not installed."));
        return false;
    }
    gst_object_ref_sink(pipeline_);
    ++livePipelines;
    g_object_weak_ref(G_OBJECT(pipeline_), PipelineGone, nullptr);
    bus_ = gst_element_get_bus(pipeline_);
    QString problem;
    // The audio sink brings its own volume element: the one playbin adds for
    // a sink without a volume (ALSA, fakesink) outlives its pipeline in
    // GStreamer 1.22, a leak on every track.
    QByteArray audioSink = qgetenv("VELTO_AUDIO_SINK").trimmed();
    if (audioSink.isEmpty()) audioSink = "autoaudiosink";
    GstElement* audio = SinkFrom("volume ! " + audioSink, &problem);
    GstElement* video =
        problem.isEmpty() ? SinkFrom(qgetenv("VELTO_VIDEO_SINK"), &problem) : nullptr;
    if (!problem.isEmpty()) {
        if (audio) gst_object_unref(gst_object_ref_sink(audio));
        Close();
        Fail(kErrHardware, QStringLiteral("The output could not be made: ") + problem);
        return false;
    }
    if (audio) g_object_set(pipeline_, "audio-sink", audio, nullptr);
    if (video) g_object_set(pipeline_, "video-sink", video, nullptr);
    g_object_set(pipeline_, "uri", uri.constData(), "volume", volume_, nullptr);
    if (!Preroll()) {
        Close();
        return false;
    }
    ready_ = true;
    // A level set before preroll may be lost by a sink that was not yet made.
    g_object_set(pipeline_, "volume", volume_, nullptr);
    QueryLength();
    return true;
}

// Pauses the new pipeline and waits, bounded, until it is ready to play or
// has reported why it cannot be.
bool GstMediaElement::Preroll() {
    const GstStateChangeReturn ret = gst_element_set_state(pipeline_, GST_STATE_PAUSED);
    if (ret == GST_STATE_CHANGE_NO_PREROLL) return true; // a live stream
    if (ret == GST_STATE_CHANGE_SUCCESS) return true;
    const auto wanted =
        static_cast<GstMessageType>(GST_MESSAGE_ERROR | GST_MESSAGE_ASYNC_DONE | GST_MESSAGE_EOS);
    // After an immediate failure the error is already on the bus.
    const GstClockTime limit =
        ret == GST_STATE_CHANGE_FAILURE ? GST_SECOND : kPrerollLimitMs * GST_MSECOND;
    const gint64 deadline = g_get_monotonic_time() + gint64(limit / GST_USECOND);
    for (;;) {
        const gint64 left = deadline - g_get_monotonic_time();
        if (left <= 0) break;
        GstMessage* message = gst_bus_timed_pop_filtered(bus_, left * GST_USECOND, wanted);
        if (!message) break;
        const GstMessageType type = GST_MESSAGE_TYPE(message);
        const bool fromPipeline = GST_MESSAGE_SRC(message) == GST_OBJECT(pipeline_);
        if (type == GST_MESSAGE_ERROR) {
            Handle(message);
            gst_message_unref(message);
            return false;
        }
        gst_message_unref(message);
        if (type == GST_MESSAGE_EOS) {
            Ended();
            return true;
        }
        if (fromPipeline) return true;
    }
    if (ret == GST_STATE_CHANGE_FAILURE)
        Fail(kErrGeneral, QString());
    else
        Fail(kErrNotReady, QString());
    return false;
}

void GstMediaElement::Handle(GstMessage* message) {
    askedAtUs_ = -1;
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS: Ended(); break;
    case GST_MESSAGE_DURATION_CHANGED: lengthChanged_ = true; break;
    case GST_MESSAGE_ERROR: {
        GError* error = nullptr;
        gchar* debug = nullptr;
        gst_message_parse_error(message, &error, &debug);
        const int32_t code = CodeFor(error, IsSink(GST_MESSAGE_SRC(message)));
        Fail(code, code == kErrGeneral ? QStringLiteral("The medium could not be played: ") +
                                             QString::fromUtf8(error->message)
                                       : QString());
        g_error_free(error);
        g_free(debug);
        // While playing, an error ends the medium: a truncated file or a lost
        // device must not stall continuous playback.
        if (ready_) {
            lastPositionMs_ = std::max(lastPositionMs_, QueryPosition());
            gst_element_set_state(pipeline_, GST_STATE_NULL);
            failed_ = true;
            Ended();
        }
        break;
    }
    default: break;
    }
}

void GstMediaElement::Drain() {
    if (!bus_) return;
    const auto wanted = static_cast<GstMessageType>(GST_MESSAGE_ERROR | GST_MESSAGE_EOS |
                                                    GST_MESSAGE_DURATION_CHANGED);
    while (GstMessage* message = gst_bus_pop_filtered(bus_, wanted)) {
        Handle(message);
        gst_message_unref(message);
        if (!bus_) break;
    }
}

// The medium is over: its position is its length from now on. A length that
// was never known, or estimated short, becomes the position reached, so the
// end is still seen.
void GstMediaElement::Ended() {
    if (!ended_) {
        lastPositionMs_ = std::max(lastPositionMs_, QueryPosition());
        QueryLength(true);
    }
    ended_ = true;
    playing_ = false;
    lengthMs_ = std::max({lengthMs_, lastPositionMs_, 1});
}

bool GstMediaElement::Seekable() {
    GstQuery* query = gst_query_new_seeking(GST_FORMAT_TIME);
    gboolean seekable = FALSE;
    if (gst_element_query(pipeline_, query))
        gst_query_parse_seeking(query, nullptr, &seekable, nullptr, nullptr);
    gst_query_unref(query);
    return seekable;
}

// A seek to where the medium already is, or on a medium that cannot seek
// (a plain HTTP stream), is not sent: it could only break the stream.
void GstMediaElement::SeekTo(int32_t fromMs, int32_t toMs) {
    if (fromMs == 0 && toMs < 0 && !ended_ && QueryPosition() == 0) return;
    if (!Seekable()) return;
    const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    const GstSeekType startType = fromMs >= 0 ? GST_SEEK_TYPE_SET : GST_SEEK_TYPE_NONE;
    const gint64 start = fromMs >= 0 ? gint64(fromMs) * GST_MSECOND : 0;
    const gint64 stop = toMs >= 0 ? gint64(toMs) * GST_MSECOND : gint64(GST_CLOCK_TIME_NONE);
    if (gst_element_seek(pipeline_, 1.0, GST_FORMAT_TIME, flags, startType, start,
                         GST_SEEK_TYPE_SET, stop)) {
        if (fromMs >= 0) lastPositionMs_ = fromMs;
        ended_ = false;
    }
}

bool GstMediaElement::EnsureCdTrack() {
    if (!cd_) return pipeline_ != nullptr;
    // A failed track is not retried; no track at all fails every time.
    if (cdTried_ == Track && Track >= 1) return pipeline_ != nullptr;
    Close();
    open_ = cd_ = true; // the device stays open whatever the track does
    cdTried_ = Track;
    ClearResult();
    if (Track < 1) {
        Fail(kErrGeneral, QStringLiteral("The entry names no CD track."));
        return false;
    }
    if (!OpenUri(QByteArray("cdda://") + QByteArray::number(Track))) {
        open_ = cd_ = true;
        cdTried_ = Track;
        return false;
    }
    return true;
}

void GstMediaElement::Play() {
    if (!open_ || !EnsureCdTrack()) return;
    Drain();
    if (!pipeline_ || failed_) return;
    if (From >= 0 || To >= 0)
        SeekTo(From, To);
    else if (ended_)
        return; // at the end; only a new start position plays again
    g_object_set(pipeline_, "volume", volume_, nullptr);
    if (gst_element_set_state(pipeline_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        Drain();
        return;
    }
    playing_ = true;
}

void GstMediaElement::Stop() {
    if (!pipeline_) return;
    Drain();
    if (ended_) {
        playing_ = false;
        return;
    }
    lastPositionMs_ = QueryPosition();
    gst_element_set_state(pipeline_, GST_STATE_PAUSED);
    playing_ = false;
}

void GstMediaElement::Seek() {
    if (!open_ || !EnsureCdTrack()) return;
    Drain();
    if (!pipeline_ || failed_) return;
    gst_element_set_state(pipeline_, GST_STATE_PAUSED);
    playing_ = false;
    SeekTo(std::max(From, 0), To);
}

// Tears the pipeline down in one order: stop the streaming threads, drop
// what is left on the bus, release.
void GstMediaElement::Close() {
    if (pipeline_) {
        gst_element_set_state(pipeline_, GST_STATE_NULL);
        if (bus_) {
            gst_bus_set_flushing(bus_, TRUE);
            gst_object_unref(bus_);
        }
        gst_object_unref(pipeline_);
    }
    pipeline_ = nullptr;
    bus_ = nullptr;
    open_ = ready_ = playing_ = ended_ = failed_ = cd_ = false;
    cdTried_ = 0;
    lengthMs_ = lastPositionMs_ = 0;
    lengthChanged_ = false;
}

int32_t GstMediaElement::QueryPosition() {
    if (!pipeline_) return lastPositionMs_;
    gint64 ns = 0;
    if (gst_element_query_position(pipeline_, GST_FORMAT_TIME, &ns) && ns >= 0) return ToMs(ns);
    return lastPositionMs_;
}

int32_t GstMediaElement::Mode() {
    Drain();
    if (!open_) return kModeNotOpen;
    return playing_ && !ended_ ? kModePlaying : kModeStopped;
}

int32_t GstMediaElement::Position() {
    Drain();
    if (!open_) return 0;
    if (ended_) return TrackLength();
    if (cd_ && !EnsureCdTrack()) return 0;
    if (const std::optional<int32_t> running = RunningPosition()) return *running;
    // Not held to the length: that may be an estimate still growing.
    lastPositionMs_ = QueryPosition();
    askedAtUs_ = playing_ ? g_get_monotonic_time() : -1;
    return lastPositionMs_;
}

// Asked ten times a second, the pipeline would walk its elements each time
// to say what the clock already tells. Near the end it is asked every time:
// the end, and the length, are decided there.
std::optional<int32_t> GstMediaElement::RunningPosition() const {
    if (askedAtUs_ < 0 || !playing_ || lengthMs_ <= 0) return std::nullopt;
    const int64_t runMs = (g_get_monotonic_time() - askedAtUs_) / 1000;
    if (runMs >= kPositionQueryMs) return std::nullopt;
    const int64_t position = int64_t(lastPositionMs_) + runMs;
    if (position >= int64_t(lengthMs_) - kLengthWatchMs) return std::nullopt;
    return int32_t(position);
}

int32_t GstMediaElement::TrackLength() {
    Drain();
    if (!open_) return 0;
    if (cd_ && !EnsureCdTrack()) return 0;
    QueryLength();
    return lengthMs_;
}

// Asked again whenever the pipeline says it changed, until the end: the
// length of a VBR MP3 without a length header is estimated from the frames
// read so far, and grows or shrinks as more are. The pipeline says so only
// once its estimate has drifted by about a second, so the length is asked
// every time while none is known and in the last seconds, where the end is
// decided.
void GstMediaElement::QueryLength(bool always) {
    if (ended_ || !pipeline_ || !ready_) return;
    const bool nearEnd = lastPositionMs_ >= lengthMs_ - kLengthWatchMs;
    if (!always && lengthMs_ > 0 && !lengthChanged_ && !nearEnd) return;
    lengthChanged_ = false;
    gint64 ns = 0;
    if (gst_element_query_duration(pipeline_, GST_FORMAT_TIME, &ns) && ns > 0) lengthMs_ = ToMs(ns);
}

void GstMediaElement::SetVolume(double level) {
    volume_ = std::clamp(level, 0.0, 1.0);
    if (pipeline_) g_object_set(pipeline_, "volume", volume_, nullptr);
}

int GstMediaElement::LivePipelines() { return livePipelines.load(); }

std::unique_ptr<MediaElement> GstMediaElementFactory::Create(int index) {
    return std::make_unique<GstMediaElement>(index);
}

} // namespace velto
