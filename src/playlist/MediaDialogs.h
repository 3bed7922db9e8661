#pragma once
// The dialogs that bring media and playlists in and out: Load and Save
// Playlist, Open Media file, and adding a whole folder.
#include <QString>

namespace velto {

class Commands;
class Dialogs;
class Display;
class PlaylistEditor;
class SettingsStore;
struct PlayerState;

// The Open Media file dialog's filter text, exactly as users know it.
extern const QString kOpenMediaFilter;

class MediaDialogs {
public:
    MediaDialogs(PlayerState& state, Dialogs& dialogs, SettingsStore& store, PlaylistEditor& editor,
                 Display& display, Commands& commands)
        : s_(state), dialogs_(dialogs), store_(store), editor_(editor), display_(display),
          commands_(commands) {}

    void PlLoad();
    void PlSave();
    // Fills AddName, AddPath, AddTitle with the chosen file; AddName stays
    // empty on cancel. The filter chosen is offered again for the rest of the run.
    void OpenMedia();
    void AddFromDir();
    // OpenMedia; when a medium was chosen, it replaces the playlist and plays.
    void OpenPlay();
    // The chosen folder with a trailing separator, or empty on cancel.
    QString BrowseFolder(const QString& title);

private:
    void RememberFolder(const QString& folder);
    // A playlist file chosen in the remembered folder, whose folder is then
    // remembered; empty on cancel.
    QString AskPlaylist(const QString& title, const QString& filter, bool save);

    PlayerState& s_;
    Dialogs& dialogs_;
    SettingsStore& store_;
    PlaylistEditor& editor_;
    Display& display_;
    Commands& commands_;
    int openFilterIndex_ = 0; // 0 until the first Open Media dialog
};

} // namespace velto
