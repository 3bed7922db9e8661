#include "ui/selector/frmVisLoader.h"

#include "platform/Modules.h"
#include "ui/selector/PictureCell.h"
#include "ui/selector/WindowPrint.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include <cmath>

namespace velto {

namespace {
constexpr int kColumns = 4;
} // namespace

frmVisLoader::frmVisLoader(VisSelector& selector, QWidget* parent)
    : QWidget(parent, Qt::Window), sel_(selector) {
    const QString title = QStringLiteral("Velto Visual Playlist Selector");
    setWindowTitle(title);

    lblVPS = new QLabel(title, this);
    QFont big = lblVPS->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    lblVPS->setFont(big);

    auto* grid = new QGridLayout;
    grid->setSpacing(6);
    for (int i = 0; i < kSelectorPage; ++i) {
        auto* cell = new PictureCell(this);
        cell->setVisible(false);
        grid->addWidget(cell, i / kColumns, i % kColumns);
        connect(cell, &PictureCell::Clicked, this, [this, i] { sel_.iPic_Click(i); });
        connect(cell, &PictureCell::DoubleClicked, this, [this, i] { sel_.iPic_DblClick(i); });
        iPic[static_cast<size_t>(i)] = cell;
    }
    for (int k = 0; k < kColumns; ++k) {
        grid->setRowStretch(k, 1);
        grid->setColumnStretch(k, 1);
    }

    PName = new QLabel(this);
    QFont bold = PName->font();
    bold.setBold(true);
    PName->setFont(bold);
    PName->setWordWrap(true);
    lPlHeader = new QLabel(QStringLiteral("Selected Playlist:"), this);
    PlayList = new QListWidget(this);
    PlayList->setSelectionMode(QAbstractItemView::NoSelection);
    PlayList->setFocusPolicy(Qt::NoFocus);
    chkSetDef = new QCheckBox(QStringLiteral("Set as Default"), this);
    chkSetDef->setToolTip(QStringLiteral("The next folder listed opens first from now on"));
    auto* side = new QVBoxLayout;
    side->addWidget(PName);
    side->addSpacing(6);
    side->addWidget(lPlHeader);
    side->addWidget(PlayList, 1);
    side->addWidget(chkSetDef);

    auto* middle = new QHBoxLayout;
    middle->addLayout(grid, 3);
    middle->addSpacing(8);
    middle->addLayout(side, 1);

    const auto button = [this](const char* caption) {
        return new QPushButton(QString::fromUtf8(caption), this);
    };
    lPgStat = new QLabel(this);
    cPrev = button("Pg &Up");
    cNext = button("Pg &Dn");
    cSelDir = button("&Select Dir");
    cLoad = button("&Load");
    cmdBg = button("Colours");
    cmdBg->setToolTip(QStringLiteral("Black or white background"));
    cmdPrnt = button("Prnt");
    cmdPrnt->setToolTip(QStringLiteral("Print an image of this window"));
    cCancel = button("Close");
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lPgStat, 1);
    for (QPushButton* b : {cPrev, cNext, cSelDir, cLoad, cmdBg, cmdPrnt, cCancel})
        bottom->addWidget(b);

    auto* all = new QVBoxLayout(this);
    all->addWidget(lblVPS);
    all->addLayout(middle, 1);
    all->addLayout(bottom);

    connect(cPrev, &QPushButton::clicked, this, [this] { sel_.cPrev_Click(); });
    connect(cNext, &QPushButton::clicked, this, [this] { sel_.cNext_Click(); });
    connect(cSelDir, &QPushButton::clicked, this, [this] { sel_.cSelDir_Click(); });
    connect(cLoad, &QPushButton::clicked, this, [this] { sel_.cLoad_Click(); });
    connect(cmdBg, &QPushButton::clicked, this, &frmVisLoader::cmdBg_Click);
    connect(cmdPrnt, &QPushButton::clicked, this, &frmVisLoader::cmdPrnt_Click);
    connect(cCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(chkSetDef, &QCheckBox::toggled, this, [this](bool on) { sel_.chkSetDef = on; });

    SetColours(Qt::white, Qt::black);
    setMinimumSize(640, 460);
    resize(920, 640);
}

frmVisLoader::~frmVisLoader() { Detach(); }

void frmVisLoader::Form_Load() {
    if (attached_) return;
    if (QLayout* l = layout()) l->activate();
    attached_ = true;
    sel_.Form_Load(*this);
    chkSetDef->setChecked(sel_.chkSetDef);
}

void frmVisLoader::closeEvent(QCloseEvent* event) {
    Detach();
    event->accept();
}

void frmVisLoader::Detach() {
    if (!attached_) return;
    attached_ = false;
    sel_.Form_Unload();
}

void frmVisLoader::ShowTexts() {
    PName->setText(sel_.PName);
    lPgStat->setText(sel_.lPgStat);
    if (sel_.PlayList != listShown_) {
        listShown_ = sel_.PlayList;
        PlayList->clear();
        PlayList->addItems(listShown_);
    }
    if (sel_.Busy())
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void frmVisLoader::ShowGrid() {
    for (int i = 0; i < kSelectorPage; ++i) {
        PictureCell* cell = iPic[static_cast<size_t>(i)];
        const SelectorCell& c = sel_.Cells[static_cast<size_t>(i)];
        cell->SetPicture({});
        cell->setToolTip(c.toolTip);
        cell->setVisible(c.visible);
    }
}

void frmVisLoader::ShowPicture(int index, const QImage& picture) {
    if (index < 0 || index >= kSelectorPage) return;
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    iPic[static_cast<size_t>(index)]->SetPicture(pixmap);
}

QSize frmVisLoader::PictureBox() const {
    const QSize cell = iPic[0]->contentsRect().size().expandedTo(QSize(16, 16));
    const qreal ratio = devicePixelRatioF();
    return QSize(int(std::lround(cell.width() * ratio)), int(std::lround(cell.height() * ratio)));
}

void frmVisLoader::cmdBg_Click() {
    if (palette().color(QPalette::Window) == QColor(Qt::black))
        SetColours(Qt::white, Qt::black);
    else
        SetColours(Qt::black, Qt::white);
}

void frmVisLoader::SetColours(QColor background, QColor text) {
    // The window, the check box and the list take the background; the titles,
    // the check box and the list the text colour. Buttons keep their own.
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, background);
    p.setColor(QPalette::Text, text);
    setPalette(p);
    setAutoFillBackground(true);
}

// Qt's printing comes with the print module, loaded on the first print.
void frmVisLoader::cmdPrnt_Click() {
    QString problem;
    if (auto print = reinterpret_cast<decltype(&velto_print_window)>(
            ModuleSymbol("print", "velto_print_window", &problem)))
        print(this);
    else
        QMessageBox::warning(this, QStringLiteral("Velto"),
                             QStringLiteral("Printing is not available: ") + problem);
}

} // namespace velto
