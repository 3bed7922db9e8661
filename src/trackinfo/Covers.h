#pragma once
// Cover pictures: the skin's cover area and the Now Playing window. The last
// shown cover is remembered, so asking for it again does nothing.
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

namespace velto {

class AlbumWindow;
class Dialogs;
class Repainter;
struct Folders;
struct PlayerState;

class Covers {
public:
    // `album` (the Now Playing window) may be null: covers then go to the
    // skin's cover area only.
    Covers(PlayerState& state, Repainter& repaint, Dialogs& dialogs, const Folders& folders,
           AlbumWindow* album)
        : s_(state), repaint_(repaint), dialogs_(dialogs), folders_(folders), album_(album) {}

    // Shows a picture: `A` is a picture file when it names an existing one,
    // otherwise a base name for FindPic; empty, missing or undecodable clears
    // the cover. Nothing changes while the options dialog is open.
    void LoadCover(const QString& A);
    // Shows the artist/album picture of folder Path, else the folder's own
    // cover picture, else the picture inside the playing file, else nocover.bmp.
    void LoadTagCover(const QString& Path, const QString& Artist, const QString& Album);
    // Lets the user pick a picture file and shows it; a cancel changes nothing.
    void SelectCover();
    // Shows the Now Playing window when it is hidden, hides it when it is shown.
    void AlbumToggle();
    // Empties the skin's cover and the Now Playing window's picture and forgets
    // the last shown cover; the window stays as it is (the playlist was cleared).
    void Clear();

    // The last shown cover: a picture file, an embedded picture's key, or empty.
    const QString& LastShown() const { return lastShown_; }

    // Size the Now Playing window's picture is decoded at, at most.
    static constexpr int kAlbumPictureSide = 800;

private:
    // Shows the picture `decode` gives for the size it is shown at, as the
    // last-shown `key`; one that cannot be decoded clears the cover (false).
    bool Show(const QString& key, const std::function<QImage(QSize)>& decode);
    void ClearShown(bool hideAlbum);
    // The Now Playing window, loaded on first use; null when there is none.
    AlbumWindow* Album(bool showLastCover);

    PlayerState& s_;
    Repainter& repaint_;
    Dialogs& dialogs_;
    const Folders& folders_;
    AlbumWindow* album_;
    bool albumLoaded_ = false;
    QString lastShown_;
};

} // namespace velto
