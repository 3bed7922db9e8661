#pragma once
// The stream information and tag of the MPEG track that starts: GetMP3Info.
namespace velto {

class Display;
struct PlayerState;

class TrackInfo {
public:
    TrackInfo(PlayerState& state, Display& display) : s_(state), display_(display) {}

    // Shows the bitrate, frequency and channel mode of SongPath and reads its
    // ID3v1 tag into TagInfo.
    void GetMP3Info();

private:
    PlayerState& s_;
    Display& display_;
};

} // namespace velto
