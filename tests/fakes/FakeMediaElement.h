#pragma once
// Playback elements without sound: scripted media and errors, positions that follow a
// media clock the test advances, and a log of commands.
#include "platform/MediaElement.h"

#include <QMap>
#include <QStringList>

#include <array>
#include <vector>

namespace velto::test {

struct FakeMedium {
    int32_t lengthMs = 180000;
    int32_t openError = 0; // "open" fails with this code
    QString errorMessage{};
    int32_t failAtMs = -1;      // an error while playing at this position
    bool lengthUnknown = false; // a stream: no length until it ends
    // A VBR MP3 without a length header: `estimatedMs` until `estimateUntilMs` have played.
    int32_t estimatedMs = -1, estimateUntilMs = 0;
};

class FakeMediaWorld;

class FakeMediaElement : public MediaElement {
public:
    FakeMediaElement(FakeMediaWorld& world, int index) : world_(world), index_(index) {}

    void Command(const QString& command) override;
    int32_t Error() override { return error_; }
    QString ErrorMessage() override { return errorMessage_; }
    int32_t Mode() override;
    int32_t Position() override;
    int32_t TrackLength() override;
    int32_t TrackPosition() override { return 0; }
    void SetVolume(double level) override { volume = level; }

    bool IsOpen() const { return open_; }
    QString OpenName() const { return openName_; }
    double volume = -1;
    std::vector<std::pair<int32_t, int32_t>> plays; // From, To of each "play"

private:
    void Update();
    void Log(const QString& text);

    FakeMediaWorld& world_;
    const int index_;
    bool open_ = false, playing_ = false, ended_ = false;
    QString openName_, errorMessage_;
    FakeMedium medium_;
    int32_t baseMs_ = 0;    // position when the clock reading was taken
    int64_t baseClock_ = 0; // the media clock then
    int32_t to_ = -1, error_ = 0;
};

class FakeMediaWorld : public MediaElementFactory {
public:
    std::unique_ptr<MediaElement> Create(int index) override {
        auto made = std::make_unique<FakeMediaElement>(*this, index);
        element[static_cast<size_t>(index)] = made.get();
        return made;
    }

    // Media by file name (or "cdda://N" for CD track N); others are three minutes long.
    QMap<QString, FakeMedium> media;
    int64_t nowMs = 0; // the media clock: advancing it moves every playing element
    QStringList log;   // every command as "unit:command detail", in order
    std::array<FakeMediaElement*, 2> element{};

    FakeMediaElement& operator[](int unit) { return *element[static_cast<size_t>(unit)]; }
};

} // namespace velto::test
