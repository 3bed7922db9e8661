#pragma once
// The dialogs that bring media and playlists in and out: Load and Save
// Playlist, Open Media file, and adding a whole folder.
#include <QString>

namespace velto {

class Player;

// The Open Media file dialog's filter text, exactly as users know it.
extern const QString kOpenMediaFilter;

class MediaDialogs {
public:
    explicit MediaDialogs(Player& player) : player_(player) {}

    void PlLoad();
    void PlSave();
    // Fills AddName, AddPath, AddTitle with the chosen file; AddName stays
    // empty on cancel. The filter chosen is offered again for the rest of the run.
    void OpenMedia();
    void AddFromDir();
    // The chosen folder with a trailing separator, or empty on cancel.
    QString BrowseFolder(const QString& title);

private:
    void RememberFolder(const QString& folder);

    Player& player_;
    int openFilterIndex_ = 0; // 0 until the first Open Media dialog
};

} // namespace velto
