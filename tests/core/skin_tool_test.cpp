// The committed skins are exactly what tools/skinpaint draws, on a machine
// without a single font.
#include "support/TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

TEST(SkinTool, RedrawsTheCommittedSkinsByteForByteWithoutAnyFont) {
#ifndef VELTO_SKINPAINT
    GTEST_SKIP() << "the skin tool is not part of this build";
#else
    velto::test::TempDir out, noFonts;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("FONTCONFIG_FILE",
               noFonts.write("fonts.conf", "<?xml version=\"1.0\"?><fontconfig></fontconfig>"));
    env.insert("QT_QPA_FONTDIR", noFonts.path());
    QProcess tool;
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(VELTO_SKINPAINT), {out.path()});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();

    const QString committed = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../skins/";
    for (const char* name :
         {"default/default.skin", "default/default_face.bmp", "default/default_res.bmp",
          "compact/compact.skin", "compact/compact_face.bmp", "compact/compact_res.bmp"}) {
        QFile drawn(out.file(name)), kept(committed + name);
        ASSERT_TRUE(drawn.open(QIODevice::ReadOnly) && kept.open(QIODevice::ReadOnly)) << name;
        EXPECT_TRUE(drawn.readAll() == kept.readAll())
            << name << " differs: run `cmake --build build --target skin_art` and commit";
    }
#endif
}
