#include "trackinfo/Id3v1.h"

#include "common/Numbers.h"
#include "trackinfo/Genres.h"

namespace velto {

namespace {

QString Latin1At(QByteArrayView block, qsizetype offset, qsizetype length) {
    return QString::fromLatin1(block.sliced(offset, length));
}

QString TrimBlanks(QStringView s) {
    qsizetype from = 0, to = s.size();
    while (from < to && s[from] == u' ')
        ++from;
    while (to > from && s[to - 1] == u' ')
        --to;
    return s.sliced(from, to - from).toString();
}

} // namespace

TagFields NoTagFields() {
    TagFields tag;
    tag.Title = tag.Artist = tag.Album = QString(30, u' ');
    tag.Year = QString(4, u' ');
    tag.Comment = QString(30, u' ');
    tag.Genre = 80;
    return tag;
}

std::optional<TagFields> ParseId3v1(QByteArrayView block) {
    if (block.size() != kId3v1Size || !block.startsWith("TAG")) return std::nullopt;
    TagFields tag;
    tag.Title = Latin1At(block, 3, 30);
    tag.Artist = Latin1At(block, 33, 30);
    tag.Album = Latin1At(block, 63, 30);
    tag.Year = Latin1At(block, 93, 4);
    const bool v11 = block[125] == '\0';
    tag.Comment = Latin1At(block, 97, v11 ? 28 : 30);
    tag.Track = v11 ? uchar(block[126]) : 0;
    tag.Genre = uchar(block[127]);
    return tag;
}

TagFields TagAtEnd(QByteArrayView fileEnd) {
    if (fileEnd.size() < kId3v1Size) return NoTagFields();
    return ParseId3v1(fileEnd.last(kId3v1Size)).value_or(NoTagFields());
}

QString TagFieldText(const QString& field) {
    const qsizetype nul = field.indexOf(QChar(u'\0'));
    return TrimBlanks(nul < 0 ? QStringView(field) : QStringView(field).first(nul));
}

QString TrackText(int track) { return ZeroPadded(track, 2); }

TagForm TagFormOf(const TagFields& tag) {
    TagForm form;
    form.Title = TagFieldText(tag.Title);
    form.Artist = TagFieldText(tag.Artist);
    form.Album = TagFieldText(tag.Album);
    form.Year = TagFieldText(tag.Year);
    form.Comment = TagFieldText(tag.Comment);
    form.Track = TrackText(tag.Track);
    form.GenreEntry = GenreEntry(tag.Genre);
    return form;
}

std::optional<int> TrackNumber(const QString& text) {
    const QString digits = TrimBlanks(text);
    int value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > 255) return std::nullopt;
    }
    return value;
}

QByteArray Latin1Field(const QString& text, int length) {
    QByteArray bytes;
    bytes.reserve(length);
    // By code point, so a character outside the 16-bit range is one "?".
    for (const char32_t c : QStringView(text).toUcs4()) {
        if (bytes.size() == length) break;
        bytes.append(c <= 0xFF ? char(c) : '?');
    }
    return bytes.leftJustified(length, ' ');
}

std::optional<QByteArray> Id3v1Block(const TagForm& form) {
    const auto track = TrackNumber(form.Track);
    if (!track) return std::nullopt;
    QByteArray block("TAG");
    block += Latin1Field(form.Title, 30);
    block += Latin1Field(form.Artist, 30);
    block += Latin1Field(form.Album, 30);
    block += Latin1Field(form.Year, 4);
    if (*track != 0) {
        block += Latin1Field(form.Comment, 28);
        block += '\0';
        block += char(*track);
    } else {
        block += Latin1Field(form.Comment, 30);
    }
    block += char(GenreByte(form.GenreEntry));
    return block;
}

} // namespace velto
