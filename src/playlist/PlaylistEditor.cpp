#include "playlist/PlaylistEditor.h"

#include "common/Numbers.h"
#include "common/PathNames.h"
#include "common/TextFiles.h"
#include "platform/Dialogs.h"
#include "playlist/FolderScan.h"
#include "playlist/PlaylistFiles.h"
#include "skin/Display.h"
#include "state/Elements.h"
#include "state/Notify.h"
#include "state/PlayerState.h"
#include "trackinfo/Covers.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace velto {

namespace {
constexpr int kDeleteKey = 46;

int roomLeft(const PlaylistModel& model) { return kMaxPlaylistEntries - model.Count(); }

// A relative name (from the command line) would mean another file once the
// working folder changes, and would be written relative to the wrong folder.
QString absoluteWhenLocal(const QString& path) {
    if (HasUrlScheme(path) || (!FileExists(path) && !IsDirectory(path))) return path;
    const QFileInfo info(path);
    return info.isRelative() ? info.absoluteFilePath() : path;
}
} // namespace

void PlaylistEditor::PlAdd() {
    PlayerState& p = s_;
    if (!p.AddName.isEmpty()) {
        const QString path = absoluteWhenLocal(p.AddPath);
        if (KindOfPlaylist(path) != PlaylistKind::Other) {
            PlRead(path);
        } else if (IsDirectory(path)) {
            ScanDir(path, ExtensionsInForce(p.settings.ValidExt));
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
    PlaylistModel& model = s_.playlist;
    if (index >= 0 && index < model.Count()) {
        model.RemoveAt(index);
        // The entry that moved into the place, or the new last one.
        model.SetSelection(std::min(index, model.Count() - 1));
    }
    ShowPlCount();
}

void PlaylistEditor::PlDelSel() { PlDelEntry(s_.playlist.Selection()); }

void PlaylistEditor::PlMoveEntry(int D) {
    PlaylistModel& model = s_.playlist;
    const int i = model.Selection();
    const int j = i + D;
    if (i < 0 || j < 0 || j >= model.Count()) return;
    model.Swap(i, j);
    model.SetSelection(j);
}

void PlaylistEditor::PlClear() {
    s_.playlist.Clear();
    s_.TNum = 1;
    // Forget the shown cover, so the same picture shows again after a reload.
    covers_.Clear();
    display_.ShowCaption(lbl::PlaylistTitle, QStringLiteral("untitled"));
    ShowPlCount();
}

void PlaylistEditor::ShowPlCount() {
    display_.ShowCaption(lbl::PlaylistCount, BlankPrefixed(s_.playlist.Count()));
}

void PlaylistEditor::PlNames_DblClick() {
    const int selection = s_.playlist.Selection();
    if (selection < 0) return;
    s_.TNum = static_cast<int16_t>(selection + 1);
    commands_.PlayIt();
}

void PlaylistEditor::PlNames_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode == kDeleteKey) PlDelEntry(s_.playlist.Selection());
}

void PlaylistEditor::PlRead(const QString& file) {
    display_.ShowCaption(lbl::PlaylistTitle, NiceName(file));
    covers_.LoadCover(NoExt(file));
    s_.playlist.Append(ReadPlaylistFile(file, roomLeft(s_.playlist)));
    // Callers that clear first (the playlist selector) would otherwise show " 0".
    ShowPlCount();
}

bool PlaylistEditor::WritePL(const QString& file) {
    if (WriteFileAtomically(file, M3uText(s_.playlist, file))) return true;
    dialogs_.Message(QStringLiteral("Unable to write Playlist! Is the file read-only?"));
    return false;
}

void PlaylistEditor::ScanDir(const QString& start, const QString& exts) {
    const auto pump = [] {
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
    };
    std::vector<PlaylistEntry> found = ScanFolder(start, exts, roomLeft(s_.playlist), pump);
    // The list may have changed while events ran during the scan.
    const int room = std::max(0, roomLeft(s_.playlist));
    if (static_cast<int>(found.size()) > room) found.resize(static_cast<size_t>(room));
    s_.playlist.Append(std::move(found));
}

void PlaylistEditor::AddDropped(const QStringList& paths) {
    for (const QString& path : paths) {
        if (path.isEmpty()) continue;
        s_.AddName = path;
        s_.AddPath = path;
        s_.AddTitle = NiceName(path);
        PlAdd();
    }
}

} // namespace velto
