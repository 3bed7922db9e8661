#pragma once
// "autolist.txt": the schedule between runs, one entry per line.
#include <QString>
#include <QStringList>

#include <optional>

namespace velto {

// The entries of the file at path, in order: lines ended by CR LF, LF or CR,
// blank lines skipped, the others kept as they are. An empty list when there
// is no regular file there (missing, a folder, a pipe). Nothing when a file
// is there but cannot be read: the caller should then not save over it.
std::optional<QStringList> ReadAutoList(const QString& path);
// The entries of the file's lines: the lines that are not blank.
QStringList AutoListEntries(const QStringList& lines);

// Replaces the file with the entries, each ended by CR LF. False when the
// write failed; the old file is then left whole.
bool WriteAutoList(const QString& path, const QStringList& entries);

} // namespace velto
