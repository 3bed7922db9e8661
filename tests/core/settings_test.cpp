#include "fakes/FakePorts.h"
#include "platform/IniSettingsStore.h"
#include "state/Settings.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace velto;
using velto::test::FakeSettingsStore;

TEST(Settings, FirstStartGivesTheDefaults) {
    FakeSettingsStore store;
    Settings s;
    s.Read(store, 1500, 1200);
    EXPECT_EQ(s.WinOnTop, 0);
    EXPECT_EQ(s.SnoozeTime, "23:59");
    EXPECT_EQ(s.PBOverlap, 0);
    EXPECT_TRUE(s.Skin.isEmpty());
    EXPECT_EQ(s.X, 1500);
    EXPECT_EQ(s.Y, 1200);
    EXPECT_EQ(s.Volume, 100);
}

TEST(Settings, FlagsAndNumbersReadByTheirLeadingNumber) {
    FakeSettingsStore store;
    store.Set("WinOnTop", " 1");
    store.Set("winsnap", "-1");       // another case is the same entry
    store.Set("PBOverlap", "2500.5"); // half to even
    store.Set("ScrollName", "yes");   // not a number reads as 0
    store.Set("SnoozeMode", "70000"); // out of range: the default
    store.Set("X", "40000");          // wide desktops need 32 bits
    Settings s;
    s.Read(store, 0, 0);
    EXPECT_EQ(s.WinOnTop, 1);
    EXPECT_EQ(s.WinSnap, -1); // set, but not the 1 that turns snapping on
    EXPECT_EQ(s.PBOverlap, 2500);
    EXPECT_EQ(s.ScrollName, 0);
    EXPECT_EQ(s.SnoozeMode, 0);
    EXPECT_EQ(s.X, 40000);
}

TEST(Settings, WritesEveryKeyInOrderWithItsForm) {
    FakeSettingsStore store;
    Settings s;
    s.Read(store, 0, 0);
    s.ClearPLFirst = 1;
    s.PBOverlap = 300;
    s.LastTrack = 4;
    s.Write(store);
    QStringList keys;
    for (const auto& [k, v] : store.writes)
        keys << k;
    EXPECT_EQ(keys, QString("Skin SkinPath SkinImport WinOnTop WinSnap WinSavePos Auto Snooze "
                            "SnoozeMode SnoozeTime SnoozeHide ExitMode StartMd StartMin StartMute "
                            "StartPlaylist TimeFmt VisPLPath ClearPlFirst AutoPlay ValidExt "
                            "PBOverlap ScrollName UseTagCover LastCover LastTrack Volume")
                        .split(' '));
    EXPECT_EQ(store.Value("WinOnTop"), " 0");
    EXPECT_EQ(store.Value("ClearPLFirst"), "1");
    EXPECT_EQ(store.Value("PBOverlap"), "300");
    EXPECT_EQ(store.Value("SnoozeTime"), "23:59");
    EXPECT_EQ(store.Value("LastTrack"), " 4");
    EXPECT_EQ(store.Value("Volume"), "100");
    EXPECT_EQ(store.syncs, 0); // the caller writes the file once, after every key
}

TEST(Settings, PositionWrittenOnlyWithWinSavePosAndKeptOtherwise) {
    FakeSettingsStore store;
    store.Set("X", "30000");
    store.Set("Y", "450");
    Settings s;
    s.Read(store, 0, 0);
    s.X = 100;
    s.Write(store);
    EXPECT_EQ(store.Value("X"), "30000");
    EXPECT_EQ(store.Value("Y"), "450");

    s.WinSavePos = 1;
    s.X = 45000;
    s.Y = -300;
    s.Write(store);
    EXPECT_EQ(store.Value("X"), "45000");
    EXPECT_EQ(store.Value("Y"), "-300");
}

TEST(IniSettingsStore, PersistsInAnIniSectionAndMatchesKeysWithoutCase) {
    test::TempDir dir;
    IniSettingsStore store(dir.path());
    EXPECT_EQ(store.GetSetting(kPrg, kSect, "Path", "dflt"), "dflt");
    store.SaveSetting(kPrg, kSect, "ClearPLFirst", "1");
    store.SaveSetting(kPrg, kSect, "ClearPlFirst", "0");
    store.SaveSetting(kPrg, kSect, "WinOnTop", " 0");
    store.SaveSetting(kPrg, kSect, "Path", "/music/a, b");
    ASSERT_TRUE(store.Sync());

    IniSettingsStore reopened(dir.path());
    EXPECT_EQ(reopened.GetSetting(kPrg, kSect, "clearplfirst", "x"), "0");
    EXPECT_EQ(reopened.GetSetting(kPrg, kSect, "WinOnTop", "x"), " 0");
    EXPECT_EQ(reopened.GetSetting(kPrg, kSect, "Path", "x"), "/music/a, b");
    const QByteArray text = dir.read("morvanix.ini");
    EXPECT_TRUE(text.startsWith("[config]"));
    EXPECT_TRUE(text.contains("ClearPLFirst=0"));
    EXPECT_FALSE(text.contains("ClearPlFirst"));
}

TEST(IniSettingsStore, WritesTheFileOnlyOnSyncAndReadsAHandWrittenListWhole) {
    test::TempDir dir;
    dir.write("morvanix.ini", "[config]\nValidExt=mp3,wav\nOther=kept\n");
    IniSettingsStore store(dir.path());
    EXPECT_EQ(store.GetSetting(kPrg, kSect, "validext", "x"), "mp3,wav");
    store.SaveSetting(kPrg, kSect, "Skin", "/skins/a.skin");
    store.SaveSetting(kPrg, kSect, "ValidExt", store.GetSetting(kPrg, kSect, "ValidExt", ""));
    EXPECT_EQ(store.GetSetting(kPrg, kSect, "skin", ""), "/skins/a.skin"); // before any sync
    EXPECT_FALSE(dir.read("morvanix.ini").contains("Skin")); // nothing written per key
    ASSERT_TRUE(store.Sync());
    EXPECT_TRUE(dir.read("morvanix.ini").contains("Skin=/skins/a.skin"));
    EXPECT_TRUE(dir.read("morvanix.ini").contains("Other=kept"));
    EXPECT_EQ(IniSettingsStore(dir.path()).GetSetting(kPrg, kSect, "ValidExt", ""), "mp3,wav");
}

TEST(IniSettingsStore, AStoreThatIsNoRegularFileReadsEmptyAndFailsToWrite) {
    test::TempDir fifoHome;
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifoHome.file("morvanix.ini")).constData(), 0600), 0);
    test::TempDir folderHome;
    ASSERT_TRUE(QDir().mkpath(folderHome.file("morvanix.ini")));
    test::TempDir fileHome;
    const QString underAFile = fileHome.write("file", "x") + "/home";
    for (const QString& home : {fifoHome.path(), folderHome.path(), underAFile}) {
        IniSettingsStore store(home);
        EXPECT_EQ(store.GetSetting(kPrg, kSect, "Skin", "none"), "none") << home.toStdString();
        store.SaveSetting(kPrg, kSect, "Skin", "/skins/a.skin");
        EXPECT_FALSE(store.Sync()) << home.toStdString();
    }
    EXPECT_FALSE(QFileInfo(fifoHome.file("morvanix.ini")).isFile());
}
