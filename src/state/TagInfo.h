#pragma once
// The ID3v1 fields of the last MPEG track started: what the Track Info window
// shows and the cover lookup uses. Texts are as read (blank padded, cut at 30).
#include <QString>

namespace velto {

struct TagFields {
    QString Title, Artist, Album, Year, Comment;
    int Track = 0; // the track byte, 0..255
    int Genre = 0; // the genre byte, 0..255
};

} // namespace velto
