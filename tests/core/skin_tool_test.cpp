// The committed skins are exactly what tools/skinpaint draws, on a machine
// without a single font.
#include "support/TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

using velto::test::TempDir;

TEST(SkinTool, RedrawsTheCommittedSkinsByteForByteWithoutAnyFont) {
#ifndef VELTO_SKINPAINT
    GTEST_SKIP() << "the skin tool is not part of this build";
#else
    TempDir out, noFonts;
    const QString config =
        noFonts.write("fonts.conf", "<?xml version=\"1.0\"?><fontconfig></fontconfig>");
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("FONTCONFIG_FILE", config);
    env.insert("QT_QPA_FONTDIR", noFonts.path());
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(VELTO_SKINPAINT), {out.path()});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();

    const QString committed = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../skins/";
    for (const char* name :
         {"default/default.skin", "default/default_face.bmp", "default/default_res.bmp",
          "compact/compact.skin", "compact/compact_face.bmp", "compact/compact_res.bmp"}) {
        QFile drawn(out.file(name)), kept(committed + name);
        ASSERT_TRUE(drawn.open(QIODevice::ReadOnly)) << name;
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << name;
        EXPECT_TRUE(drawn.readAll() == kept.readAll())
            << name << " differs: run `cmake --build build --target skin_art` and commit";
    }
#endif
}
