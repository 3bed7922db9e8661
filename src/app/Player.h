#pragma once
// The player without its window: the public state of the main window, the
// settings, the skin's Surface and the procedures every part of the program
// calls. Subsystem logic lives in the subsystem folders; Player forwards.
#include "app/Settings.h"
#include "platform/Folders.h"
#include "playlist/PlaylistModel.h"
#include "skin/Surface.h"
#include "state/TagInfo.h"

#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariant>

#include <cstdint>
#include <memory>

namespace velto {

class Clock;
class Dialogs;
class MainWindow;
class MediaElement;
class MediaElementFactory;
class PlaybackEngine;
class MediaDialogs;
class PlaylistEditor;
class SettingsStore;
class Shell;
class SkinLoader;
class WindowInput;

// The ports the player works through; the program passes the real ones,
// tests pass fakes.
struct Ports {
    SettingsStore& store;
    Dialogs& dialogs;
    Clock& clock;
    Shell& shell;
    Folders folders;
    MediaElementFactory& media; // makes the two playback elements
};

class Player {
public:
    explicit Player(Ports ports);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // The main window; set before Form_Load. May be null in tests that need none.
    void AttachWindow(MainWindow* window) { window_ = window; }
    MainWindow* Window() const { return window_; }

    // --- start-up, shut-down -------------------------------------------------
    // `args` is the command line without the program name.
    void Form_Load(const QStringList& args);
    void Form_Activate();
    void Form_Unload();
    void Quit();
    void ShowPrefs();
    void ShowMixer();
    void ShowVisSelect();
    // The action of button number Index; numbers without one do nothing.
    void DoIt(int16_t Index);
    // The surface changed: the window repaints what differs.
    void Repaint();
    // Hides the window where a tray icon can bring it back, else minimises it.
    void HideMain();
    void ShowInfo();
    void AlbumToggle();
    // Files dropped from a file manager, in the order of the drag source.
    void AddDropped(const QStringList& paths);
    void SetOnTop(int on);

    // --- procedures whose bodies live in their subsystems ---------------------
    void PlayIt();
    void SetDD(int field, const QVariant& vn);
    void ShowLights();
    void SetSlider(int n, double v);
    void SlideAction(int n, double v);
    void LoadCover(const QString& path);
    void GetMP3Info();
    void ClearInf();
    // Redraws the six digit fields and the clock text from the current state.
    void Form_Paint();
    void LoadSkin(const QString& skinName, bool importKnown);
    void SelectSkin();
    static QString TipText(const QString& s);
    void LoadAutoList(const QString& file);
    void MakeDayStr();
    void CloseElement(int unit);
    void LoadTagCover(const QString& Path, const QString& Artist, const QString& Album);

    // --- playback -------------------------------------------------------------
    void StopIt();
    void PauseIt();
    void PlayPause();
    void Reverse();
    void Forward();
    void NextTrack();
    void PrevTrack();
    void PlayFrom(int32_t SPos);
    void OpenPlay();
    void IntroToggle();
    void StpToggle();
    void RepeatToggle();
    void ShuffleToggle();
    void RptButton();
    void SetRptB();
    void SizeToggle();
    void SmallToggle();
    void VolUp();
    void VolDown();
    void VolStep(int16_t d);
    void MuteToggle();
    float GetVol();
    void SetVol(float v);
    MediaElement& MMControl(int unit); // element 0 or 1
    PlaybackEngine& Playback() { return *playback_; }

    // --- playlist -----------------------------------------------------------------
    void PlAdd();
    void PlRead(const QString& file);
    // False (after telling the user) when the file could not be written.
    bool WritePL(const QString& file);
    void PlDelEntry(int index);
    void PlDelSel();
    void PlMoveEntry(int D);
    void PlClear();
    void ShowPlCount();
    void PlNames_DblClick();
    void PlNames_KeyDown(int keyCode, int shift);
    void PlLoad();
    void PlSave();
    void OpenMedia();
    void AddFromDir();
    void ScanDir(const QString& start, const QString& exts);
    QString BrowseFolder(const QString& title);

    // --- timers ---------------------------------------------------------------
    void Timer1_Timer();
    void Timer2_Timer();
    QTimer Timer1; // 100 ms, playback
    QTimer Timer2; // 200 ms, clock and display

    // --- ports and shared data --------------------------------------------------
    SettingsStore& store;
    Dialogs& dialogs;
    Clock& clock;
    Shell& shell;
    const Folders folders;
    Settings settings;
    Surface surface;
    PlaylistModel playlist; // PlNames and PlPath in one list
    std::unique_ptr<SkinLoader> skin; // the skin loader and its tables (DigTab, SlideTab, ...)
    std::unique_ptr<WindowInput> input; // mouse and keys on the skinned window

    // --- state of the main window ----------------------------------------------
    int16_t TwipX = 15; // twips per pixel
    int16_t TwipY = 15;
    int16_t TNum = 1; // 1-based current playlist position
    QString SongPath, SongName, SongTitle;
    QString Dev; // device type of the current medium; "Delay" for pictures
    int32_t SongLen = 0, Elapsed = 0, Remain = 0, TimeDisp = 0, RptA = 0, RptB = 0; // ms
    // Player flags: 0 or -1, toggled with ~.
    int16_t Playing = 0, Paused = 0, Intro = 0, STP = 0, Shuffle = 0, Random = 0, Repeat = 0,
            Mute = 0, TimeFlag = 0;
    int16_t HFlag = 0, Small = 0; // window size in use
    int16_t PlayUnit = 0;         // media element in use
    int16_t SlideFlag = 0, DragFlag = 0;
    int16_t ScrollStart = 1;
    QString AddName, AddPath, AddTitle; // the item handed to PlAdd
    TagFields TagInfo; // ID3v1 fields of the last MPEG track started
    QString Prg = kPrg, Sect = kSect;

private:
    void ReadTwips();
    void PlaceWindowFromSettings();
    void RunCommandLineOrRestore(const QStringList& args);
    void ShowAtStart();

    MainWindow* window_ = nullptr;
    std::unique_ptr<PlaylistEditor> playlistEditor_;
    std::unique_ptr<MediaDialogs> mediaDialogs_;
    bool unloaded_ = false;
    QString lastMinute_; // the clock minute whose step has run
    std::unique_ptr<PlaybackEngine> playback_;
};

} // namespace velto
