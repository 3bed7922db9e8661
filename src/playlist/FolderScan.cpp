#include "playlist/FolderScan.h"

#include "common/PathNames.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStringList>

namespace velto {

namespace {
// Sorted as users saw listings on the original platform; hidden and system
// entries are left out because the filters do not ask for them.
constexpr QDir::SortFlags kListingOrder = QDir::Name | QDir::IgnoreCase;
} // namespace

bool ExtensionTaken(const QString& fileName, const QString& exts) {
    const QString ext = FileExt(fileName).toUpper();
    return !ext.isEmpty() && exts.toUpper().contains(ext);
}

std::vector<PlaylistEntry> ScanFolder(const QString& start, const QString& exts, int limit,
                                      const std::function<void()>& pump,
                                      const std::function<bool()>& stop) {
    const auto stopped = [&stop] { return stop && stop(); };
    std::vector<PlaylistEntry> found;
    const QString root = AddSlash(start);
    if (root.isEmpty() || limit <= 0) return found;

    // Every folder first, breadth-first; links back up the tree are followed once.
    QStringList folders{root};
    QSet<QString> seen{QFileInfo(root).canonicalFilePath()};
    for (qsizetype i = 0; i < folders.size(); ++i) {
        if (stopped()) return found;
        const QString folder = folders.at(i);
        const QStringList subs =
            QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, kListingOrder);
        for (const QString& name : subs) {
            const QString sub = folder + name + u'/';
            const QString canonical = QFileInfo(sub).canonicalFilePath();
            if (!canonical.isEmpty() && !seen.contains(canonical)) {
                seen.insert(canonical);
                folders << sub;
            }
            if (pump) pump();
        }
    }

    for (const QString& folder : std::as_const(folders)) {
        if (stopped()) return found;
        const QStringList files = QDir(folder).entryList(QDir::Files, kListingOrder);
        for (const QString& name : files) {
            if (ExtensionTaken(name, exts)) {
                found.push_back({NiceName(NoExt(name)), folder + name});
                if (static_cast<int>(found.size()) >= limit) return found;
            }
            if (pump) pump();
        }
    }
    return found;
}

} // namespace velto
