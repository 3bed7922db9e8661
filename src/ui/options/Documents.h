#pragma once
// The documents the options dialog shows, from the program folder.
#include <QString>
#include <QStringList>

namespace velto {

// In the order of the viewer's buttons: guide, readme, skins, credits.
inline const QStringList kDocumentFiles = {
    QStringLiteral("Velto.txt"), QStringLiteral("readme.txt"), QStringLiteral("skins.txt"),
    QStringLiteral("credits.txt")};

inline const QString kNoDocument = QStringLiteral("Could not open file!");

// The whole text of the document `name` in `folder` (an exact name first,
// else the same name in another case), with LF line ends; kNoDocument when it
// is missing, unreadable or not a regular file (a pipe would never end).
QString ReadDocument(const QString& folder, const QString& name);

} // namespace velto
