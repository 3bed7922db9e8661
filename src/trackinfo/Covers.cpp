#include "trackinfo/Covers.h"

#include "common/PathNames.h"
#include "common/PictureFiles.h"
#include "platform/AlbumWindow.h"
#include "platform/Dialogs.h"
#include "platform/Folders.h"
#include "state/Notify.h"
#include "state/PlayerState.h"
#include "trackinfo/CoverPicture.h"
#include "trackinfo/CoverSearch.h"
#include "trackinfo/EmbeddedPicture.h"

namespace velto {

namespace {
const QSize kAlbumBox(Covers::kAlbumPictureSide, Covers::kAlbumPictureSide);
}

void Covers::LoadCover(const QString& A) {
    if (A == lastShown_ || s_.OptionsVisible) return;
    if (A.isEmpty()) {
        ClearShown(true);
        return;
    }
    // A picture file is shown as it is. Anything else is a base name, so
    // "Vol.2/Party" and "Mr. Big" find their pictures; that includes a
    // playlist without an extension, whose "base name" is the playlist itself.
    QString f = IsFile(A) ? A : QString();
    if (f.isEmpty() || !HasPictureExtension(A)) {
        if (QString found = FindPic(A); !found.isEmpty()) f = found;
    }
    if (f.isEmpty()) {
        ClearShown(true);
        return;
    }
    if (f == lastShown_) return;
    Show(f, [&f](QSize box) { return ReadPicture(f, box); });
}

void Covers::LoadTagCover(const QString& Path, const QString& Artist, const QString& Album) {
    if (s_.OptionsVisible) return;
    QString cover = FindTagPicture(Path, Artist, Album);
    if (cover.isEmpty()) cover = FindFolderPicture(Path);
    if (!cover.isEmpty()) {
        LoadCover(cover);
        return;
    }
    // The picture inside the playing file, kept in memory only.
    const QString song = s_.SongPath;
    if (!song.isEmpty() && PathOnly(song) == AddSlash(Path)) {
        const QString key = EmbeddedPictureKey(song);
        if (key == lastShown_) return;
        if (const auto bytes = EmbeddedPicture(song)) {
            if (Show(key, [&bytes](QSize box) { return DecodePicture(*bytes, box); })) return;
        }
    }
    LoadCover(ResolveCaseInsensitive(JoinPath(folders_.program, QStringLiteral("nocover.bmp"))));
}

void Covers::SelectCover() {
    FileDialogRequest request;
    request.title = QStringLiteral("Select Cover");
    request.filter = QStringLiteral("Bitmap|*.gif;*.bmp;*.jpg");
    request.filterIndex = 1;
    const auto chosen = dialogs_.ShowFileDialog(request);
    if (!chosen || chosen->fileName.isEmpty()) return;
    LoadCover(chosen->fileName);
}

void Covers::AlbumToggle() {
    if (AlbumWindow* album = Album(true)) album->SetVisible(!album->IsVisible());
}

void Covers::Clear() { ClearShown(false); }

bool Covers::Show(const QString& key, const std::function<QImage(QSize)>& decode) {
    const CoverElement& area = s_.surface.iCover;
    const bool inSkin = area.visible && !area.rect.isEmpty();
    const QImage picture = decode(inSkin ? area.rect.size() : kAlbumBox);
    if (picture.isNull()) {
        ClearShown(true);
        return false;
    }
    s_.surface.iCover.picture = picture;
    if (!inSkin) {
        if (AlbumWindow* album = Album(true)) {
            album->SetPicture(picture);
            album->SetVisible(true);
        }
    }
    lastShown_ = key;
    repaint_.Repaint();
    return true;
}

void Covers::ClearShown(bool hideAlbum) {
    s_.surface.iCover.picture = QImage();
    if (AlbumWindow* album = Album(false)) {
        album->SetPicture(QImage());
        if (hideAlbum) album->SetVisible(false);
    }
    lastShown_.clear();
    repaint_.Repaint();
}

AlbumWindow* Covers::Album(bool showLastCover) {
    if (!album_) return nullptr;
    if (!albumLoaded_) {
        albumLoaded_ = true;
        // Created now: it opens with the cover the settings name. A clear
        // would only remove it again.
        if (showLastCover && IsFile(s_.settings.LastCover))
            album_->SetPicture(ReadPicture(s_.settings.LastCover, kAlbumBox));
    }
    return album_;
}

} // namespace velto
