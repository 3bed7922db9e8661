#include "platform/MediaModule.h"

#include "platform/Modules.h"

#include <QStringList>

namespace velto {

namespace {

class LoadingMediaElement : public MediaElement {
public:
    LoadingMediaElement(const char* module, int index) : module_(module), index_(index) {}

    void Command(const QString& command) override {
        if (!real_ && !Load(command)) {
            From = -1, To = -1, Wait = false;
            return;
        }
        Pass();
        real_->Command(command);
        From = real_->From, To = real_->To, Wait = real_->Wait;
    }
    int32_t Error() override { return real_ ? real_->Error() : error_; }
    QString ErrorMessage() override { return real_ ? real_->ErrorMessage() : errorMessage_; }
    int32_t Mode() override { return real_ ? Pass()->Mode() : kModeNotOpen; }
    int32_t Position() override { return real_ ? Pass()->Position() : 0; }
    int32_t TrackLength() override { return real_ ? Pass()->TrackLength() : 0; }
    int32_t TrackPosition() override { return real_ ? Pass()->TrackPosition() : 0; }
    void SetVolume(double level) override {
        volume_ = level;
        if (real_) real_->SetVolume(level);
    }

private:
    // Until something opens, the commands that act on an open medium have
    // nothing to act on, as on an element that never opened.
    bool Load(const QString& command) {
        static const QStringList idle = {"play", "stop", "seek", "close"};
        if (idle.contains(command.trimmed(), Qt::CaseInsensitive)) return false;
        QString problem;
        auto make = reinterpret_cast<decltype(&velto_media_element)>(
            ModuleSymbol(module_, "velto_media_element", &problem));
        if (!make) {
            error_ = kErrNoDevice;
            errorMessage_ = QStringLiteral("The playback module could not be loaded: ") + problem;
            return false;
        }
        real_.reset(make(index_));
        real_->SetVolume(volume_);
        return true;
    }
    // The properties the player wrote since the last call.
    MediaElement* Pass() {
        real_->DeviceType = DeviceType;
        real_->FileName = FileName;
        real_->TimeFormat = TimeFormat;
        real_->From = From;
        real_->To = To;
        real_->Wait = Wait;
        real_->Track = Track;
        return real_.get();
    }

    const char* const module_;
    const int index_;
    std::unique_ptr<MediaElement> real_;
    double volume_ = 1.0;
    int32_t error_ = kErrNone;
    QString errorMessage_;
};

} // namespace

std::unique_ptr<MediaElement> ModuleMediaElementFactory::Create(int index) {
    return std::make_unique<LoadingMediaElement>(module_, index);
}

} // namespace velto
