#include "ui/QtDialogs.h"

#include "common/PathNames.h"
#include "ui/QuitSignals.h"

#include <QDebug>
#include <QFileDialog>
#include <QMessageBox>

namespace velto {

std::optional<FileDialogResult> QtDialogs::ShowFileDialog(const FileDialogRequest& request) {
    if (QuitSignals::Quitting()) return std::nullopt; // as if cancelled
    QFileDialog dialog(parent_, request.title, request.initialFolder);
    const QStringList filters = QtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    const int index = std::clamp(request.filterIndex, 1, static_cast<int>(filters.size()));
    dialog.selectNameFilter(filters.at(index - 1));
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
    FileDialogResult result;
    result.fileName = chosen.front();
    result.fileTitle = FileOnly(result.fileName);
    result.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (result.filterIndex < 1) result.filterIndex = 1;
    return result;
}

void QtDialogs::Message(const QString& text) {
    // Messages break their lines with CR, alone or before LF.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    // Also on the error output: read there when the program ends on a signal,
    // when no box shows.
    qInfo().noquote() << QStringLiteral("Velto:") << shown;
    if (QuitSignals::Quitting()) return;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Velto"), shown, QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<QString> QtDialogs::BrowseFolder(const QString& title, const QString& initialFolder) {
    if (QuitSignals::Quitting()) return std::nullopt;
    const QString folder = QFileDialog::getExistingDirectory(parent_, title, initialFolder);
    if (folder.isEmpty()) return std::nullopt;
    return folder;
}

} // namespace velto
