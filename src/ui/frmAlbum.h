#pragma once
// The Now Playing window: the cover picture alone, in a window of its own,
// for skins without a cover area. Resizable; the picture is the largest
// centred square that fits.
#include "platform/AlbumWindow.h"

#include <QImage>
#include <QWidget>

namespace velto {

class frmAlbum : public QWidget, public AlbumWindow {
    Q_OBJECT
public:
    explicit frmAlbum(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture) override;
    void SetVisible(bool visible) override { setVisible(visible); }
    bool IsVisible() const override { return isVisible(); }

    const QImage& Picture() const { return picture_; }
    // Where the picture is drawn now (Form_Resize's square).
    QRect CoverRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace velto
