#pragma once
// The playback element over GStreamer: one playbin per opened medium.
//
// The bus is polled whenever a command runs or a property is read, so no
// GLib main loop has to run. Each pipeline has its own bus, flushed and
// released with it on "close", so nothing of a closed medium reaches a later
// one.
#include "platform/MediaElement.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

typedef struct _GstElement GstElement;
typedef struct _GstBus GstBus;
typedef struct _GstMessage GstMessage;

namespace velto {

class GstMediaElement : public MediaElement {
public:
    explicit GstMediaElement(int index);
    ~GstMediaElement() override;
    GstMediaElement(const GstMediaElement&) = delete;
    GstMediaElement& operator=(const GstMediaElement&) = delete;

    void Command(const QString& command) override;
    int32_t Error() override { return error_; }
    QString ErrorMessage() override { return errorMessage_; }
    int32_t Mode() override;
    int32_t Position() override;
    int32_t TrackLength() override;
    int32_t TrackPosition() override { return 0; }
    void SetVolume(double level) override;

    // The playbin pipelines of every element that are not yet released:
    // zero when all media are closed, unless a reference leaked.
    static int LivePipelines();

    // How long "open" waits for the medium to be ready.
    static constexpr int kPrerollLimitMs = 10000;
    // How long before its end a medium's length is asked on every call.
    static constexpr int32_t kLengthWatchMs = 3000;
    // While playing, the longest time the position runs with the clock
    // before the pipeline is asked again.
    static constexpr int32_t kPositionQueryMs = 500;

private:
    void Open();
    void Play();
    void Stop();
    void Seek();
    void Close();

    bool StartGstreamer();
    bool OpenUri(const QByteArray& uri);
    bool Preroll();
    bool EnsureCdTrack();
    void Drain();
    void Handle(GstMessage* message);
    void Fail(int32_t code, const QString& text);
    void Ended();
    void SeekTo(int32_t fromMs, int32_t toMs);
    bool Seekable();
    int32_t QueryPosition();
    // The position the clock gives since the pipeline was last asked, while
    // that is valid: playing, no command or message since, not near the end.
    std::optional<int32_t> RunningPosition() const;
    void QueryLength(bool always = false);
    void ClearResult() { error_ = kErrNone, errorMessage_.clear(); }

    const int index_;
    GstElement* pipeline_ = nullptr;
    GstBus* bus_ = nullptr;
    bool open_ = false;
    bool ready_ = false; // prerolled: errors from now on end the medium
    bool playing_ = false;
    bool ended_ = false;
    bool failed_ = false; // ended by an error; only "close" and "open" act
    bool cd_ = false;
    int16_t cdTried_ = 0; // the CD track last opened, whether or not it worked
    int32_t lengthMs_ = 0;
    bool lengthChanged_ = false; // the pipeline said its length changed
    int32_t lastPositionMs_ = 0;
    int64_t askedAtUs_ = -1; // monotonic time of the last position asked while playing; -1: none
    double volume_ = 1.0;
    int32_t error_ = kErrNone;
    QString errorMessage_;
};

// GStreamer itself starts when the first medium opens: its plugin registry
// (scanned on a user's first start) is not needed to show the window.
class GstMediaElementFactory : public MediaElementFactory {
public:
    std::unique_ptr<MediaElement> Create(int index) override;
};

} // namespace velto
