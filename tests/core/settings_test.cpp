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
    // WinSnap -1 is set, but not the 1 that turns snapping on.
    EXPECT_EQ(QList<int>({s.WinOnTop, s.WinSnap, s.PBOverlap, s.ScrollName, s.SnoozeMode, s.X}),
              QList<int>({1, -1, 2500, 0, 0, 40000}));
}

TEST(Settings, WrittenValuesReadBackAndThePositionIsWrittenOnlyWithWinSavePos) {
    FakeSettingsStore store;
    store.Set("X", "30000");
    store.Set("Y", "450");
    Settings s;
    s.Read(store, 0, 0);
    s.X = 100;
    s.WinOnTop = 1;
    s.ClearPLFirst = 1;
    s.PBOverlap = -300;
    s.SnoozeTime = "07:15";
    s.Write(store);
    EXPECT_EQ(store.syncs, 0); // the caller writes the file once, after every key
    EXPECT_EQ(store.Value("X"), "30000");
    EXPECT_EQ(store.Value("Y"), "450");
    Settings back;
    back.Read(store, 0, 0);
    EXPECT_EQ(QList<int>({back.WinOnTop, back.ClearPLFirst, back.PBOverlap, back.X}),
              QList<int>({1, 1, -300, 30000}));
    EXPECT_EQ(back.SnoozeTime, "07:15");

    s.WinSavePos = 1;
    s.X = 45000;
    s.Y = -300;
    s.Write(store);
    EXPECT_EQ(store.Value("X"), "45000");
    EXPECT_EQ(store.Value("Y"), "-300");
}

TEST(IniSettingsStore, PersistsOnSyncInAnIniSectionAndMatchesKeysWithoutCase) {
    test::TempDir dir;
    dir.write("morvanix.ini", "[config]\nValidExt=mp3,wav\nOther=kept\n");
    IniSettingsStore store(dir.path());
    EXPECT_EQ(store.GetSetting(kPrg, kSect, "validext", "x"), "mp3,wav"); // a hand-written list
    EXPECT_EQ(store.GetSetting(kPrg, kSect, "Path", "dflt"), "dflt");
    store.SaveSetting(kPrg, kSect, "ClearPLFirst", "1");
    store.SaveSetting(kPrg, kSect, "ClearPlFirst", "0");
    store.SaveSetting(kPrg, kSect, "WinOnTop", " 0");
    store.SaveSetting(kPrg, kSect, "Path", "/music/a, b");
    store.SaveSetting(kPrg, kSect, "ValidExt", store.GetSetting(kPrg, kSect, "ValidExt", ""));
    EXPECT_EQ(store.GetSetting(kPrg, kSect, "path", ""), "/music/a, b"); // before any sync
    EXPECT_FALSE(dir.read("morvanix.ini").contains("Path"));             // nothing written per key
    ASSERT_TRUE(store.Sync());

    IniSettingsStore reopened(dir.path());
    EXPECT_EQ(reopened.GetSetting(kPrg, kSect, "clearplfirst", "x"), "0");
    EXPECT_EQ(reopened.GetSetting(kPrg, kSect, "WinOnTop", "x"), " 0");
    EXPECT_EQ(reopened.GetSetting(kPrg, kSect, "Path", "x"), "/music/a, b");
    EXPECT_EQ(reopened.GetSetting(kPrg, kSect, "ValidExt", ""), "mp3,wav");
    const QByteArray text = dir.read("morvanix.ini");
    EXPECT_TRUE(text.startsWith("[config]") && text.contains("Other=kept"));
    EXPECT_TRUE(text.contains("ClearPLFirst=0") && !text.contains("ClearPlFirst"));
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
