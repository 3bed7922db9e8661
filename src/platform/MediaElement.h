#pragma once
// One playback element, driven the way the player drives a multimedia control:
// write the properties, send a command, read the results. Two of them play at
// once while tracks overlap.
#include <QString>

#include <cstdint>
#include <memory>

namespace velto {

// Values of Mode().
inline constexpr int32_t kModeNotOpen = 524;
inline constexpr int32_t kModeStopped = 525;
inline constexpr int32_t kModePlaying = 526;

// Values of Error().
inline constexpr int32_t kErrNone = 0;
inline constexpr int32_t kErrGeneral = 256;       // any other failure
inline constexpr int32_t kErrHardware = 262;      // the output could not be made
inline constexpr int32_t kErrNoDevice = 263;      // no backend for the device type
inline constexpr int32_t kErrFileNotFound = 275;  // nothing at the file name
inline constexpr int32_t kErrNotReady = 276;      // the medium did not answer in time
inline constexpr int32_t kErrUnknownFormat = 277; // format not recognised, no decoder

// Device type names the player writes.
inline const QString kDevActiveMovie = QStringLiteral("ActiveMovie");
inline const QString kDevModule = QStringLiteral("M4W_MCI");
inline const QString kDevAnimation = QStringLiteral("Animation");
inline const QString kDevAnimation1 = QStringLiteral("Animation1");
inline const QString kDevMMMovie = QStringLiteral("MMMovie");
inline const QString kDevCdAudio = QStringLiteral("cdaudio");

class MediaElement {
public:
    virtual ~MediaElement() = default;

    // Written before "open".
    QString DeviceType;
    QString FileName;   // a path, a URL, or empty for CD audio
    int TimeFormat = 0; // 0: milliseconds, the only format used
    // Start and end of the next "play" or "seek"; consumed by the next command.
    // Negative: not set.
    int32_t From = -1;
    int32_t To = -1;
    // Completes the next command before returning; consumed by it. Every command
    // here completes (or is bounded) anyway, so this only mirrors the control.
    bool Wait = false;
    // The CD track that TrackPosition and TrackLength address.
    int16_t Track = 0;

    // "open", "play", "Play", "stop", "seek", "close", without regard to case.
    // "open" sets Error and ErrorMessage; other commands record failures only.
    virtual void Command(const QString& command) = 0;
    virtual int32_t Error() = 0;
    virtual QString ErrorMessage() = 0;
    // kModePlaying while playing; after the end of the medium, or an error
    // while playing, another mode with Position() == TrackLength().
    virtual int32_t Mode() = 0;
    virtual int32_t Position() = 0; // ms
    // Length of the medium or CD track, ms; 0 while unknown, asked again on
    // every read.
    virtual int32_t TrackLength() = 0;
    // Start of the addressed CD track on the disc, ms; tracks are addressed
    // on their own here, so 0.
    virtual int32_t TrackPosition() = 0;

    // The player's output level, 0..1, for this element's stream.
    virtual void SetVolume(double level) = 0;
};

// Makes the player's two elements.
class MediaElementFactory {
public:
    virtual ~MediaElementFactory() = default;
    virtual std::unique_ptr<MediaElement> Create(int index) = 0;
};

} // namespace velto
