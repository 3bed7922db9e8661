#include "ui/frmDromel.h"

#include "app/Player.h"
#include "skin/WindowInput.h"
#include "ui/CommandMenu.h"
#include "ui/ListScrollStyle.h"
#include "ui/PlaylistView.h"
#include "ui/SurfacePainter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>

#include <utility>

namespace velto {

constexpr int kLongestWaitForPaintMs = 1000;

frmDromel::frmDromel(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Velto"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAcceptDrops(true);
    setMouseTracking(true); // hover over buttons
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(shown_.windowPixels);
    list_ = new PlaylistView(this);
    list_->hide();
    // Made after the list, so the list is destroyed first.
    scrollStyle_ = new ListScrollStyle;
    scrollStyle_->setParent(this);
    list_->verticalScrollBar()->setStyle(scrollStyle_);
}

void frmDromel::AttachPlayer(Player* player) {
    player_ = player;
    list_->setModel(&player->playlist);
    list_->onCharacter = [this](int keyAscii) { return KeyPress(keyAscii); };
    list_->onDelete = [this] {
        player_->playlist.SetSelection(list_->currentIndex().row());
        player_->PlNames_KeyDown(46, 0);
    };
    list_->onDrop = [this](const QStringList& paths) { AddDroppedLater(paths); };
    connect(list_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        player_->playlist.SetSelection(index.row());
        player_->PlNames_DblClick();
    });
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                player_->playlist.SetSelection(current.isValid() ? current.row() : -1);
            });
    connect(&player->playlist, &PlaylistModel::selectionChanged, this,
            [this](int row) { SyncSelection(row); });
}

void frmDromel::SyncSelection(int row) {
    const QModelIndex current = list_->currentIndex();
    if (row < 0) {
        if (current.isValid()) list_->selectionModel()->clear();
        return;
    }
    if (current.row() == row) return;
    const QModelIndex index = player_->playlist.index(row);
    list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    list_->scrollTo(index);
}

void frmDromel::Resize(QSize pixels) {
    if (pixels.isValid() && !pixels.isEmpty()) setFixedSize(pixels);
}

void frmDromel::SetStaysOnTop(bool on) {
    // Changing the flag re-creates the window and activates it again.
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (wasVisible) show();
}

// The quit button closes the window as the window manager would: the close
// runs the shut-down and ends the event loop.
void frmDromel::RequestQuit() { close(); }

void frmDromel::BringToFront() {
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

QRect frmDromel::WorkArea() const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect();
}

void frmDromel::ShowPopupMenu(QPoint screenPixels) {
    QMenu menu(this);
    AddCommandItems(menu, *player_);
    menu.exec(screenPixels);
}

void frmDromel::SurfaceChanged() {
    if (!player_) return;
    const Surface& now = player_->surface;
    if (now.windowPixels != size() && now.windowPixels.isValid()) Resize(now.windowPixels);
    const bool outlineChanged = now.outline != shown_.outline;
    const bool listChanged = now.PlNames != shown_.PlNames;
    const QRegion changed = ChangedArea(shown_, now);
    shown_ = now;
    if (outlineChanged) {
        const QRegion outline = OutlineRegion(now);
        if (outline.isEmpty())
            clearMask();
        else
            setMask(outline);
        outlineShown_ = !outline.isEmpty();
    }
    if (listChanged) SyncListView();
    if (!changed.isEmpty()) update(changed);
}

void frmDromel::SyncListView() {
    const PlaylistArea& area = shown_.PlNames;
    list_->setGeometry(area.rect);
    QPalette pal = list_->palette();
    pal.setColor(QPalette::Base, area.background);
    pal.setColor(QPalette::Window, area.background);
    pal.setColor(QPalette::Text, area.textColor);
    list_->setPalette(pal);
    // The scroll bar in the list's own colours, not the desktop's light ones.
    QColor handle = area.textColor;
    handle.setRgbF(0.45f * area.textColor.redF() + 0.55f * area.background.redF(),
                   0.45f * area.textColor.greenF() + 0.55f * area.background.greenF(),
                   0.45f * area.textColor.blueF() + 0.55f * area.background.blueF());
    scrollStyle_->SetColours(area.background, handle);
    list_->verticalScrollBar()->update();
    list_->setFont(FieldFont(area.fontName, area.fontSize));
    list_->setToolTip(area.toolTip);
    list_->setVisible(area.visible);
}

