#pragma once
// The playlist's procedures on the player: adding, removing, moving, clearing,
// choosing, the count and title fields, and reading and writing playlist files.
#include <QString>
#include <QStringList>

namespace velto {

class Commands;
class Covers;
class Dialogs;
class Display;
struct PlayerState;

class PlaylistEditor {
public:
    PlaylistEditor(PlayerState& state, Display& display, Dialogs& dialogs, Covers& covers,
                   Commands& commands)
        : s_(state), display_(display), dialogs_(dialogs), covers_(covers), commands_(commands) {}

    // Adds the item in AddName/AddPath/AddTitle: a playlist file is read, a
    // folder scanned, anything else becomes one entry. An empty AddName adds nothing.
    void PlAdd();
    void PlDelEntry(int index);
    void PlDelSel();
    // Swaps the selected entry with its neighbour D (+1 or -1) and selects it there.
    void PlMoveEntry(int D);
    void PlClear();
    void ShowPlCount();
    void PlNames_DblClick();
    void PlNames_KeyDown(int keyCode, int shift);

    // Appends the entries of an M3U or PLS file; shows its name as the title.
    void PlRead(const QString& file);
    // Writes the whole playlist as M3U; false (after telling the user) on failure.
    bool WritePL(const QString& file);
    // Appends the media files below `start` whose extension `exts` takes.
    void ScanDir(const QString& start, const QString& exts);
    // Files dropped from a file manager, in the order of the drag source: each
    // goes through PlAdd.
    void AddDropped(const QStringList& paths);

private:
    PlayerState& s_;
    Display& display_;
    Dialogs& dialogs_;
    Covers& covers_;
    Commands& commands_;
};

} // namespace velto
