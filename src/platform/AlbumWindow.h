#pragma once
// The Now Playing window as the cover code sees it: one picture, shown or hidden.
#include <QImage>

namespace velto {

class AlbumWindow {
public:
    virtual ~AlbumWindow() = default;
    // The picture it shows; a null image shows none.
    virtual void SetPicture(const QImage& picture) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool IsVisible() const = 0;
};

} // namespace velto
