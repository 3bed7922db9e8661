#include "playlist/PlaylistFiles.h"

#include "common/PathNames.h"
#include "common/TextFiles.h"

#include <QFileInfo>

namespace velto {

namespace {

// Blanks only: tabs belong to the text.
QString trimBlanks(const QString& s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s.at(begin) == u' ')
        ++begin;
    while (end > begin && s.at(end - 1) == u' ')
        --end;
    return (begin == 0 && end == s.size()) ? s : s.mid(begin, end - begin);
}

QString withSlashes(QString s) { return s.replace(u'\\', u'/'); }

// A cheap look for "scheme://" before the full test: most entries are paths.
bool isUrl(const QString& s) {
    const qsizetype colon = s.indexOf(u':');
    return colon >= 2 && QStringView(s).mid(colon, 3) == u"://" && HasUrlScheme(s);
}

// "./" (or ".\") in front of a relative name is where it was: the writer
// adds it to names a reader would otherwise take for a comment.
QString withoutHere(const QString& text) {
    if (text.size() > 2 && text.at(0) == u'.' && (text.at(1) == u'/' || text.at(1) == u'\\'))
        return text.mid(2);
    return text;
}

// `base` is the playlist's folder with its trailing separator.
PlaylistEntry resolveBelow(const QString& written, const QString& base) {
    const QString text = withoutHere(written);
    const QString name = FileOnly(text);
    if (isUrl(text)) {
        QString display = EntryDisplayName(name);
        return {display.isEmpty() ? text : std::move(display), text};
    }
    const qsizetype folderLength = text.size() - name.size(); // with its separator
    QString path;
    if (folderLength >= 2 && text.at(1) == u':') {
        // Written on Windows: kept as written, so it is written back unchanged.
        path = text;
    } else if (folderLength >= 1 && (text.startsWith(u'/') || text.startsWith(u'\\'))) {
        path = withSlashes(text);
    } else if (!text.contains(u'\\')) {
        path = base + text;
    } else {
        path = base + withSlashes(text);
        // A name that really holds a backslash (possible here) keeps it.
        if (!FileExists(path) && FileExists(base + text)) path = base + text;
    }
    return {EntryDisplayName(name), std::move(path)};
}

} // namespace

PlaylistKind KindOfPlaylist(const QString& file) {
    const QString ext = FileExt(file).toUpper();
    if (ext == u"M3U") return PlaylistKind::M3U;
    if (ext == u"PLS") return PlaylistKind::PLS;
    return PlaylistKind::Other;
}

QStringList M3uEntryTexts(const QStringList& lines) {
    QStringList texts;
    texts.reserve(lines.size());
    for (const QString& line : lines) {
        QString text = trimBlanks(line);
        // Headers and #EXTINF information are not entries, nor are empty lines.
        if (text.isEmpty() || text.startsWith(u'#')) continue;
        texts << std::move(text);
    }
    return texts;
}

QStringList PlsEntryTexts(const QStringList& lines) {
    QStringList texts;
    for (const QString& line : lines) {
        const QString text = trimBlanks(line);
        if (!text.startsWith(QStringLiteral("File"))) continue;
        const qsizetype eq = text.indexOf(u'=');
        if (eq < 0) continue;
        QString entry = text.mid(eq + 1);
        if (!entry.isEmpty()) texts << std::move(entry);
    }
    return texts;
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
    std::vector<PlaylistEntry> entries;
    if (kind == PlaylistKind::Other || room <= 0) return entries;
    const QStringList texts =
        kind == PlaylistKind::M3U ? M3uEntryTexts(lines) : PlsEntryTexts(lines);
    const qsizetype n = std::min<qsizetype>(texts.size(), room);
    entries.reserve(static_cast<size_t>(n));
    const QString base = AddSlash(PathOnly(playlistFile));
    for (qsizetype i = 0; i < n; ++i)
        entries.push_back(resolveBelow(texts.at(i), base));
    return entries;
}

std::vector<PlaylistEntry> ReadPlaylistFile(const QString& playlistFile, int room) {
    const PlaylistKind kind = KindOfPlaylist(playlistFile);
    // A pipe would block the player, a device would never end.
    if (kind == PlaylistKind::Other || room <= 0 || !QFileInfo(playlistFile).isFile()) return {};
    const std::optional<QStringList> lines = ReadTextLines(playlistFile);
    if (!lines) return {};
    return PlaylistEntries(*lines, kind, playlistFile, room);
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
