#include "platform/Dialogs.h"

#include <gtest/gtest.h>

using velto::QtNameFilters;

TEST(DialogFilters, BarSeparatedPairsBecomeQtNameFilters) {
    EXPECT_EQ(QtNameFilters("Skin control file (*.skin)|*.skin"),
              QStringList({"Skin control file (*.skin) (*.skin)"}));
    EXPECT_EQ(QtNameFilters("Playlists|*.m3u;*.pls|All files|*.*"),
              QStringList({"Playlists (*.m3u *.pls)", "All files (*)"}));
    // A trailing description without patterns is dropped; nothing gives "All files".
    EXPECT_EQ(QtNameFilters("Pictures|*.bmp;*.jpg|Odd"), QStringList({"Pictures (*.bmp *.jpg)"}));
    EXPECT_EQ(QtNameFilters(""), QStringList({"All files (*)"}));
}
