#pragma once
#include "platform/SelectorWindow.h"

#include <QObject>
#include <QPointer>

namespace velto {

class VisSelector;
class frmVisLoader;

// The one Visual Playlist Selector of the program, over the player's
// VisSelector: made on opening, raised when open, destroyed when closed. A
// quit closes it first, so its unload runs while the player is still there.
class QtSelectorWindow : public QObject, public SelectorWindow {
    Q_OBJECT
public:
    QtSelectorWindow();
    ~QtSelectorWindow() override;
    void Attach(VisSelector* selector) { selector_ = selector; }
    void ShowSelector() override;
    // The open window, or null.
    frmVisLoader* Window() const;
    void CloseWindow();

private:
    VisSelector* selector_ = nullptr;
    QPointer<frmVisLoader> window_;
};

} // namespace velto
