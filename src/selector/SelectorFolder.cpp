#include "selector/SelectorFolder.h"

#include "common/PathNames.h"
#include "common/PictureFiles.h"
#include "playlist/FolderScan.h"
#include "playlist/PlaylistFiles.h"
#include "trackinfo/CoverPicture.h"

#include <QDir>

namespace velto {

QStringList ListSelectorFolder(const QString& folder, const std::function<bool()>& stop) {
    const QString p = AddSlash(folder);
    QStringList entries;
    if (p.isEmpty()) return entries;
    // Hidden files are left out, as in every listing.
    for (const QString& name : QDir(p).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        if (IsMarker(name)) entries << p + name;
    }
    if (!entries.isEmpty()) return entries;
    for (const PlaylistEntry& found :
         ScanFolder(p, QStringLiteral("M3U PLS"), kMaxPlaylistEntries, {}, stop))
        entries << found.path;
    return entries;
}

bool IsMarker(const QString& path) {
    return path.endsWith(QLatin1String(".DIR"), Qt::CaseInsensitive);
}

QString MarkerFolder(const QString& marker) {
    const QString folder = marker.chopped(std::min<qsizetype>(4, marker.size()));
    return folder.isEmpty() ? folder : ResolveCaseInsensitive(folder);
}

QString EntryPicture(const QString& entry, const QString& defPic) {
    const QString own = FindPic(NoExt(entry));
    return own.isEmpty() ? defPic : own;
}

QImage EntryImage(const QString& entry, const QString& defPic, QSize box) {
    const QString file = EntryPicture(entry, defPic);
    if (file.isEmpty()) return {};
    QImage image = ReadPicture(file, box);
    if (image.isNull() && file != defPic && !defPic.isEmpty()) image = ReadPicture(defPic, box);
    return image;
}

QString PageStatus(int page, int maxPage, int total) {
    return QStringLiteral("Page %1 of %2.  Total Playlists:%3")
        .arg(page + 1)
        .arg(maxPage + 1)
        .arg(total);
}

} // namespace velto
