#include "platform/Dialogs.h"

#include <QStringList>

namespace velto {

QStringList QtNameFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (QString p : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            p = p.trimmed();
            // "*.*" matched every file on the original platform, dotted or not.
            if (p == QStringLiteral("*.*")) p = QStringLiteral("*");
            if (!p.isEmpty()) patterns << p;
        }
        if (patterns.isEmpty()) patterns << QStringLiteral("*");
        result << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patterns.join(u' '));
    }
    if (result.isEmpty()) result << QStringLiteral("All files (*)");
    return result;
}

} // namespace velto
