#include "scheduler/AutoListFile.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace velto;

TEST(SchedulerFile, ReadsAnyLineEndsAndWritesCrLfAtomically) {
    test::TempDir dir;
    const QString f = dir.write("autolist.txt", "E 07:00 08:00 01\r\n\r\n  \nD 7:30  08:00 02 \n"
                                                "N 09:00 10:00 03\rU 01:00 02:00 04");
    const QStringList entries = {"E 07:00 08:00 01", "D 7:30  08:00 02 ", "N 09:00 10:00 03",
                                 "U 01:00 02:00 04"};
    EXPECT_EQ(ReadAutoList(f), entries);

    ASSERT_TRUE(WriteAutoList(f, entries.mid(0, 2)));
    EXPECT_EQ(dir.read("autolist.txt"), "E 07:00 08:00 01\r\nD 7:30  08:00 02 \r\n");

    // Below a regular file nothing can be written, even as root.
    EXPECT_FALSE(WriteAutoList(f + "/autolist.txt", entries));
    EXPECT_EQ(dir.read("autolist.txt"), "E 07:00 08:00 01\r\nD 7:30  08:00 02 \r\n");

    EXPECT_EQ(ReadAutoList(dir.file("missing.txt")), QStringList());
    EXPECT_EQ(ReadAutoList(dir.path()), QStringList());
}
