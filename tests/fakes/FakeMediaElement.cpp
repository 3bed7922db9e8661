#include "fakes/FakeMediaElement.h"

#include <algorithm>
#include <utility>

namespace velto::test {

void FakeMediaElement::Log(const QString& text) {
    world_.log << QString::number(index_) + u':' + text;
}

// Moves on by the media clock; the end or a scripted failure stops it at the length.
void FakeMediaElement::Update() {
    if (!open_ || !playing_) return;
    const int64_t pos = baseMs_ + (world_.nowMs - std::exchange(baseClock_, world_.nowMs));
    baseMs_ = static_cast<int32_t>(pos);
    const bool failed = medium_.failAtMs >= 0 && pos >= medium_.failAtMs;
    const int32_t end = to_ >= 0 ? std::min(to_ + 1, medium_.lengthMs) : medium_.lengthMs;
    if (failed || (!medium_.lengthUnknown && pos >= end)) {
        if (failed) error_ = kErrGeneral;
        if (std::exchange(medium_.lengthUnknown, false)) medium_.lengthMs = baseMs_;
        baseMs_ = medium_.lengthMs;
        playing_ = false, ended_ = true;
    }
}

void FakeMediaElement::Command(const QString& command) {
    Update();
    const QString c = command.toLower();
    if (c == QLatin1String("open")) {
        playing_ = ended_ = false;
        error_ = 0, errorMessage_.clear();
        Log(QStringLiteral("open ") + DeviceType + QStringLiteral(" ") + FileName);
        if (DeviceType == kDevMMMovie) { // no backend
            error_ = kErrNoDevice, errorMessage_ = QStringLiteral("No device for ") + DeviceType;
        } else if (DeviceType != kDevCdAudio) {
            medium_ = world_.media.value(FileName);
            error_ = medium_.openError, errorMessage_ = medium_.errorMessage;
        }
        open_ = error_ == 0;
        openName_ = open_ ? FileName : QString();
        baseMs_ = 0, to_ = -1;
    } else if (c == QLatin1String("close")) {
        Log(c), openName_.clear();
        open_ = playing_ = ended_ = false;
    } else if (c == QLatin1String("play")) {
        Log(command + QStringLiteral(" from=") + QString::number(From) + QStringLiteral(" to=") +
            QString::number(To));
        if (open_) {
            plays.emplace_back(From, To);
            if (From >= 0) baseMs_ = From, ended_ = false;
            if (To >= 0) to_ = To;
            if (!ended_) playing_ = true;
            baseClock_ = world_.nowMs;
        }
    } else if (c == QLatin1String("stop")) {
        Log(c), playing_ = false;
    } else if (c == QLatin1String("seek")) {
        Log(QStringLiteral("seek from=") + QString::number(From)), playing_ = false;
        if (open_) baseMs_ = std::max(From, 0), ended_ = false;
    }
    From = To = -1, Wait = false;
}

int32_t FakeMediaElement::Mode() {
    return Update(), !open_ ? kModeNotOpen : playing_ ? kModePlaying : kModeStopped;
}

int32_t FakeMediaElement::Position() { return Update(), open_ ? baseMs_ : 0; }

int32_t FakeMediaElement::TrackLength() {
    Update();
    if (!open_) return 0;
    const QString cdTrack = QStringLiteral("cdda://") + QString::number(Track);
    if (DeviceType == kDevCdAudio && openName_ != cdTrack) { // the track is chosen after "open"
        medium_ = world_.media.value(cdTrack);
        openName_ = cdTrack;
        // A track that cannot be read reports when addressed.
        error_ = medium_.openError, errorMessage_ = medium_.errorMessage;
    }
    if (medium_.lengthUnknown) return 0;
    if (medium_.estimatedMs >= 0 && !ended_ && baseMs_ < medium_.estimateUntilMs)
        return medium_.estimatedMs;
    return medium_.lengthMs;
}

} // namespace velto::test
