#pragma once
// Finding a track's cover picture by name in its folder.
#include <QString>

namespace velto {

// The artist/album picture in `folder`: FindPic of album, then of
// artist & "-" & album, then of artist & " - " & album, the later match
// winning. Artist and album are tag fields: cut at a NUL, blanks trimmed; an
// empty album skips the first name, an empty artist the other two. Empty when
// nothing is found.
QString FindTagPicture(const QString& folder, const QString& artist, const QString& album);

// The folder's own cover picture: cover, folder, front or albumart (preferred
// in that order), in any case, with .jpg, .jpeg, .png, .bmp or .gif. Empty
// when there is none.
QString FindFolderPicture(const QString& folder);

} // namespace velto
