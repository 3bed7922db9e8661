#pragma once
// The player without its window: the public state of the main window, the
// settings, the skin's Surface and the procedures every part of the program
// calls. Subsystem logic lives in the subsystem folders; Player forwards.
#include "app/Settings.h"
#include "platform/Folders.h"
#include "playlist/PlaylistModel.h"
#include "skin/Surface.h"

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
class MediaDialogs;
class PlaylistEditor;
class SettingsStore;
class Shell;
class SkinLoader;

// The ports the player works through; the program passes the real ones,
// tests pass fakes.
struct Ports {
    SettingsStore& store;
    Dialogs& dialogs;
    Clock& clock;
    Shell& shell;
    Folders folders;
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
    void SetOnTop(int on);

    // --- procedures whose bodies live in their subsystems ---------------------
    void PlayIt();
    void SetDD(int field, const QVariant& vn);
    void ShowLights();
    void SetSlider(int slider);
    void LoadCover(const QString& path);
    void GetMP3Info();
    void ClearInf();
    void LoadSkin(const QString& skinName, bool importKnown);
    void SelectSkin();
    static QString TipText(const QString& s);
    void LoadAutoList(const QString& file);
    void MakeDayStr();
    void CloseElement(int unit);

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
};

} // namespace velto