void frmDromel::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (!player_ || shown_.face.isNull()) {
        p.fillRect(rect(), QColor(0x20, 0x24, 0x2c));
        if (!player_) return;
    }
    // Paints what was last taken from the player; painting changes nothing.
    PaintSurface(p, shown_, event->region());
    if (!painted_) {
        painted_ = true;
        // After this paint has reached the screen, not inside it.
        QMetaObject::invokeMethod(this, &frmDromel::RunAfterShown, Qt::QueuedConnection);
    }
}

void frmDromel::AfterShown(std::function<void()> then) {
    // A hidden or minimised window may never be painted.
    if (painted_ || !isVisible() || isMinimized()) {
        then();
        return;
    }
    afterShown_.push_back(std::move(then));
    // A window mapped where nothing of it can be seen gets no paint for now.
    QTimer::singleShot(kLongestWaitForPaintMs, this, &frmDromel::RunAfterShown);
}

void frmDromel::RunAfterShown() {
    for (std::function<void()>& then : std::exchange(afterShown_, {}))
        then();
}

void frmDromel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The displays are redrawn when the window is shown, never while painting.
    if (player_) player_->Form_Paint();
}

void frmDromel::closeEvent(QCloseEvent* event) {
    if (player_) player_->Form_Unload();
    event->accept();
    // The loop ends after the close; queued, since the close may itself come
    // from a quit, and a quit after the loop has ended does nothing.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

namespace {
// The highest-numbered visible element under pos (index 0 is unused); 0 for none.
template <typename Elements> int TopmostAt(const Elements& elements, QPoint pos) {
    for (size_t n = elements.size() - 1; n >= 1; --n) {
        if (elements[n].visible && elements[n].rect.contains(pos)) return static_cast<int>(n);
    }
    return 0;
}
} // namespace

int frmDromel::ButtonAt(QPoint pos) const { return TopmostAt(shown_.Btn, pos); }
int frmDromel::TextFieldAt(QPoint pos) const { return TopmostAt(shown_.Lbl, pos); }
int frmDromel::SliderAt(QPoint pos) const { return TopmostAt(shown_.iSlider, pos); }

QString frmDromel::ToolTipAt(QPoint pos) const {
    if (shown_.TmpBtn.visible && shown_.TmpBtn.rect.contains(pos)) return shown_.TmpBtn.toolTip;
    if (const int n = SliderAt(pos)) return shown_.iSlider[static_cast<size_t>(n)].toolTip;
    if (const int n = TextFieldAt(pos)) return shown_.Lbl[static_cast<size_t>(n)].toolTip;
    if (const int n = ButtonAt(pos)) return shown_.Btn[static_cast<size_t>(n)].toolTip;
    if (const int n = TopmostAt(shown_.Dig, pos)) return shown_.Dig[static_cast<size_t>(n)].toolTip;
    if (shown_.iCover.visible && shown_.iCover.rect.contains(pos)) return shown_.iCover.toolTip;
    return QString();
}

bool frmDromel::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && player_) player_->Form_Activate();
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = ToolTipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}

void frmDromel::mousePressEvent(QMouseEvent* event) {
    if (!player_) return;
    const QPoint pos = event->position().toPoint();
    WindowInput& in = *player_->input;
    if (event->button() == Qt::LeftButton) {
        // A left press while something is still held: its release went
        // elsewhere (another window took the mouse).
        if (in.Holding()) in.DropHeld();
        if (const int n = SliderAt(pos)) {
            in.iSlider_MouseDown(
                n, pos - player_->surface.iSlider[static_cast<size_t>(n)].rect.topLeft());
            return;
        }
        if (TextFieldAt(pos) == 0) {
            if (const int n = ButtonAt(pos)) {
                in.Btn_MouseDown(n);
                return;
            }
            if (const int n = in.TrackAt(pos)) {
                in.Track_MouseDown(n, pos);
                return;
            }
        }
    }
    if (TextFieldAt(pos) != 0 || SliderAt(pos) != 0) return;
    in.Form_MouseDown(event->button() == Qt::LeftButton    ? MouseButton::Left
                      : event->button() == Qt::RightButton ? MouseButton::Right
                                                           : MouseButton::Other,
                      pos);
}

