#pragma once
// Reading and writing the player's text files.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

namespace velto {

// UTF-8 when the bytes are valid UTF-8 (a BOM is dropped), else Windows-1252.
QString DecodeText(const QByteArray& bytes);

// Splits at CR LF, CR alone and LF alone. A final line end adds no empty line.
QStringList SplitLines(const QString& text);
// The same lines as views into `text`, which must outlive them.
std::vector<QStringView> SplitLineViews(QStringView text);

// True when `path` names a regular file, through links. Only such files are
// read as playlists, settings, skins or schedules: a FIFO would block the
// reader and a device such as /dev/zero would never end.
bool IsRegularFile(const QString& path);

// The file's text, or nothing when it cannot be read or is no regular file.
std::optional<QString> ReadText(const QString& path);
// The same, as lines.
std::optional<QStringList> ReadTextLines(const QString& path);

// Writes through a temporary file renamed over the target, so a failed write
// leaves the old file whole. False when anything failed.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace velto
