#include "trackinfo/CoverSearch.h"

#include "common/PathNames.h"
#include "common/PictureFiles.h"
#include "trackinfo/Id3v1.h"

#include <QStringList>

namespace velto {

QString FindTagPicture(const QString& folder, const QString& artist, const QString& album) {
    const QString D = AddSlash(folder);
    const QString ar = TagFieldText(artist);
    const QString al = TagFieldText(album);
    QString cover;
    const auto tryName = [&](const QString& base) {
        if (QString found = FindPic(D + base); !found.isEmpty()) cover = found;
    };
    if (!al.isEmpty()) tryName(al);
    if (!ar.isEmpty()) {
        tryName(ar + u'-' + al);
        tryName(ar + QStringLiteral(" - ") + al);
    }
    return cover;
}

QString FindFolderPicture(const QString& folder) {
    static const QStringList stems = {"cover", "folder", "front", "albumart"};
    static const QStringList exts = {"jpg", "jpeg", "png", "bmp", "gif"};
    if (folder.isEmpty()) return {};
    const FolderFiles files(AddSlash(folder));
    QString best;
    qsizetype bestRank = -1;
    for (const QString& name : files.Names()) {
        const qsizetype dot = name.lastIndexOf(u'.');
        if (dot <= 0) continue;
        const qsizetype stem = stems.indexOf(name.left(dot).toLower());
        const qsizetype ext = exts.indexOf(name.mid(dot + 1).toLower());
        if (stem < 0 || ext < 0) continue;
        const qsizetype rank = stem * exts.size() + ext;
        if (bestRank < 0 || rank < bestRank) {
            bestRank = rank;
            best = files.PathOf(name);
        }
    }
    return best;
}

} // namespace velto
