#pragma once
// Names for the skin's element and action numbers. The arrays of the Surface
// keep the skin's own 1-based numbering, so these index them directly.
#include <cstdint>

namespace velto {

// How many of each element a skin may have (numbered from 1).
inline constexpr int kButtons = 50;
inline constexpr int kKeyButtons = 40; // buttons a typed key can reach
inline constexpr int kTextFields = 20;
inline constexpr int kDigitFields = 6;
inline constexpr int kLights = 16;
inline constexpr int kSliders = 4;

// Text fields (Lbl).
namespace lbl {
inline constexpr int Time = 1;        // running or remaining time; a click switches
inline constexpr int Title = 2;       // title of the current entry; a click shows Track Info
inline constexpr int Clock = 3;       // time of day
inline constexpr int TrackNumber = 4; // playlist position
inline constexpr int Snooze = 5;      // snooze countdown or time
inline constexpr int Date = 6;        // "Sunday December 5,1999"
inline constexpr int Day = 7;         // "Sun"
inline constexpr int ClockSuffix = 9; // AM/PM marker of the digit clock
inline constexpr int Bitrate = 10;    // stream information of an MPEG track
inline constexpr int Frequency = 11;
inline constexpr int ChannelMode = 12;
inline constexpr int TotalTime = 13;
inline constexpr int PlaylistTitle = 14;
inline constexpr int PlaylistCount = 16;
inline constexpr int VolumePercent = 18;
} // namespace lbl

// Digit fields (Dig).
namespace dig {
inline constexpr int PlayTime = 1; // seconds
inline constexpr int TrackNumber = 2;
inline constexpr int Clock = 3;
inline constexpr int Bitrate = 4;
inline constexpr int Frequency = 5;
inline constexpr int Title = 6;
} // namespace dig

// Sliders (iSlider).
namespace slider {
inline constexpr int Position = 1; // releasing it seeks
inline constexpr int Volume = 2;   // dragging it sets the level
inline constexpr int Spare = 3;    // no action of its own
inline constexpr int LevelBar = 4; // repeats the volume by its size
} // namespace slider

// Lights (Ind): each play mode has an "on" and an "off" light; light 1 never shows.
namespace light {
inline constexpr int Stopped = 2;
inline constexpr int Paused = 3;
inline constexpr int Playing = 4;
inline constexpr int Intro = 5;
inline constexpr int StopAfterTrack = 6;
inline constexpr int Repeat = 7;
inline constexpr int RepeatAB = 8; // the A-B loop has its end point
inline constexpr int Random = 9;
inline constexpr int Shuffle = 10;
inline constexpr int IntroOff = 11;
inline constexpr int StopAfterTrackOff = 12;
inline constexpr int RepeatOff = 13;
inline constexpr int RepeatABOff = 14;
inline constexpr int RandomOff = 15;
inline constexpr int ShuffleOff = 16;
} // namespace light

// Buttons whose presence changes behaviour (Btn).
namespace btn {
inline constexpr int SetRepeatB = 31; // a separate B button: the A-B button only sets A
} // namespace btn

// What each button number, key and menu item does: the numbers DoIt takes.
enum class Action : int16_t {
    Quit = 1,
    HideMain = 2,
    SizeToggle = 3,
    SmallToggle = 4,
    Options = 5,
    SelectSkin = 6,
    VolDown = 7,
    VolUp = 8,
    Mute = 9,
    Stop = 10,
    Pause = 11,
    Play = 12,
    OpenPlay = 13,
    PrevTrack = 14,
    NextTrack = 15,
    TrackInfo = 16,
    DeleteSelected = 17,
    MoveDown = 18,
    MoveUp = 19,
    ClearPlaylist = 20,
    LoadPlaylist = 21,
    SavePlaylist = 22,
    AddFile = 23,
    AddFolder = 24,
    Intro = 25,
    StopAfterTrack = 26,
    Repeat = 27,
    Shuffle = 28,
    Mixer = 29,
    RepeatAB = 30,
    SetRepeatB = 31,
    Reverse = 32,
    Forward = 33,
    NowPlaying = 34,
    PlaylistSelector = 35,
    PlayPause = 36,
    SkinLink1 = 49,
    SkinLink2 = 50,
};

inline constexpr int16_t Code(Action a) { return static_cast<int16_t>(a); }

} // namespace velto
