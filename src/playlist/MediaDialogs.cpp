#include "playlist/MediaDialogs.h"

#include "common/PathNames.h"
#include "platform/Dialogs.h"
#include "playlist/FolderScan.h"
#include "playlist/PlaylistEditor.h"
#include "skin/Display.h"
#include "state/Elements.h"
#include "state/Notify.h"
#include "state/PlayerState.h"

namespace velto {

const QString kOpenMediaFilter = QStringLiteral(
    "All Velto Playable Files|*.MP?;*.MPEG;*.DAT;*.WAV;*.AU;*.MID;*.RMI;*.AIF?;*.MOV;*.QT;*.AVI;"
    "*.M1V;*.RA;*.RAM;*.RM;*.RMM;*.MOD;*.MTM;*FAR;*.669;*.OKT;*.STM;*.S3M;*.NST;*.WOW;*.XM;*.BMP;"
    "*.JPG;*.GIF;*.PLS;*.M3U |Audio Files|*.MP?;*.NAT;*.WAV;*.AU;*.MID;*.RMI;*.AIF?;*.RA;*.RAM;"
    "*.RM|Video Files|*.MPEG;*.DAT;*.MOV;*.QT;*.AVI;*.M1V;*.RMM|Audio Modules Files|*.MOD;*.MTM;"
    "*FAR;*.669;*.OKT;*.STM;*.S3M;*.NST;*.WOW;*.XM|Graphics Files|*.BMP;*.GIF;*.JPG|Playlists|"
    "*.M3U;*.PLS|All Files|*.*");

namespace {
const QString kLoadFilter = QStringLiteral("MP3 Playlists (*.M3U)|*.M3U|Playlists (*.PLS)|*.PLS");
const QString kSaveFilter = QStringLiteral("MP3 Playlists (*.M3U)|*.M3U");
} // namespace

void MediaDialogs::RememberFolder(const QString& folder) {
    s_.settings.Path = folder;
    s_.settings.SavePath(store_);
}

QString MediaDialogs::AskPlaylist(const QString& title, const QString& filter, bool save) {
    const auto chosen = AskForFile(
        dialogs_,
        {.title = title, .filter = filter, .initialFolder = s_.settings.Path, .save = save});
    if (!chosen) return QString();
    RememberFolder(PathOnly(chosen->fileName));
    return chosen->fileName;
}

void MediaDialogs::PlLoad() {
    const QString file = AskPlaylist(QStringLiteral("Load Playlist"), kLoadFilter, false);
    if (file.isEmpty()) return;
    if (s_.settings.ClearPLFirst == 1) editor_.PlClear();
    editor_.PlRead(file);
    if (s_.settings.AutoPlay == 1) {
        s_.TNum = 1;
        commands_.PlayIt();
    }
}

void MediaDialogs::PlSave() {
    const QString file = AskPlaylist(QStringLiteral("Save Playlist"), kSaveFilter, true);
    if (file.isEmpty()) return;
    // The title names the file only when the playlist really is in it.
    if (editor_.WritePL(file)) display_.ShowCaption(lbl::PlaylistTitle, NiceName(file));
}

void MediaDialogs::OpenMedia() {
    s_.AddName.clear();
    if (openFilterIndex_ == 0) openFilterIndex_ = 1;
    const auto chosen = AskForFile(dialogs_, {.title = QStringLiteral("Open Media file"),
                                              .filter = kOpenMediaFilter,
                                              .initialFolder = s_.settings.Path,
                                              .filterIndex = openFilterIndex_});
    if (!chosen) return;
    openFilterIndex_ = chosen->filterIndex;
    const QString path = chosen->fileName;
    const QString name = chosen->fileTitle.isEmpty() ? FileOnly(path) : chosen->fileTitle;
    s_.AddName = name;
    s_.AddTitle = NiceName(name);
    s_.AddPath = path;
    RememberFolder(path.endsWith(name) ? path.left(path.size() - name.size()) : PathOnly(path));
}

void MediaDialogs::AddFromDir() {
    const QString folder = BrowseFolder(QStringLiteral("Select Directory containing Media Files:"));
    if (folder.isEmpty()) return;
    editor_.ScanDir(folder, ExtensionsInForce(s_.settings.ValidExt));
    // The count would otherwise stay behind until the next change.
    editor_.ShowPlCount();
}

void MediaDialogs::OpenPlay() {
    OpenMedia();
    if (s_.AddName.isEmpty()) return;
    editor_.PlClear();
    editor_.PlAdd();
    s_.TNum = 1;
    commands_.PlayIt();
}

QString MediaDialogs::BrowseFolder(const QString& title) {
    const auto folder = dialogs_.BrowseFolder(title, s_.settings.Path);
    return folder ? AddSlash(*folder) : QString();
}

} // namespace velto
