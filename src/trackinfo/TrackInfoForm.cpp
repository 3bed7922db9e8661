#include "trackinfo/TrackInfoForm.h"

#include "common/PathNames.h"
#include "platform/Dialogs.h"
#include "state/PlayerState.h"
#include "trackinfo/CoverSearch.h"
#include "trackinfo/Id3v1File.h"

namespace velto {

void TrackInfoForm::Form_Load() {
    Edit = false;
    SaveEnabled = false;
    CoverFile.clear();
    GetInfo();
}

void TrackInfoForm::GetInfo() {
    FileName = s_.SongPath;
    // TagInfo holds the last MPEG file's tag: a WAV, a picture or a CD track
    // playing now has none, and Save must not put that tag on it.
    TagShown = IsMpegAudioName(FileName);
    if (TagShown) {
        Fields = TagFormOf(s_.TagInfo);
        SetCover();
    } else {
        Fields = TagForm{};
        Fields.GenreEntry = -1;
        CoverFile.clear();
    }
    SaveEnabled = Edit && TagShown;
}

bool TrackInfoForm::Timer1_Timer() {
    if (Edit || FileName == s_.SongPath) return false;
    GetInfo();
    return true;
}

void TrackInfoForm::cbEdit_Click(bool checked) {
    Edit = checked;
    SaveEnabled = Edit && TagShown;
}

void TrackInfoForm::SaveIDTag(const TagForm& typed) {
    if (!SaveEnabled) return;
    if (const auto message = TagSaveMessage(velto::SaveIDTag(FileName, typed)))
        dialogs_.Message(*message);
}

void TrackInfoForm::SetCover() {
    if (Fields.Album.isEmpty()) return;
    CoverFile = FindTagPicture(PathOnly(FileName), Fields.Artist, Fields.Album);
}

} // namespace velto
