// The committed skins, icons and missing-cover picture are exactly what
// tools/skinpaint draws, on a machine without a single font.
#include "support/TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

TEST(SkinTool, RedrawsTheCommittedArtExactlyWithoutAnyFont) {
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
    tool.start(QStringLiteral(VELTO_SKINPAINT), {out.file("skins"), out.file("icons")});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();

    const QString committed = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../";
    const char* redraw = " differs: run `cmake --build build --target skin_art` and commit";
    for (const char* name :
         {"skins/default/default.skin", "skins/default/default_face.bmp",
          "skins/default/default_res.bmp", "skins/compact/compact.skin",
          "skins/compact/compact_face.bmp", "skins/compact/compact_res.bmp", "skins/nocover.bmp"}) {
        QFile drawn(out.file(name)), kept(committed + name);
        ASSERT_TRUE(drawn.open(QIODevice::ReadOnly) && kept.open(QIODevice::ReadOnly)) << name;
        EXPECT_TRUE(drawn.readAll() == kept.readAll()) << name << redraw;
    }
    // The icons are compared pixel for pixel: PNG bytes also depend on the
    // machine's zlib, the pictures do not.
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString name = QStringLiteral("icons/velto-%1.png").arg(size);
        const QImage drawn(out.file(name)), kept(committed + name);
        ASSERT_EQ(drawn.size(), QSize(size, size)) << name.toStdString();
        EXPECT_TRUE(drawn.hasAlphaChannel()) << name.toStdString();
        EXPECT_TRUE(drawn.convertToFormat(QImage::Format_ARGB32) ==
                    kept.convertToFormat(QImage::Format_ARGB32))
            << name.toStdString() << redraw;
    }
#endif
}