void frmDromel::mouseMoveEvent(QMouseEvent* event) {
    if (!player_) return;
    const QPoint pos = event->position().toPoint();
    WindowInput& in = *player_->input;
    const bool leftHeld = event->buttons().testFlag(Qt::LeftButton);
    if (in.Pressed != 0) return;
    if (player_->SlideFlag > 0) {
        const auto n = static_cast<size_t>(player_->SlideFlag);
        in.iSlider_MouseMove(player_->SlideFlag, pos - player_->surface.iSlider[n].rect.topLeft(),
                             leftHeld);
        return;
    }
    if (!leftHeld && !player_->DragFlag) {
        if (shown_.TmpBtn.visible && shown_.TmpBtn.rect.contains(pos)) return;
        if (TextFieldAt(pos) == 0 && SliderAt(pos) == 0) {
            if (const int n = ButtonAt(pos)) {
                in.Btn_MouseMove(n);
                return;
            }
        }
    }
    // While the window moves, the local position of a queued event can still
    // refer to where the window was; the pointer's screen position cannot.
    const QPoint facePos =
        player_->DragFlag ? event->globalPosition().toPoint() - this->pos() : pos;
    in.Form_MouseMove(leftHeld, facePos);
}

void frmDromel::mouseReleaseEvent(QMouseEvent* event) {
    if (!player_) return;
    const QPoint pos = event->position().toPoint();
    WindowInput& in = *player_->input;
    if (event->button() == Qt::LeftButton && in.Pressed != 0) {
        const int n = in.Pressed;
        // The release lands on the pressed face that covers the hot area.
        if (shown_.TmpBtn.visible && shown_.TmpBtn.rect.contains(pos))
            in.TmpBtn_MouseUp();
        else
            in.Btn_MouseUp(n);
        return;
    }
    if (event->button() == Qt::LeftButton && player_->SlideFlag > 0) {
        in.iSlider_MouseUp(player_->SlideFlag);
        return;
    }
    if (event->button() == Qt::LeftButton) {
        if (const int n = TextFieldAt(pos); n != 0 && !player_->DragFlag) {
            if (!std::exchange(skipFieldClick_, false)) in.Lbl_Click(n);
            return;
        }
    }
    in.Form_MouseUp(event->button() == Qt::LeftButton ? MouseButton::Left : MouseButton::Other);
}

void frmDromel::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    // A double click on a text field is one click, not two.
    if (event->button() == Qt::LeftButton && TextFieldAt(pos) != 0) {
        skipFieldClick_ = true;
        return;
    }
    // On the bare cover area it picks a cover; the dialog opens after the
    // click, not inside it.
    if (player_ && event->button() == Qt::LeftButton && ButtonAt(pos) == 0 && SliderAt(pos) == 0 &&
        shown_.iCover.visible && shown_.iCover.rect.contains(pos)) {
        QMetaObject::invokeMethod(
            this, [this] { player_->SelectCover(); }, Qt::QueuedConnection);
        return;
    }
    mousePressEvent(event);
}

void frmDromel::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    // The pointer left over a button: its hover would stay shown.
    if (player_ && !player_->input->Holding())
        player_->input->Form_MouseMove(false, QPoint(-1, -1));
}

bool frmDromel::KeyPress(int keyAscii) {
    return player_ && player_->input->Form_KeyPress(keyAscii) == 0;
}

void frmDromel::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() == 1 && (text.at(0).isPrint() || text.at(0) == QChar(27)) &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        KeyPress(text.at(0).unicode());
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        KeyPress(27);
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmDromel::dragEnterEvent(QDragEnterEvent* event) { AcceptAsCopy(event); }
void frmDromel::dragMoveEvent(QDragMoveEvent* event) { AcceptAsCopy(event); }

void frmDromel::dropEvent(QDropEvent* event) {
    if (!player_ || !AcceptAsCopy(event)) return;
    AddDroppedLater(DroppedPaths(event->mimeData()));
}

void frmDromel::AddDroppedLater(const QStringList& paths) {
    // The drag source waits until the drop returns, and a dropped folder is
    // scanned with events running: both happen after the drop instead.
    QMetaObject::invokeMethod(
        this, [this, paths] { player_->AddDropped(paths); }, Qt::QueuedConnection);
}

} // namespace velto
