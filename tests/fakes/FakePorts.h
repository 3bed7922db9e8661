#pragma once
// Fakes of the platform ports for logic tests.
#include "platform/AlbumWindow.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/MainWindow.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/Tray.h"

#include <QMap>
#include <QStringList>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace velto::test {

// An in-memory store that keeps the spelling of each key and records every write in order.
class FakeSettingsStore : public SettingsStore {
public:
    QString GetSetting(const QString& app, const QString& section, const QString& key,
                       const QString& fallback) override;
    void SaveSetting(const QString& app, const QString& section, const QString& key,
                     const QString& text) override;
    // Records the sync; fails when told to (the values stay in memory all the same).
    bool Sync() override { return ++syncs, writesAtSync = writes.size(), !failSync; }

    // The stored value under any spelling of key, or a null string.
    QString Value(const QString& key) const;
    void Set(const QString& key, const QString& text) { values_[key] = text; }
    std::vector<std::pair<QString, QString>> writes; // key as written, text
    int syncs = 0;
    size_t writesAtSync = 0; // writes made before the last sync
    bool failSync = false;

private:
    QString findKey(const QString& key) const;
    QMap<QString, QString> values_;
};

class FakeDialogs : public Dialogs {
public:
    std::optional<FileDialogResult> ShowFileDialog(const FileDialogRequest& request) override;
    void Message(const QString& text) override { messages << text; }
    std::optional<QString> BrowseFolder(const QString& title, const QString& initial) override;

    QStringList messages;
    std::vector<FileDialogRequest> fileRequests;
    // Answers for the next file dialogs, in order; nullopt is a cancel. None left: cancel.
    std::deque<std::optional<FileDialogResult>> fileAnswers;
    // Runs as each file dialog opens (to look at the player while it is open).
    std::function<void(const FileDialogRequest&)> onFileDialog;
    std::vector<std::pair<QString, QString>> folderRequests; // title, initial folder
    std::deque<std::optional<QString>> folderAnswers;
};

class FakeClock : public Clock {
public:
    QDateTime Now() const override { return now; }
    QDateTime now = QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0));
};

// No helper programs: nothing is ever started from a test.
class FakeShell : public Shell {
public:
    QString FindProgram(const QString&) const override { return {}; }
    bool Start(const QString&, const QStringList&) override { return false; }
};

class FakeMainWindow : public MainWindow {
public:
    QPoint Position() const override { return pos; }
    void MoveTo(QPoint p) override { pos = p, ++moves; }
    void Resize(QSize s) override { size = s; }
    double LogicalDpiX() const override { return 96; }
    double LogicalDpiY() const override { return 96; }
    void SetVisible(bool v) override { visible = v; }
    bool IsVisible() const override { return visible; }
    void ShowMinimized() override { minimized = visible = true; }
    void BringToFront() override { minimized = false, visible = true, ++raises; }
    void SetStaysOnTop(bool on) override { onTop = on; }
    void RequestQuit() override { ++quitRequests; }
    void SurfaceChanged() override { ++surfaceChanges; }
    QRect WorkArea() const override { return {0, 0, 1920, 1050}; }
    void ShowPopupMenu(QPoint at) override { popupAt = at, ++popups; }
    // With deferShown, what waits for the first paint runs at RunShown().
    void AfterShown(std::function<void()> then) override {
        deferShown ? shownWork.push_back(std::move(then)) : then();
    }
    void RunShown() {
        for (std::function<void()>& then : std::exchange(shownWork, {}))
            then();
    }
    bool deferShown = false;
    std::vector<std::function<void()>> shownWork;

    QPoint pos{100, 80}, popupAt;
    QSize size;
    bool visible = false, minimized = false, onTop = false;
    int moves = 0, quitRequests = 0, surfaceChanges = 0, raises = 0, popups = 0;
};

// The tray icon: shown while the desktop has a tray (`available`) and the icon was added.
class FakeTray : public Tray {
public:
    void Add() override { added = true; }
    void Remove() override { added = false, onRemove ? onRemove() : void(); }
    bool Shown() const override { return available && added; }
    bool available = false, added = false;
    std::function<void()> onRemove;
};

class FakeAlbumWindow : public AlbumWindow {
public:
    void SetPicture(const QImage& p) override { picture = p; }
    void SetVisible(bool v) override { visible = v; }
    bool IsVisible() const override { return visible; }
    QImage picture;
    bool visible = false;
};

} // namespace velto::test
