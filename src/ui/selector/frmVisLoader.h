#pragma once
// The Visual Playlist Selector's window: a 4 x 4 grid of playlist pictures,
// the selected playlist's name and contents, paging, folder choice, a black or
// white background and printing. A thin view over VisSelector, which holds the
// rules; made on each opening and destroyed when closed.
#include "selector/SelectorView.h"
#include "selector/VisSelector.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace velto {

class PictureCell;

class frmVisLoader : public QWidget, public SelectorView {
    Q_OBJECT
public:
    explicit frmVisLoader(VisSelector& selector, QWidget* parent = nullptr);
    ~frmVisLoader() override;

    // Lists the start folder; call once the window is shown, so the cells
    // have their size.
    void Form_Load();

    void ShowTexts() override;
    void ShowGrid() override;
    void ShowPicture(int index, const QImage& picture) override;
    QSize PictureBox() const override;
    void Unload() override { close(); }

    // Black background and white text, or white and black.
    void cmdBg_Click();

    QLabel* lblVPS;
    std::array<PictureCell*, kSelectorPage> iPic{};
    QLabel* PName;
    QLabel* lPlHeader;
    QListWidget* PlayList;
    QLabel* lPgStat;
    QPushButton* cPrev;
    QPushButton* cNext;
    QPushButton* cSelDir;
    QPushButton* cLoad;
    QPushButton* cCancel;
    QPushButton* cmdBg;
    QPushButton* cmdPrnt;
    QCheckBox* chkSetDef;

protected:
    // Closing is never refused: a listing or pictures on their way are dropped.
    void closeEvent(QCloseEvent* event) override;

private:
    void SetColours(QColor background, QColor text);
    void cmdPrnt_Click();
    void Detach();

    VisSelector& sel_;
    bool attached_ = false; // sel_ shows in this window
    QStringList listShown_;
};

} // namespace velto
