#include "playlist/MediaDialogs.h"

#include "app/Player.h"
#include "common/PathNames.h"
#include "platform/Dialogs.h"
#include "playlist/FolderScan.h"
#include "playlist/PlaylistEditor.h"

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
constexpr int kTitleField = 14;
} // namespace

void MediaDialogs::RememberFolder(const QString& folder) {
    player_.settings.Path = folder;
    player_.settings.SavePath(player_.store);
}

void MediaDialogs::PlLoad() {
    FileDialogRequest request;
    request.title = QStringLiteral("Load Playlist");
    request.filter = kLoadFilter;
    request.initialFolder = player_.settings.Path;
    const auto chosen = player_.dialogs.ShowFileDialog(request);
    if (!chosen || chosen->fileName.isEmpty()) return;
    const QString file = chosen->fileName;
    RememberFolder(PathOnly(file));
    if (player_.settings.ClearPLFirst == 1) player_.PlClear();
    player_.PlRead(file);
    if (player_.settings.AutoPlay == 1) {
        player_.TNum = 1;
        player_.PlayIt();
    }
}

void MediaDialogs::PlSave() {
    FileDialogRequest request;
    request.title = QStringLiteral("Save Playlist");
    request.filter = kSaveFilter;
    request.initialFolder = player_.settings.Path;
    request.save = true;
    const auto chosen = player_.dialogs.ShowFileDialog(request);
    if (!chosen || chosen->fileName.isEmpty()) return;
    const QString file = chosen->fileName;
    RememberFolder(PathOnly(file));
    // The title names the file only when the playlist really is in it.
    if (player_.WritePL(file)) ShowCaption(player_, kTitleField, NiceName(file));
}

void MediaDialogs::OpenMedia() {
    player_.AddName.clear();
    if (openFilterIndex_ == 0) openFilterIndex_ = 1;
    FileDialogRequest request;
    request.title = QStringLiteral("Open Media file");
    request.filter = kOpenMediaFilter;
    request.initialFolder = player_.settings.Path;
    request.filterIndex = openFilterIndex_;
    const auto chosen = player_.dialogs.ShowFileDialog(request);
    if (!chosen || chosen->fileName.isEmpty()) return;
    openFilterIndex_ = chosen->filterIndex;
    const QString path = chosen->fileName;
    const QString name = chosen->fileTitle.isEmpty() ? FileOnly(path) : chosen->fileTitle;
    player_.AddName = name;
    player_.AddTitle = NiceName(name);
    player_.AddPath = path;
    RememberFolder(path.endsWith(name) ? path.left(path.size() - name.size()) : PathOnly(path));
}

void MediaDialogs::AddFromDir() {
    const QString folder = BrowseFolder(QStringLiteral("Select Directory containing Media Files:"));
    if (folder.isEmpty()) return;
    player_.ScanDir(folder, ExtensionsInForce(player_.settings.ValidExt));
    // The count would otherwise stay behind until the next change.
    player_.ShowPlCount();
}

QString MediaDialogs::BrowseFolder(const QString& title) {
    const auto folder = player_.dialogs.BrowseFolder(title, player_.settings.Path);
    return folder ? AddSlash(*folder) : QString();
}

} // namespace velto
