// velto_skinpaint: draws the shipped skins and writes their control files.
//   velto_skinpaint <skins folder>
// writes <folder>/default/{default.skin,default_face.bmp,default_res.bmp} and
// <folder>/compact/{compact.skin,compact_face.bmp,compact_res.bmp}. Every glyph
// is drawn from the tool's own definitions, never from an installed font, so
// the output is the same on every machine.
#include "Skins.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool writeSkin(const QString& folder, const QString& name, const skinpaint::DrawnSkin& skin) {
    if (!QDir().mkpath(folder)) return false;
    QFile file(folder + u'/' + name + QStringLiteral(".skin"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray text = skinpaint::SkinFileText(skin.design);
    if (file.write(text) != text.size()) return false;
    file.close();
    return skin.face.save(folder + u'/' + skin.design.face, "BMP") &&
           skin.resource.save(folder + u'/' + skin.design.resource, "BMP");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velto_skinpaint <skins folder>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    if (!writeSkin(out + QStringLiteral("/default"), QStringLiteral("default"),
                   skinpaint::DrawDefaultSkin()) ||
        !writeSkin(out + QStringLiteral("/compact"), QStringLiteral("compact"),
                   skinpaint::DrawCompactSkin())) {
        std::fprintf(stderr, "velto_skinpaint: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
