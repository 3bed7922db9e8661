// Cover pictures inside music files, read with TagLib: the TagLib module
// (libvelto-taglib.so), loaded when a cover is first looked for there.
#include "trackinfo/TagPictures.h"

#include <QFile>

#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/oggflacfile.h>
#include <taglib/opusfile.h>
#include <taglib/speexfile.h>
#include <taglib/vorbisfile.h>
#include <taglib/xiphcomment.h>

#include <optional>

namespace velto {

namespace {

QByteArray Bytes(const TagLib::ByteVector& v) { return QByteArray(v.data(), qsizetype(v.size())); }

std::optional<QByteArray> FromId3v2(TagLib::ID3v2::Tag* tag) {
    if (!tag) return std::nullopt;
    std::optional<QByteArray> first;
    for (TagLib::ID3v2::Frame* frame : tag->frameList("APIC")) {
        const auto* apic = dynamic_cast<TagLib::ID3v2::AttachedPictureFrame*>(frame);
        if (!apic || apic->picture().isEmpty()) continue;
        if (apic->type() == TagLib::ID3v2::AttachedPictureFrame::FrontCover)
            return Bytes(apic->picture());
        if (!first) first = Bytes(apic->picture());
    }
    return first;
}

std::optional<QByteArray> FromFlacPictures(const TagLib::List<TagLib::FLAC::Picture*>& pictures) {
    std::optional<QByteArray> first;
    for (const TagLib::FLAC::Picture* picture : pictures) {
        if (!picture || picture->data().isEmpty()) continue;
        if (picture->type() == TagLib::FLAC::Picture::FrontCover) return Bytes(picture->data());
        if (!first) first = Bytes(picture->data());
    }
    return first;
}

std::optional<QByteArray> FromXiph(TagLib::Ogg::XiphComment* comment) {
    if (!comment) return std::nullopt;
    return FromFlacPictures(comment->pictureList());
}

std::optional<QByteArray> FromMp4(TagLib::MP4::Tag* tag) {
    // MP4 covers carry no type: the first is the cover.
    if (!tag || !tag->contains("covr")) return std::nullopt;
    for (const TagLib::MP4::CoverArt& art : tag->item("covr").toCoverArtList()) {
        if (!art.data().isEmpty()) return Bytes(art.data());
    }
    return std::nullopt;
}

std::optional<QByteArray> ReadPicture(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    TagLib::FileRef ref(name.constData(), false);
    TagLib::File* file = ref.file();
    if (!file || !file->isValid()) return std::nullopt;
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file)) return FromId3v2(mpeg->ID3v2Tag());
    if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(file)) {
        if (auto found = FromFlacPictures(flac->pictureList())) return found;
        return FromId3v2(flac->ID3v2Tag());
    }
    if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(file)) return FromMp4(mp4->tag());
    if (auto* vorbis = dynamic_cast<TagLib::Ogg::Vorbis::File*>(file))
        return FromXiph(vorbis->tag());
    if (auto* opus = dynamic_cast<TagLib::Ogg::Opus::File*>(file)) return FromXiph(opus->tag());
    if (auto* oggFlac = dynamic_cast<TagLib::Ogg::FLAC::File*>(file))
        return FromXiph(oggFlac->tag());
    if (auto* speex = dynamic_cast<TagLib::Ogg::Speex::File*>(file)) return FromXiph(speex->tag());
    return std::nullopt;
}

} // namespace

} // namespace velto

extern "C" __attribute__((visibility("default"))) bool velto_embedded_picture(const QString& path,
                                                                              QByteArray& picture) {
    std::optional<QByteArray> found = velto::ReadPicture(path);
    if (found) picture = std::move(*found);
    return found.has_value();
}
