#pragma once
// The selector's window as VisSelector sees it; the widget implements it.
#include <QImage>
#include <QSize>

namespace velto {

class SelectorView {
public:
    virtual ~SelectorView() = default;
    // PName, PlayList, lPgStat or Busy changed.
    virtual void ShowTexts() = 0;
    // A new page (or none, while a folder is listed): every picture goes,
    // each cell is shown or hidden as Cells says, with its tool tip.
    virtual void ShowGrid() = 0;
    // The picture of cell `index` of the page in view (null: none).
    virtual void ShowPicture(int index, const QImage& picture) = 0;
    // The size pictures are decoded at: a cell's, in device pixels.
    virtual QSize PictureBox() const = 0;
    // Closes the window; its closing calls VisSelector::Form_Unload.
    virtual void Unload() = 0;
};

} // namespace velto
