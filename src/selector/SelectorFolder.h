#pragma once
// What the Visual Playlist Selector lists in a folder, and the picture of each entry.
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

namespace velto {

// Entries per page: a 4 x 4 grid.
inline constexpr int kSelectorPage = 16;

// The ".DIR" marker files directly in `folder` (any case of ".DIR"), each
// standing for a sub-folder; when there are none, the M3U and PLS playlists
// of the folder and its sub-folders, level by level. Full paths, sorted by
// name without regard to case. Ends early, with what it has, once `stop` says so.
QStringList ListSelectorFolder(const QString& folder, const std::function<bool()>& stop = {});

// True for a name ending in ".DIR", any case.
bool IsMarker(const QString& path);
// The folder a marker stands for: its path without ".DIR", matched without
// regard to case when that exact folder does not exist.
QString MarkerFolder(const QString& marker);

// The picture file of an entry: FindPic of its path without extension, else
// `defPic` (which may be empty).
QString EntryPicture(const QString& entry, const QString& defPic);
// That picture decoded to fit `box`; `defPic` stands in for one that cannot
// be decoded. Null when there is none.
QImage EntryImage(const QString& entry, const QString& defPic, QSize box);

// "Page N of M.  Total Playlists:T" for 0-based page `page`, last page
// index `maxPage` and `total` entries.
QString PageStatus(int page, int maxPage, int total);

} // namespace velto
