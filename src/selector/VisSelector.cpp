#include "selector/VisSelector.h"

#include "common/PathNames.h"
#include "common/PictureFiles.h"
#include "common/TextFiles.h"
#include "platform/Dialogs.h"
#include "platform/Folders.h"
#include "platform/MainWindow.h"
#include "playlist/PlaylistEditor.h"
#include "selector/SelectorView.h"
#include "state/Notify.h"
#include "state/PlayerState.h"

#include <utility>

namespace velto {

namespace {
const QString kLoading = QStringLiteral("One moment, loading...");
} // namespace

void VisSelector::Form_Load(SelectorView& view) {
    jobs_.Drop();
    view_ = &view;
    chkSetDef = false;
    Folder.clear();
    const QString nocover =
        ResolveCaseInsensitive(JoinPath(folders_.program, QStringLiteral("nocover.bmp")));
    DefPic = IsFile(nocover) ? nocover : QString();
    const QString& start = s_.settings.VisPLPath;
    ListDir(start.isEmpty() ? folders_.program : start);
}

void VisSelector::Form_Unload() {
    if (!view_) return;
    jobs_.Drop();
    view_ = nullptr;
    listing_ = false;
    picturesLeft_ = 0;
    if (window_) window_->SetStaysOnTop(s_.settings.WinOnTop == 1);
}

void VisSelector::ClearSel() {
    FileList.clear();
    PlayList.clear();
    SelName.clear();
    PName = QStringLiteral("<- Select playlist from left");
}

void VisSelector::ListDir(const QString& d) {
    if (!view_) return;
    const QString p = AddSlash(d);
    // A listing or page still on its way belongs to the folder before.
    jobs_.Drop();
    ClearSel();
    Page = 0;
    MaxPage = 0;
    picturesLeft_ = 0;
    listing_ = true;
    Cells.fill({});
    PName = kLoading;
    view_->ShowGrid();
    view_->ShowTexts();
    jobs_.Run([this, p](const WorkerJobs::Stopped& stopped) -> std::function<void()> {
        QStringList entries = ListSelectorFolder(p, stopped);
        return [this, p, entries = std::move(entries)]() mutable { Listed(p, std::move(entries)); };
    });
}

void VisSelector::Listed(const QString& p, QStringList entries) {
    listing_ = false;
    Folder = p;
    FileList = std::move(entries);
    Page = 0;
    ShowPage();
    if (chkSetDef) s_.settings.VisPLPath = p;
}

void VisSelector::ShowPage() {
    // Pictures of the page shown before never arrive.
    jobs_.Drop();
    PlayList.clear();
    PName = kLoading;
    selectedWhileDrawing_ = false;
    const int first = Page * kSelectorPage;
    const int last = static_cast<int>(FileList.size()) - 1;
    MaxPage = last / kSelectorPage; // toward zero: 0 for an empty folder
    lPgStat = PageStatus(Page, MaxPage, last + 1);
    const QSize box = view_->PictureBox();
    picturesLeft_ = 0;
    for (int i = 0; i < kSelectorPage; ++i) {
        const int n = first + i;
        if (n > last) {
            Cells[i] = {};
            continue;
        }
        const QString entry = FileList.at(n);
        Cells[i] = {true, NiceName(NoExt(entry))};
        ++picturesLeft_;
        jobs_.Run([this, i, entry, def = DefPic, box](const WorkerJobs::Stopped&) {
            QImage picture = EntryImage(entry, def, box);
            return std::function<void()>(
                [this, i, picture = std::move(picture)] { PictureArrived(i, picture); });
        });
    }
    view_->ShowGrid();
    if (picturesLeft_ == 0) PName = QStringLiteral("Select playlist...");
    view_->ShowTexts();
}

void VisSelector::PictureArrived(int index, const QImage& picture) {
    view_->ShowPicture(index, picture);
    if (--picturesLeft_ > 0) return;
    // A selection made while the pictures came in keeps its name.
    if (!selectedWhileDrawing_) PName = QStringLiteral("Select playlist...");
    view_->ShowTexts();
}

void VisSelector::cNext_Click() {
    if (!view_ || Page >= MaxPage) return;
    ++Page;
    ShowPage();
}

void VisSelector::cPrev_Click() {
    if (!view_ || Page <= 0) return;
    --Page;
    ShowPage();
}

bool VisSelector::ShowSel(int Index) {
    const int n = Page * kSelectorPage + Index;
    if (!view_ || Index < 0 || Index >= kSelectorPage || n > FileList.size() - 1) return false;
    const QString f = FileList.at(n);
    PlayList.clear();
    PName = NiceName(FileOnly(f));
    SelName = f;
    selectedWhileDrawing_ = true;
    if (IsMarker(f)) {
        PlayList << QStringLiteral("This is a directory. Double-click to enter!");
    } else if (const auto lines = ReadTextLines(f)) {
        for (const QString& line : *lines)
            PlayList << FileOnly(line);
    }
    view_->ShowTexts();
    return true;
}

void VisSelector::iPic_DblClick(int Index) {
    if (ShowSel(Index)) LoadSel();
}

void VisSelector::LoadSel() {
    if (!view_ || SelName.isEmpty()) return; // nothing selected yet
    if (IsMarker(SelName)) {
        const QString d = MarkerFolder(SelName);
        if (!d.isEmpty()) ListDir(d);
        return;
    }
    const QString file = SelName;
    editor_.PlClear();
    editor_.PlRead(file);
    commands_.PlayIt();
    if (view_) view_->Unload();
}

void VisSelector::cSelDir_Click() {
    const auto d =
        dialogs_.BrowseFolder(QStringLiteral("Select directory containing media files:"), Folder);
    // The window may have closed while the picker was open.
    if (d && !d->isEmpty() && view_) ListDir(*d);
}

} // namespace velto
