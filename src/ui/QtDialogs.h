#pragma once
#include "platform/Dialogs.h"

class QWidget;

namespace velto {

// The real dialogs: Qt's file dialog, message box and folder picker.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    std::optional<FileDialogResult> ShowFileDialog(const FileDialogRequest& request) override;
    void Message(const QString& text) override;
    std::optional<QString> BrowseFolder(const QString& title,
                                        const QString& initialFolder) override;

private:
    QWidget* parent_;
};

} // namespace velto
