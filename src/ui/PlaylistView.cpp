#include "ui/PlaylistView.h"

#include "ui/SurfacePainter.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QStyledItemDelegate>
#include <QUrl>

namespace velto {

namespace {

// Names are set in the list's font, letter by letter, unless they need shaping.
class RowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QFont font = FontForText(option->font, option->text);
        if (font.styleStrategy() == option->font.styleStrategy()) return;
        option->font = font;
        option->fontMetrics = QFontMetrics(font);
    }
};

} // namespace

QStringList DroppedPaths(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) paths << url.toLocalFile();
    }
    return paths;
}

bool AcceptAsCopy(QDropEvent* event) {
    if (DroppedPaths(event->mimeData()).isEmpty() ||
        !event->possibleActions().testFlag(Qt::CopyAction)) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

PlaylistView::PlaylistView(QWidget* parent) : QListView(parent) {
    setUniformItemSizes(true); // keeps 32,766 entries fast
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new RowDelegate(this));
}

void PlaylistView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        if (onDelete) onDelete();
        return;
    }
    const QString text = event->text();
    const bool printable = text.size() == 1 && text.at(0).isPrint();
    if (printable && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
        onCharacter && onCharacter(text.at(0).unicode()))
        return;
    if (printable) return; // no type-ahead search
    QListView::keyPressEvent(event);
}

void PlaylistView::dragEnterEvent(QDragEnterEvent* event) { AcceptAsCopy(event); }
void PlaylistView::dragMoveEvent(QDragMoveEvent* event) { AcceptAsCopy(event); }

void PlaylistView::dropEvent(QDropEvent* event) {
    if (AcceptAsCopy(event) && onDrop) onDrop(DroppedPaths(event->mimeData()));
}

} // namespace velto
