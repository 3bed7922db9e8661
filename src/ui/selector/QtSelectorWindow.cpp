#include "ui/selector/QtSelectorWindow.h"

#include "ui/selector/frmVisLoader.h"

#include <QCoreApplication>

namespace velto {

QtSelectorWindow::QtSelectorWindow() {
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            [this] { CloseWindow(); });
}

// The player may be gone by now: the window goes without its unload (it had
// it when the quit closed it).
QtSelectorWindow::~QtSelectorWindow() { delete window_.data(); }

frmVisLoader* QtSelectorWindow::Window() const {
    return window_ && window_->isVisible() ? window_.data() : nullptr;
}

void QtSelectorWindow::ShowSelector() {
    if (!selector_) return;
    if (frmVisLoader* open = Window()) {
        open->raise();
        open->activateWindow();
        return;
    }
    // One closed a moment ago is deleted by its own close.
    window_ = new frmVisLoader(*selector_);
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->show();
    window_->Form_Load();
}

void QtSelectorWindow::CloseWindow() {
    if (!window_) return;
    window_->close(); // runs its unload
    delete window_.data();
}

} // namespace velto
