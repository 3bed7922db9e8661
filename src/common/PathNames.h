#pragma once
// Path and name helpers shared by the playlist, skin and cover code.
// Names split at both "/" and "\" so Windows-made playlists and skins work.
#include <QString>
#include <QStringView>

namespace velto {

QString FileExt(const QString& s);  // after the last "."; whole text without one
QString NoExt(const QString& s);    // before the last "."; whole text without one
QString FileOnly(const QString& s); // after the last separator
QStringView FileOnly(QStringView s);
QString PathOnly(const QString& s); // up to and including the last separator; "" without one
QString AddSlash(const QString& s); // s with one trailing separator ("" stays "")
bool IsPic(const QString& s);       // ends in .BMP, .GIF or .JPG, any case
bool FileExists(const QString& s);  // a regular file (or a link to one) is at s
QString NiceName(const QString& s); // display name of a media file

bool IsDirectory(const QString& s);
// True for "http://…", "cdda://4" and the like: kept verbatim, never joined to a folder.
bool HasUrlScheme(const QString& s);
// The exact path when it exists, else the entry of its folder whose name matches
// the last component without regard to case, else the path unchanged.
QString ResolveCaseInsensitive(const QString& path);
// Joins a folder and a name with exactly one "/".
QString JoinPath(const QString& folder, const QString& name);

} // namespace velto
