#include "platform/Dialogs.h"

#include <gtest/gtest.h>

using velto::QtNameFilters;

TEST(DialogFilters, BarSeparatedPairsBecomeQtNameFilters) {
    // A description that lists its patterns is shown as written.
    EXPECT_EQ(QtNameFilters("Skin control file (*.skin)|*.skin"),
              QStringList({"Skin control file (*.skin)"}));
    EXPECT_EQ(QtNameFilters("MP3 Playlists (*.M3U)|*.M3U|Playlists (*.PLS)|*.PLS"),
              QStringList({"MP3 Playlists (*.M3U)", "Playlists (*.PLS)"}));
    // ... in the form the dialog reads, when it was written otherwise.
    EXPECT_EQ(QtNameFilters("Lists (*.m3u;*.pls)|*.m3u;*.pls|Everything (*.*)|*.*"),
              QStringList({"Lists (*.m3u *.pls)", "Everything (*)"}));
    // Other patterns than the listed ones: the real ones are added.
    EXPECT_EQ(QtNameFilters("Pictures (*.bmp)|*.bmp;*.gif"),
              QStringList({"Pictures (*.bmp) (*.bmp *.gif)"}));
    EXPECT_EQ(QtNameFilters("Playlists|*.m3u;*.pls|All files|*.*"),
              QStringList({"Playlists (*.m3u *.pls)", "All files (*)"}));
    // A trailing description without patterns is dropped; nothing gives "All files".
    EXPECT_EQ(QtNameFilters("Pictures|*.bmp;*.jpg|Odd"), QStringList({"Pictures (*.bmp *.jpg)"}));
    EXPECT_EQ(QtNameFilters(""), QStringList({"All files (*)"}));
}
