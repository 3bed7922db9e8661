#pragma once
// A Player on fake ports, with temporary program and user folders.
#include "app/Player.h"
#include "fakes/FakeMediaElement.h"
#include "fakes/FakePorts.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <memory>

namespace velto::test {

class PlayerFixture : public ::testing::Test {
protected:
    PlayerFixture() { MakePlayer(); }

    // A new Player on the same store and folders (as a restart would be).
    void MakePlayer(MainWindow* shownIn = nullptr) {
        player.reset();
        player = std::make_unique<Player>(
            Ports{store, dialogs, clock, shell, Folders{programDir.path(), userDir.path()}, media,
                  shownIn ? shownIn : &window, &album, nullptr, optionsWindow});
    }

    TempDir programDir;
    TempDir userDir;
    FakeSettingsStore store;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeShell shell;
    FakeMediaWorld media;
    FakeMainWindow window;
    FakeAlbumWindow album;
    OptionsWindow* optionsWindow = nullptr; // for the next MakePlayer
    std::unique_ptr<Player> player;
};

} // namespace velto::test
