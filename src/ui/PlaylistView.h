#pragma once
// The playlist list on the skinned window. Typed characters go to the
// window's key handler (skins bind keys to buttons), not to a type-ahead search.
#include <QListView>

#include <functional>

namespace velto {

class PlaylistView : public QListView {
    Q_OBJECT
public:
    explicit PlaylistView(QWidget* parent = nullptr);
    void keyboardSearch(const QString&) override {}

    std::function<bool(int keyAscii)> onCharacter; // true when consumed
    std::function<void()> onDelete;
    std::function<void(const QStringList&)> onDrop;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// Local file paths of a drag, in the order of the drag source; empty when it
// carries no files.
QStringList DroppedPaths(const class QMimeData* data);

// Accepts a drag or drop of files as a copy, whatever the source proposes
// (Shift asks a file manager for a move): the files stay where they are.
// False, and ignored, when it carries no files or cannot be copied.
bool AcceptAsCopy(class QDropEvent* event);

} // namespace velto
