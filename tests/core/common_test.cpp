#include "app/CommandLine.h"
#include "common/Numbers.h"
#include "common/PathNames.h"
#include "common/TextFiles.h"
#include "platform/Dialogs.h"
#include "platform/MediaModule.h"
#include "platform/Modules.h"
#include "support/TestFiles.h"

#include <QFile>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace velto;

TEST(PathNames, SplitNamesMakeNiceNamesAndFilesExistOnlyWhenRegular) {
    EXPECT_EQ(QStringList({NoExt("dir/a.b.mp3"), FileOnly("C:\\M\\a.mp3"), PathOnly("a.mp3")}),
              QStringList({"dir/a.b", "a.mp3", ""}));
    EXPECT_TRUE(HasUrlScheme("svn+ssh.x-y://h") && !HasUrlScheme("C://a") &&
                !HasUrlScheme("1x://a") && !HasUrlScheme("http:/a") && !HasUrlScheme("a b://"));

    // The last dot among the last five characters starts the extension; a
    // folder with a dot near the end of a short path must not crash.
    QStringList nice;
    for (const char* name : {"C:\\Music\\my.best.song.mp3", "05 - Song.mp3", "2001.mp3", "Readme",
                             "a.b", "", "song.x.ab", "x.y\\ab"})
        nice << NiceName(name);
    EXPECT_EQ(nice, QStringList({"my best song", "Song", "2001", "Readme", "a", "", "song.x", ""}));

    // Only regular files exist.
    test::TempDir dir;
    const QString f = dir.write("Face.BMP", "x");
    ASSERT_TRUE(QFile::link(f, dir.file("link.bmp")) &&
                QFile::link(dir.path(), dir.file("dir.mp3")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file("pipe.mp3")).constData(), 0600), 0);
    EXPECT_TRUE(FileExists(f) && FileExists(dir.file("link.bmp")) && !IsDirectory(f));
    // A folder, a FIFO (a reader would wait for ever), a device and a link to
    // a folder are no files; the command line still takes a folder.
    for (const QString& no : {dir.path(), dir.file("pipe.mp3"), QString("/dev/null"),
                              dir.file("dir.mp3"), QString(), dir.file("missing.mp3")})
        EXPECT_FALSE(FileExists(no)) << no.toStdString();
    EXPECT_TRUE(CommandLine::OnDisk(dir.path()) && !CommandLine::OnDisk(dir.file("pipe.mp3")));
}

TEST(Numbers, RoundingHalfToEvenAndTwipsWithin32Bits) {
    EXPECT_EQ(QList<int>({TextToInt16("2.5"), TextToInt16("-2.5"), TextToInt16("32768", 7),
                          TextToInt16("-32769", 7), TextToInt32("1e12", -5)}),
              QList<int>({2, -2, 7, 7, -5}));
    // 143165577 pixels are 2147483655 twips, past 32 bits; pixels are held within int.
    EXPECT_TRUE(PixelsToTwips(143165576, 15) == 2147483640 && !PixelsToTwips(143165577, 15) &&
                !PixelsToTwips(int64_t(1) << 50, 15));
    EXPECT_TRUE(TwipsToPixels(-2147483648LL, 15) == -143165577 &&
                TwipsToPixels(int64_t(1) << 40, 1) == 2147483647);
}

// Line ends and atomic writes are the playlist's and schedule's tests'.
TEST(TextFiles, DecodingAndReadingWhatIsNoFile) {
    EXPECT_EQ(QStringList({DecodeText("caf\xc3\xa9"), DecodeText("\xef\xbb\xbfx"),
                           DecodeText("caf\xe9 \x80")}),
              QStringList({QString::fromUtf8("café"), "x", QString::fromUtf8("café €")}));

    test::TempDir dir;
    EXPECT_FALSE(ReadTextLines(dir.file("x")) || ReadTextLines(dir.path()));
}

TEST(DialogFilters, BarSeparatedPairsBecomeQtNameFilters) {
    // A description listing its patterns stays, in the dialog's form when
    // written otherwise; other patterns are added to it; a description without
    // any is dropped; nothing gives "All files".
    EXPECT_EQ(
        QtNameFilters("MP3 Playlists (*.M3U)|*.M3U|Lists (*.m3u;*.pls)|*.m3u;*.pls|All (*.*)|*.*"),
        QStringList({"MP3 Playlists (*.M3U)", "Lists (*.m3u *.pls)", "All (*)"}));
    EXPECT_EQ(QtNameFilters("Pictures (*.bmp)|*.bmp;*.gif|All files|*.*|Odd"),
              QStringList({"Pictures (*.bmp) (*.bmp *.gif)", "All files (*)"}));
    EXPECT_EQ(QtNameFilters(""), QStringList({"All files (*)"}));
}

TEST(Modules, WhatCannotBeLoadedIsSaidAndAnElementWithoutItFailsToOpen) {
    QString problem;
    EXPECT_EQ(ModuleSymbol("absent", "velto_media_element", &problem), nullptr);
    EXPECT_TRUE(problem.contains(QStringLiteral("libvelto-absent.so"))) << problem.toStdString();
    EXPECT_EQ(ModuleSymbol("taglib", "velto_media_element", &problem), nullptr);
    EXPECT_EQ(problem, QStringLiteral("taglib lacks velto_media_element"));
    EXPECT_NE(ModuleSymbol("taglib", "velto_embedded_picture"), nullptr);

    auto element = ModuleMediaElementFactory("absent").Create(0);
    element->From = 500;
    element->Command(QStringLiteral("play")); // nothing open: nothing to do, nothing said
    EXPECT_TRUE(element->Error() == kErrNone && element->From == -1);
    element->DeviceType = kDevMMMovie;
    element->Command(QStringLiteral("open"));
    EXPECT_EQ(element->Error(), kErrNoDevice);
    EXPECT_TRUE(element->ErrorMessage().contains(QStringLiteral("libvelto-absent.so")));
    EXPECT_EQ(element->Mode(), kModeNotOpen);
}
