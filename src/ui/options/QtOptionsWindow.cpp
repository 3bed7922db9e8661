#include "ui/options/QtOptionsWindow.h"

#include "ui/options/Pref.h"

#include <QCoreApplication>
#include <QWidget>

namespace velto {

QtOptionsWindow::QtOptionsWindow(QWidget* mainWindow) : mainWindow_(mainWindow) {
    // QApplication::quit closes the windows itself; exit() does not.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            [this] { CloseDialog(); });
}

// The player may be gone by now: the dialog goes without its unload.
QtOptionsWindow::~QtOptionsWindow() { delete dialog_.data(); }

void QtOptionsWindow::ShowOptions() {
    if (!player_) return;
    if (dialog_ && dialog_->isVisible()) {
        dialog_->raise();
        dialog_->activateWindow();
        return;
    }
    dialog_ = new Pref(*player_, mainWindow_);
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
    // Window-modal: the main window waits; the event loop, the tray and a
    // quit do not.
    dialog_->open();
}

void QtOptionsWindow::CloseDialog() {
    if (!dialog_) return;
    dialog_->close(); // runs its unload
    delete dialog_.data();
}

} // namespace velto
