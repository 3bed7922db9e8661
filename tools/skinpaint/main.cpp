// velto_skinpaint: draws the shipped skins and the program's own pictures.
//   velto_skinpaint <skins folder> <icons folder>
// writes <skins>/default/{default.skin,default_face.bmp,default_res.bmp},
// <skins>/compact/{compact.skin,compact_face.bmp,compact_res.bmp},
// <skins>/nocover.bmp and <icons>/velto-<N>.png for every icon size. Every
// glyph is drawn from the tool's own definitions, never from an installed
// font, so the output is the same on every machine.
#include "Art.h"
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

bool writeArt(const QString& skins, const QString& icons) {
    if (!QDir().mkpath(icons) ||
        !skinpaint::DrawNoCover().save(skins + QStringLiteral("/nocover.bmp"), "BMP"))
        return false;
    for (const int size : skinpaint::kIconSizes)
        if (!skinpaint::DrawAppIcon(size).save(icons + QStringLiteral("/velto-%1.png").arg(size),
                                               "PNG"))
            return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: velto_skinpaint <skins folder> <icons folder>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString icons = QString::fromLocal8Bit(argv[2]);
    if (!writeSkin(out + QStringLiteral("/default"), QStringLiteral("default"),
                   skinpaint::DrawDefaultSkin()) ||
        !writeSkin(out + QStringLiteral("/compact"), QStringLiteral("compact"),
                   skinpaint::DrawCompactSkin()) ||
        !writeArt(out, icons)) {
        std::fprintf(stderr, "velto_skinpaint: cannot write into %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
