#include "scheduler/AutoListFile.h"

#include "common/TextFiles.h"

#include <QFileInfo>

namespace velto {

std::optional<QStringList> ReadAutoList(const QString& path) {
    // Opening a pipe would block the start-up until something writes to it.
    if (!QFileInfo(path).isFile()) return QStringList();
    const std::optional<QStringList> lines = ReadTextLines(path);
    if (!lines) return std::nullopt;
    return AutoListEntries(*lines);
}

QStringList AutoListEntries(const QStringList& lines) {
    QStringList entries;
    for (const QString& line : lines)
        if (!line.trimmed().isEmpty()) entries << line;
    return entries;
}

bool WriteAutoList(const QString& path, const QStringList& entries) {
    QString text;
    for (const QString& e : entries)
        text += e + QStringLiteral("\r\n");
    return WriteFileAtomically(path, text.toUtf8());
}

} // namespace velto
