#pragma once
// File dialogs, message boxes and the folder picker.
#include <QString>
#include <QStringList>

#include <optional>

namespace velto {

// Every member has a default, so a request names only what it sets.
struct FileDialogRequest {
    QString title{};
    // "description|patterns|description|patterns", patterns separated by ";".
    QString filter{};
    QString initialFolder{};
    int filterIndex = 1; // 1-based
    QString fileName{};
    bool save = false; // a save dialog; it adds no extension
};

struct FileDialogResult {
    QString fileName{};  // full path
    QString fileTitle{}; // name without folder
    int filterIndex = 1;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Nothing when the user cancelled or the dialog failed.
    virtual std::optional<FileDialogResult> ShowFileDialog(const FileDialogRequest& request) = 0;
    // A message box with an OK button, the text exactly, and "Velto" as its title.
    virtual void Message(const QString& text) = 0;
    // The chosen folder, or nothing on cancel.
    virtual std::optional<QString> BrowseFolder(const QString& title,
                                                const QString& initialFolder) = 0;
};

// Shows a file dialog; nothing when the user cancelled or no file was chosen.
inline std::optional<FileDialogResult> AskForFile(Dialogs& dialogs,
                                                  const FileDialogRequest& request) {
    auto chosen = dialogs.ShowFileDialog(request);
    if (chosen && chosen->fileName.isEmpty()) return std::nullopt;
    return chosen;
}

// "Playlists|*.m3u;*.pls|All files|*.*" as Qt name filters:
// "Playlists (*.m3u *.pls)", "All files (*)".
QStringList QtNameFilters(const QString& filter);

} // namespace velto
