#pragma once
// The Visual Playlist Selector without its widgets: the listed folder, its
// pages of 16 pictures, the selected entry and loading it into the player.
// The window shows these members; folders are listed and pictures decoded on
// worker threads, and each result that belongs to the page in view is handed
// to the window as it arrives.
#include "selector/SelectorFolder.h"
#include "selector/WorkerJobs.h"

#include <QString>
#include <QStringList>

#include <array>

namespace velto {

class Commands;
class Dialogs;
class MainWindow;
class PlaylistEditor;
class SelectorView;
struct Folders;
struct PlayerState;

struct SelectorCell {
    bool visible = false;
    QString toolTip; // the entry's NiceName
};

class VisSelector {
public:
    VisSelector(PlayerState& state, PlaylistEditor& editor, Commands& commands, Dialogs& dialogs,
                const Folders& folders, MainWindow* window)
        : s_(state), editor_(editor), commands_(commands), dialogs_(dialogs), folders_(folders),
          window_(window) {}

    // The window opened: nothing selected, "Set as Default" off, DefPic set,
    // and VisPLPath (the program folder when empty) listed.
    void Form_Load(SelectorView& view);
    // The window closes: a listing or pictures still on their way are
    // dropped, and the main window gets back the stacking WinOnTop asks for.
    void Form_Unload();
    bool IsOpen() const { return view_ != nullptr; }

    // Lists folder d and shows its first page. With "Set as Default" ticked
    // the folder becomes VisPLPath once its listing arrived.
    void ListDir(const QString& d);
    void cNext_Click();
    void cPrev_Click();
    void iPic_Click(int Index) { ShowSel(Index); }
    void iPic_DblClick(int Index);
    void cLoad_Click() { LoadSel(); }
    void cSelDir_Click();

    // True while a folder is listed or pictures of the page are on their way.
    bool Busy() const { return listing_ || picturesLeft_ > 0; }
    // True while jobs run on the worker threads, dropped ones included.
    bool Working() const { return jobs_.Running() > 0; }

    int Page = 0;    // 0-based
    int MaxPage = 0; // last page index; 0 for an empty folder
    QString SelName; // the selected entry, or empty
    QString DefPic;  // nocover.bmp of the program folder, or empty
    QString Folder;  // the listed folder, with its trailing separator
    QStringList FileList;
    bool chkSetDef = false;
    QString PName;
    QStringList PlayList;
    QString lPgStat;
    std::array<SelectorCell, kSelectorPage> Cells{};

private:
    void ClearSel();
    void Listed(const QString& p, QStringList entries);
    void ShowPage();
    void PictureArrived(int index, const QImage& picture);
    bool ShowSel(int Index);
    void LoadSel();

    PlayerState& s_;
    PlaylistEditor& editor_;
    Commands& commands_;
    Dialogs& dialogs_;
    const Folders& folders_;
    MainWindow* window_;
    SelectorView* view_ = nullptr;
    bool listing_ = false;
    int picturesLeft_ = 0;
    bool selectedWhileDrawing_ = false;
    WorkerJobs jobs_; // last: its jobs end before the members they deliver to
};

} // namespace velto
