#include "playlist/PlaylistFiles.h"

#include "common/PathNames.h"
#include "common/TextFiles.h"

#include <QFileInfo>

#include <algorithm>

namespace velto {

namespace {

// Blanks only: tabs belong to the text.
QStringView trimBlanks(QStringView s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s.at(begin) == u' ')
        ++begin;
    while (end > begin && s.at(end - 1) == u' ')
        --end;
    return s.mid(begin, end - begin);
}

QString withSlashes(QString s) { return s.replace(u'\\', u'/'); }

// A cheap look for "scheme://" before the full test: most entries are paths.
bool isUrl(QStringView s) {
    const qsizetype colon = s.indexOf(u':');
    return colon >= 2 && s.mid(colon, 3) == u"://" && HasUrlScheme(s.toString());
}

// "./" (or ".\") in front of a relative name is where it was: the writer
// adds it to names a reader would otherwise take for a comment.
QStringView withoutHere(QStringView text) {
    if (text.size() > 2 && text.at(0) == u'.' && (text.at(1) == u'/' || text.at(1) == u'\\'))
        return text.mid(2);
    return text;
}

// `base` is the playlist's folder with its trailing separator. A list of
// thousands is read as the window opens: each entry makes its path and name
// and nothing else.
PlaylistEntry resolveBelow(QStringView written, const QString& base) {
    const QStringView text = withoutHere(written);
    const QString name = FileOnly(text).toString();
    if (isUrl(text)) {
        QString display = EntryDisplayName(name);
        return {display.isEmpty() ? text.toString() : std::move(display), text.toString()};
    }
    const qsizetype folderLength = text.size() - name.size(); // with its separator
    QString path;
    if (folderLength >= 2 && text.at(1) == u':') {
        // Written on Windows: kept as written, so it is written back unchanged.
        path = text.toString();
    } else if (folderLength >= 1 && (text.startsWith(u'/') || text.startsWith(u'\\'))) {
        path = withSlashes(text.toString());
    } else if (!text.contains(u'\\')) {
        path.reserve(base.size() + text.size());
        path.append(base).append(text);
    } else {
        path = base + withSlashes(text.toString());
        // A name that really holds a backslash (possible here) keeps it.
        if (const QString asWritten = base + text.toString();
            !FileExists(path) && FileExists(asWritten))
            path = asWritten;
    }
    return {EntryDisplayName(name), std::move(path)};
}

std::vector<QStringView> m3uEntryViews(const std::vector<QStringView>& lines) {
    std::vector<QStringView> texts;
    texts.reserve(lines.size());
    for (const QStringView line : lines) {
        const QStringView text = trimBlanks(line);
        // Headers and #EXTINF information are not entries, nor are empty lines.
        if (text.isEmpty() || text.startsWith(u'#')) continue;
        texts.push_back(text);
    }
    return texts;
}

std::vector<QStringView> plsEntryViews(const std::vector<QStringView>& lines) {
    std::vector<QStringView> texts;
    for (const QStringView line : lines) {
        const QStringView text = trimBlanks(line);
        if (!text.startsWith(u"File")) continue;
        const qsizetype eq = text.indexOf(u'=');
        if (eq < 0) continue;
        if (const QStringView entry = text.mid(eq + 1); !entry.isEmpty()) texts.push_back(entry);
    }
    return texts;
}

std::vector<QStringView> viewsOf(const QStringList& lines) {
    return std::vector<QStringView>(lines.cbegin(), lines.cend());
}

QStringList listOf(const std::vector<QStringView>& views) {
    QStringList list;
    list.reserve(qsizetype(views.size()));
    for (const QStringView view : views)
        list << view.toString();
    return list;
}

std::vector<PlaylistEntry> entriesOf(const std::vector<QStringView>& lines, PlaylistKind kind,
                                     const QString& playlistFile, int room) {
    std::vector<PlaylistEntry> entries;
    if (kind == PlaylistKind::Other || room <= 0) return entries;
    const std::vector<QStringView> texts =
        kind == PlaylistKind::M3U ? m3uEntryViews(lines) : plsEntryViews(lines);
    const size_t n = std::min(texts.size(), size_t(room));
    entries.reserve(n);
    const QString base = AddSlash(PathOnly(playlistFile));
    for (size_t i = 0; i < n; ++i)
        entries.push_back(resolveBelow(texts[i], base));
    return entries;
}

} // namespace

PlaylistKind KindOfPlaylist(const QString& file) {
    const QString ext = FileExt(file).toUpper();
    if (ext == u"M3U") return PlaylistKind::M3U;
    if (ext == u"PLS") return PlaylistKind::PLS;
    return PlaylistKind::Other;
}

QStringList M3uEntryTexts(const QStringList& lines) {
    return listOf(m3uEntryViews(viewsOf(lines)));
}

QStringList PlsEntryTexts(const QStringList& lines) {
    return listOf(plsEntryViews(viewsOf(lines)));
}

QString EntryDisplayName(const QString& fileName) {
    QString name = NiceName(fileName);
    if (IsPic(fileName)) name += QStringLiteral(" (picture)");
    return name;
}

PlaylistEntry ResolveEntry(const QString& text, const QString& playlistFile) {
    return resolveBelow(text, AddSlash(PathOnly(playlistFile)));
}

std::vector<PlaylistEntry> PlaylistEntries(const QStringList& lines, PlaylistKind kind,
                                           const QString& playlistFile, int room) {
    return entriesOf(viewsOf(lines), kind, playlistFile, room);
}

std::vector<PlaylistEntry> ReadPlaylistFile(const QString& playlistFile, int room) {
    const PlaylistKind kind = KindOfPlaylist(playlistFile);
    // A pipe would block the player, a device would never end.
    if (kind == PlaylistKind::Other || room <= 0 || !QFileInfo(playlistFile).isFile()) return {};
    const std::optional<QString> text = ReadText(playlistFile);
    if (!text) return {};
    return entriesOf(SplitLineViews(*text), kind, playlistFile, room);
}

QByteArray M3uText(const PlaylistModel& model, const QString& playlistFile) {
    const QString folder = PathOnly(playlistFile);
    QString text;
    text.reserve(model.Count() * 64);
    for (int i = 0; i < model.Count(); ++i) {
        const QString& path = model.At(i).path;
        if (path.isEmpty() || path.contains(QStringLiteral("**"))) continue;
        if (!folder.isEmpty() && path.startsWith(folder, Qt::CaseSensitive) && !isUrl(path)) {
            const QStringView relative = QStringView(path).mid(folder.size());
            // Read back, "#1 Hit.mp3" would be a comment and " a.mp3" would lose its blank.
            if (relative.startsWith(u'#') || relative.startsWith(u' '))
                text += QStringLiteral("./");
            text += relative;
        } else {
            text += path;
        }
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

} // namespace velto
