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
    store.Set("PBOverlap", "2500.5"); // half to even
    store.Set("ScrollName", "yes");   // not a number reads as 0
    store.Set("SnoozeMode", "70000"); // out of range: the default
    store.Set("X", "40000");          // wide desktops need 32 bits
    Settings s;
    s.Read(store, 0, 0);
    EXPECT_EQ(QList<int>({s.PBOverlap, s.ScrollName, s.SnoozeMode, s.X}),
              QList<int>({2500, 0, 0, 40000}));
}

TEST(IniSettingsStore, PersistsOnSyncMatchesKeysWithoutCaseAndFailsWhereNoFileCanBe) {
    test::TempDir dir;
    dir.write("morvanix.ini", "[config]\nValidExt=mp3,wav\nOther=kept\n");
    IniSettingsStore store(dir.path());
    EXPECT_EQ(store.GetSetting(kPrg, kSect, "validext", "x"), "mp3,wav"); // a hand-written list
    EXPECT_EQ(store.GetSetting(kPrg, kSect, "Path", "dflt"), "dflt");
    store.SaveSetting(kPrg, kSect, "ClearPLFirst", "1");
    store.SaveSetting(kPrg, kSect, "ClearPlFirst", "0");
    store.SaveSetting(kPrg, kSect, "Path", " /music/a, b");
    EXPECT_EQ(store.GetSetting(kPrg, kSect, "path", ""), " /music/a, b"); // before any sync
    EXPECT_FALSE(dir.read("morvanix.ini").contains("Path"));              // nothing written per key
    ASSERT_TRUE(store.Sync());

    IniSettingsStore reopened(dir.path());
    EXPECT_EQ(reopened.GetSetting(kPrg, kSect, "clearplfirst", "x"), "0");
    EXPECT_EQ(reopened.GetSetting(kPrg, kSect, "Path", "x"), " /music/a, b");
    const QByteArray text = dir.read("morvanix.ini");
    EXPECT_TRUE(text.startsWith("[config]") && text.contains("Other=kept"));
    EXPECT_TRUE(text.contains("ClearPLFirst=0") && !text.contains("ClearPlFirst"));

    // A store that is no regular file reads empty and fails to write.
    const QString fifo = dir.file("fifo"), folder = dir.file("folder");
    ASSERT_TRUE(QDir().mkpath(fifo) && QDir().mkpath(folder + "/morvanix.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo + "/morvanix.ini").constData(), 0600), 0);
    for (const QString& home : {fifo, folder, dir.write("file", "x") + "/home"}) {
        IniSettingsStore bad(home);
        EXPECT_EQ(bad.GetSetting(kPrg, kSect, "Skin", "none"), "none") << home.toStdString();
        bad.SaveSetting(kPrg, kSect, "Skin", "/skins/a.skin");
        EXPECT_FALSE(bad.Sync()) << home.toStdString();
    }
    EXPECT_FALSE(QFileInfo(fifo + "/morvanix.ini").isFile());
}
