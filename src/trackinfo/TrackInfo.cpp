#include "trackinfo/TrackInfo.h"

#include "skin/Display.h"
#include "state/Elements.h"
#include "state/PlayerState.h"
#include "trackinfo/Id3v1File.h"
#include "trackinfo/MpegHeader.h"

namespace velto {

// A file too short (or not there) changes nothing: the fields keep what they showed.
void TrackInfo::GetMP3Info() {
    if (s_.SongPath.isEmpty()) return;
    const std::optional<MpegInfo> info = ReadMpegInfo(s_.SongPath);
    if (!info) return;
    Surface& surface = s_.surface;
    surface.Lbl[lbl::Bitrate].caption = info->bitrateText;
    display_.SetDD(dig::Bitrate, info->bitrateKbps);
    surface.Lbl[lbl::Frequency].caption = info->frequencyText;
    display_.SetDD(dig::Frequency, info->frequencyKhz);
    surface.Lbl[lbl::ChannelMode].caption = info->modeText;
    if (const std::optional<TagFields> tag = ReadId3v1(s_.SongPath)) s_.TagInfo = *tag;
}

} // namespace velto
