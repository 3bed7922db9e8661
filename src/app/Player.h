#pragma once
// The player without its window: the facade the main window, the actions and
// the tests call. It is the player's state (PlayerState), owns the subsystems
// and the two timers, wires them together and forwards each procedure to the
// subsystem that holds it.
#include "platform/Folders.h"
#include "state/Notify.h"
#include "state/PlayerState.h"

#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariant>

#include <cstdint>
#include <memory>

namespace velto {

class AlbumWindow;
class Clock;
class Covers;
class Dialogs;
class Display;
class InfoWindow;
class MainWindow;
class MediaDialogs;
class MediaElement;
class MediaElementFactory;
class OptionsWindow;
class PlaybackEngine;
class PlaylistEditor;
class Scheduler;
class SelectorWindow;
class SettingsStore;
class Shell;
class SkinLoader;
class Sliders;
class TrackInfo;
class TrackInfoForm;
class VisSelector;
class Tray;
class WindowHiding;
class WindowInput;
class WindowSizing;

// The ports the player works through; the program passes the real ones,
// tests pass fakes.
struct Ports {
    SettingsStore& store;
    Dialogs& dialogs;
    Clock& clock;
    Shell& shell;
    Folders folders;
    MediaElementFactory& media;         // makes the two playback elements
    MainWindow* window = nullptr;       // may be null in tests that need none
    AlbumWindow* album = nullptr;       // the Now Playing window; null: covers go to the skin only
    InfoWindow* info = nullptr;         // opens the Track Info window; null: ShowInfo does nothing
    OptionsWindow* options = nullptr;   // the options dialog; null where there is none
    SelectorWindow* selector = nullptr; // the playlist selector; null: ShowVisSelect does nothing
    Tray* tray = nullptr;               // the tray icon; null: hiding minimises
};

class Player : public PlayerState, public Repainter, public Commands {
public:
    explicit Player(Ports ports);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    MainWindow* Window() const { return window_; }

    // --- start-up, shut-down -------------------------------------------------
    // `args` is the command line without the program name.
    void Form_Load(const QStringList& args);
    void Form_Activate();
    void Form_Unload();
    void Quit();
    void ShowPrefs();
    void ShowMixer();
    // Takes the main window out of always-on-top (the selector's closing puts
    // it back) and opens the Visual Playlist Selector.
    void ShowVisSelect();
    // The selector's state and procedures; its widget shows them.
    VisSelector& Selector() { return *visSelector_; }
    // The action of button number Index; numbers without one do nothing.
    void DoIt(int16_t Index) override;
    // The surface changed: the window repaints what differs.
    void Repaint() override;
    // Hides the window where a tray icon can bring it back, else minimises it.
    void HideMain();
    // Shows the window restored and in front.
    void Raise();
    // A left press on the tray icon brings the window back.
    void TrayLeftPress();
    // Item Index (1-based) of the command menu, the tray's and the window's:
    // runs its command; other numbers do nothing.
    void mnu_Click(int Index);
    WindowHiding& Hiding() { return *hiding_; }
    void ShowInfo();
    void AlbumToggle();
    void AddDropped(const QStringList& paths);
    void SetOnTop(int on);

    // --- displays, skin, track information ---------------------------------
    void SetDD(int field, const QVariant& vn);
    void ShowLights();
    void ClearInf();
    void Form_Paint();
    void SetSlider(int n, double v);
    void SlideAction(int n, double v) override;
    // False when the skin was not applied (see SkinLoader::LoadSkin).
    bool LoadSkin(const QString& skinName, bool importKnown);
    void SelectSkin();
    void SizeToggle();
    void SmallToggle();
    void GetMP3Info();
    void LoadCover(const QString& path);
    void LoadTagCover(const QString& Path, const QString& Artist, const QString& Album);
    void SelectCover();
    // The Track Info window's state and procedures; its widget shows them.
    TrackInfoForm& InfoForm() { return *infoForm_; }
    const QString& LastShownCover() const;
    void MakeDayStr();

    // --- playback -------------------------------------------------------------
    void PlayIt() override;
    void CloseElement(int unit);
    void StopIt();
    void PauseIt();
    void PlayPause();
    void Reverse();
    void Forward();
    void NextTrack();
    void PrevTrack();
    void PlayFrom(int32_t SPos) override;
    void MoveTo(int32_t SPos);
    void OpenPlay();
    void IntroToggle();
    void StpToggle();
    void RepeatToggle();
    void ShuffleToggle();
    void RptButton();
    void SetRptB();
    void VolUp();
    void VolDown();
    void VolStep(int16_t d);
    void MuteToggle();
    float GetVol();
    void SetVol(float v);
    MediaElement& MMControl(int unit); // element 0 or 1
    PlaybackEngine& Playback() { return *playback_; }
    Scheduler& Schedule() { return *scheduler_; }

    // --- playlist -----------------------------------------------------------------
    void PlAdd();
    // Adds each item (file, folder, playlist, URL) at the end of the playlist,
    // as the command line does, and plays the first entry they added; nothing
    // starts when none was added.
    void AddItemsAndPlay(const QStringList& items);
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

    // --- ports ----------------------------------------------------------------
    SettingsStore& store;
    Dialogs& dialogs;
    Clock& clock;
    Shell& shell;
    const Folders folders;

    // Mouse and keys on the skinned window.
    std::unique_ptr<WindowInput> input;

private:
    void ReadTwips();
    void PlaceWindowFromSettings();
    void RunCommandLineOrRestore(const QStringList& args);
    void FinishStartUp();
    void ShowAtStart();
    QString AutoListFile() const;
    QString StartPlaylistFile() const;

    MainWindow* window_;
    InfoWindow* info_;
    OptionsWindow* options_;
    SelectorWindow* selectorWindow_;
    Tray* tray_;
    bool unloaded_ = false;
    bool listPending_ = false; // the start-up's list waits for the window to be shown
    QStringList startArgs_;
    // Subsystems, lowest first: each is built from those before it.
    std::unique_ptr<Display> display_;
    std::unique_ptr<Sliders> sliders_;
    std::unique_ptr<WindowSizing> sizing_;
    std::unique_ptr<SkinLoader> skinLoader_;
    std::unique_ptr<TrackInfo> trackInfo_;
    std::unique_ptr<Covers> covers_;
    std::unique_ptr<TrackInfoForm> infoForm_;
    std::unique_ptr<PlaylistEditor> playlistEditor_;
    std::unique_ptr<MediaDialogs> mediaDialogs_;
    std::unique_ptr<PlaybackEngine> playback_;
    std::unique_ptr<Scheduler> scheduler_;
    std::unique_ptr<VisSelector> visSelector_;
    std::unique_ptr<WindowHiding> hiding_;
};

} // namespace velto
