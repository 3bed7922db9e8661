#pragma once
// The Track Info window without its widgets: what it shows, when it follows
// the playing track, and saving the tag. The window shows these members and
// hands back what the user typed.
#include "trackinfo/Id3v1.h"

#include <QString>

namespace velto {

class Dialogs;
struct PlayerState;

class TrackInfoForm {
public:
    TrackInfoForm(const PlayerState& state, Dialogs& dialogs) : s_(state), dialogs_(dialogs) {}

    // The window opens: Edit and Save off, the playing track's tag at once.
    void Form_Load();
    // Fills the fields from TagInfo and SongPath. Only an MP2, MP3 or MPA file
    // shows a tag; for any other file the fields are empty and Save stays off.
    void GetInfo();
    // Every two seconds: follows the playing track unless Edit is ticked.
    // True when the fields were filled again.
    bool Timer1_Timer();
    void cbEdit_Click(bool checked);
    // Writes `typed` as the tag of the file shown (FileName, never anything
    // typed) and says how it went.
    void SaveIDTag(const TagForm& typed);
    // The cover for the shown artist and album; an empty album keeps it.
    void SetCover();

    QString FileName;         // txtFileName: the file whose tag is shown
    TagForm Fields;           // the tag as GetInfo filled it
    bool TagShown = false;    // FileName is a file with a tag to show
    bool Edit = false;        // cbEdit
    bool SaveEnabled = false; // cmdSave
    QString CoverFile;        // imgCover's picture; empty for none

private:
    const PlayerState& s_;
    Dialogs& dialogs_;
};

} // namespace velto
