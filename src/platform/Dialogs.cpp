#include "platform/Dialogs.h"

#include <QRegularExpression>
#include <QStringList>

#include <optional>

namespace velto {

namespace {
// The text of a description's closing "(…)" group, or nothing without one.
std::optional<QString> listedPatterns(const QString& description) {
    if (!description.endsWith(u')')) return std::nullopt;
    const qsizetype open = description.lastIndexOf(u'(');
    if (open < 0) return std::nullopt;
    return description.mid(open + 1, description.size() - open - 2);
}

// Patterns apart at ";" and blanks.
QStringList patternsOf(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    return text.split(separators, Qt::SkipEmptyParts);
}

bool sameIgnoringCase(QStringList a, QStringList b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].compare(b[i], Qt::CaseInsensitive) != 0) return false;
    }
    return true;
}
} // namespace

QStringList QtNameFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList written = patternsOf(parts[i + 1]);
        QStringList patterns;
        for (QString p : written) {
            // "*.*" matched every file on the original platform, dotted or not.
            if (p == QStringLiteral("*.*")) p = QStringLiteral("*");
            patterns << p;
        }
        if (patterns.isEmpty()) patterns << QStringLiteral("*");
        QString description = parts[i].trimmed();
        // "Skins (*.skin)|*.skin" already lists its patterns: the group is
        // not added again, only written the way the dialog reads it.
        const std::optional<QString> listed = listedPatterns(description);
        if (listed && sameIgnoringCase(patternsOf(*listed), written))
            description = description.left(description.size() - listed->size() - 2).trimmed();
        result << QStringLiteral("%1 (%2)").arg(description, patterns.join(u' '));
    }
    if (result.isEmpty()) result << QStringLiteral("All files (*)");
    return result;
}

} // namespace velto
