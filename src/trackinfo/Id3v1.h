#pragma once
// The ID3v1.1 tag: the last 128 bytes of an MPEG file, beginning "TAG". Its
// text fields are Latin-1.
#include "state/TagInfo.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace velto {

constexpr qint64 kId3v1Size = 128;

// The fields a file without a tag reads as: blank texts, track 0, genre byte
// 80 (shown "Unknown").
TagFields NoTagFields();

// The fields of a tag block: exactly 128 bytes beginning with "TAG". The track
// is byte 126 only when byte 125 is 0 (ID3v1.1, comment of 28 bytes); otherwise
// the track is 0 and the comment has 30 bytes.
std::optional<TagFields> ParseId3v1(QByteArrayView block);

// The tag that ends `fileEnd` (the last bytes of a file), or NoTagFields().
TagFields TagAtEnd(QByteArrayView fileEnd);

// What the Track Info window shows and the user edits.
struct TagForm {
    QString Title, Artist, Album, Year, Comment;
    QString Track;      // "07"; saved as a whole number 0..255, empty meaning 0
    int GenreEntry = 0; // combo entry: 0 "Unknown", 1..80 the genres, -1 none
};

// A tag field as shown: up to its first NUL, without leading and trailing blanks.
QString TagFieldText(const QString& field);
// The track as at least two digits: "00", "07", "123".
QString TrackText(int track);
// The window's texts for the fields.
TagForm TagFormOf(const TagFields& tag);

// The track number of the window's text: a whole number from 0 to 255, blanks
// around it allowed, empty meaning 0; nothing for anything else.
std::optional<int> TrackNumber(const QString& text);

// `text` as `length` Latin-1 bytes, cut or padded with blanks; a character
// Latin-1 cannot hold becomes "?".
QByteArray Latin1Field(const QString& text, int length);

// The 128 bytes of the tag for the window's fields, ID3v1.1 when the track is
// not 0 (comment of 28 characters, byte 125 zero), else with a comment of 30;
// nothing when the track text is not a number from 0 to 255.
std::optional<QByteArray> Id3v1Block(const TagForm& form);

} // namespace velto
