#include "playlist/PlaylistEditor.h"

#include "app/Player.h"
#include "common/Numbers.h"
#include "common/PathNames.h"
#include "common/TextFiles.h"
#include "platform/Dialogs.h"
#include "platform/MainWindow.h"
#include "playlist/FolderScan.h"
#include "playlist/PlaylistFiles.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace velto {

namespace {
constexpr int kTitleField = 14;
constexpr int kCountField = 16;
constexpr int kDeleteKey = 46;

int roomLeft(const PlaylistModel& model) {
    return kMaxPlaylistEntries - model.Count();
}

// A relative name (from the command line) would mean another file once the
// working folder changes, and would be written relative to the wrong folder.
QString absoluteWhenLocal(const QString& path) {
    if (HasUrlScheme(path) || !FileExists(path)) return path;
    const QFileInfo info(path);
    return info.isRelative() ? info.absoluteFilePath() : path;
}
} // namespace

void ShowCaption(Player& player, int field, const QString& text) {
    QString& caption = player.surface.Lbl.at(static_cast<size_t>(field)).caption;
    if (caption == text) return;
    caption = text;
    player.Repaint();
}

void PlaylistEditor::PlAdd() {
    Player& p = player_;
    if (!p.AddName.isEmpty()) {
        const QString path = absoluteWhenLocal(p.AddPath);
        if (KindOfPlaylist(path) != PlaylistKind::Other) {
            p.PlRead(path);
        } else if (IsDirectory(path)) {
            p.ScanDir(path, ExtensionsInForce(p.settings.ValidExt));
        } else if (roomLeft(p.playlist) > 0) {
            QString title = p.AddTitle;
            if (IsPic(path)) title += QStringLiteral(" (picture)");
            p.playlist.Append({PlaylistEntry{title, path}});
            if (p.TNum == 0) p.TNum = 1;
        }
    }
    ShowPlCount();
}

void PlaylistEditor::PlDelEntry(int index) {
    PlaylistModel& model = player_.playlist;
    if (index >= 0 && index < model.Count()) {
        model.RemoveAt(index);
        // The entry that moved into the place, or the new last one.
        model.SetSelection(std::min(index, model.Count() - 1));
    }
    ShowPlCount();
}

void PlaylistEditor::PlDelSel() {
    PlDelEntry(player_.playlist.Selection());
}

void PlaylistEditor::PlMoveEntry(int D) {
    PlaylistModel& model = player_.playlist;
    const int i = model.Selection();
    const int j = i + D;
    if (i < 0 || j < 0 || j >= model.Count()) return;
    model.Swap(i, j);
    model.SetSelection(j);
}

void PlaylistEditor::PlClear() {
    player_.playlist.Clear();
    player_.TNum = 1;
    // Forget the shown cover, so the same picture shows again after a reload.
    player_.surface.iCover.picture = QImage();
    player_.LoadCover(QString());
    ShowCaption(player_, kTitleField, QStringLiteral("untitled"));
    ShowPlCount();
}

void PlaylistEditor::ShowPlCount() {
    ShowCaption(player_, kCountField, BlankPrefixed(player_.playlist.Count()));
}

void PlaylistEditor::PlNames_DblClick() {
    const int selection = player_.playlist.Selection();
    if (selection < 0) return;
    player_.TNum = static_cast<int16_t>(selection + 1);
    player_.PlayIt();
}

void PlaylistEditor::PlNames_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode == kDeleteKey) PlDelEntry(player_.playlist.Selection());
}

void PlaylistEditor::PlRead(const QString& file) {
    ShowCaption(player_, kTitleField, NiceName(file));
    player_.LoadCover(NoExt(file));
    player_.playlist.Append(ReadPlaylistFile(file, roomLeft(player_.playlist)));
    // Callers that clear first (the playlist selector) would otherwise show " 0".
    ShowPlCount();
}

bool PlaylistEditor::WritePL(const QString& file) {
    if (WriteFileAtomically(file, M3uText(player_.playlist, file))) return true;
    player_.dialogs.Message(QStringLiteral("Unable to write Playlist! Is the file read-only?"));
    return false;
}

void PlaylistEditor::ScanDir(const QString& start, const QString& exts) {
    const auto pump = [] {
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
    };
    std::vector<PlaylistEntry> found = ScanFolder(start, exts, roomLeft(player_.playlist), pump);
    // The list may have changed while events ran during the scan.
    const int room = std::max(0, roomLeft(player_.playlist));
    if (static_cast<int>(found.size()) > room) found.resize(static_cast<size_t>(room));
    player_.playlist.Append(std::move(found));
}

} // namespace velto
