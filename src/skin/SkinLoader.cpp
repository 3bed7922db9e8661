#include "skin/SkinLoader.h"

#include "app/Player.h"
#include "common/Numbers.h"
#include "common/PathNames.h"
#include "common/TextFiles.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/MainWindow.h"
#include "skin/FieldReader.h"
#include "skin/SkinOutline.h"
#include "skin/SkinRecords.h"

#include <QFile>
#include <QFileInfo>
#include <QVariant>

#include <algorithm>

namespace velto {

namespace {

const QString kMagic = QStringLiteral("VeltoSkin");
const QString kSkinFilter = QStringLiteral("Skin control file (*.skin)|*.skin");

// Used unchanged: "/…" here, or a Windows name with a drive colon.
bool isAbsoluteSkinName(const QString& name) {
    return name.startsWith(u'/') || name.contains(u':');
}

bool isFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace

QString SkinLoader::ResolveSkinName(const QString& skinName) const {
    const Settings& settings = player_.settings;
    QString base;
    if (!settings.SkinPath.isEmpty())
        base = AddSlash(settings.SkinPath);
    else if (!SkinDir.isEmpty())
        base = SkinDir;
    else
        base = AddSlash(player_.folders.program);

    const QString path = isAbsoluteSkinName(skinName) ? ResolveCaseInsensitive(skinName)
                                                      : SkinFilePath(base, skinName);
    if (isFile(path)) return path;
    const QString inProgram = SkinFilePath(player_.folders.program, FileOnly(skinName));
    return isFile(inProgram) ? inProgram : QString();
}

void SkinLoader::LoadSkin(const QString& skinName, bool importKnown) {
    const QString path = ResolveSkinName(skinName);
    if (path.isEmpty()) {
        player_.dialogs.Message(QStringLiteral("Skin not found!\rSkinName=") + skinName +
                                QStringLiteral("\rSkinPath=") + player_.settings.SkinPath);
        return;
    }
    SkinDir = PathOnly(path);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return; // unreadable: ends silently, nothing changed
    FieldReader in(DecodeText(file.readAll()));
    file.close();

    QString magic;
    try {
        magic = in.Field();
    } catch (const SkinError&) {
        // An empty file: no magic at all.
    }
    if (magic != kMagic) {
        player_.dialogs.Message(QStringLiteral("Invalid Skin!"));
        return;
    }

    player_.Timer1.stop();
    try {
        LoadAfterMagic(in, path, importKnown);
    } catch (const SkinError&) {
        // A malformed number, a read past the end, a cancelled import or a
        // picture that cannot be decoded: what was applied so far stays.
    }
    for (QImage& pic : Pic)
        pic = QImage();
    player_.Repaint();
    player_.Timer1.start();
}

void SkinLoader::LoadAfterMagic(FieldReader& in, const QString& path, bool importKnown) {
    const QString info = in.Line();
    std::array<QSize, 3> pixels;
    for (QSize& size : pixels) {
        const int16_t w = in.Int16();
        const int16_t h = in.Int16();
        size = QSize(w, h);
    }
    const QString bitmapDir = ReadBitmapLine(in, importKnown);

    Surface& surface = player_.surface;
    SkinInfo = info;
    player_.settings.Skin = path;
    WinPixels = pixels;
    for (size_t i = 0; i < WinSize.size(); ++i) {
        // 32 bits: a wide window in twips does not fit 16.
        WinSize[i] = {int32_t(pixels[i].width()) * player_.TwipX,
                      int32_t(pixels[i].height()) * player_.TwipY};
    }
    HideElements();
    RgnPointCount = RgnPointsRead = 0;
    RgnPts.clear();
    RgnCounts.clear();
    surface.outline.clear();

    surface.windowPixels = pixels[0].expandedTo(QSize(1, 1));
    if (MainWindow* window = player_.Window()) window->Resize(surface.windowPixels);

    CoolFlag = in.Int16();
    for (int i = 0; i < 7; ++i)
        in.Int16(); // reserved

    SkinRecords records(in, surface, *this, bitmapDir);
    records.ReadAll();

    surface.outline = BuildOutline(*this);
    for (QImage& pic : Pic)
        pic = QImage();
    player_.HFlag = 0;
    player_.Small = 0;
    Redisplay();

    if (!records.BadReferences().isEmpty()) {
        QString text = QStringLiteral("Error in skin file!\rThe skin file contains references "
                                      "to the following elements that do not exist!:\r");
        for (const QString& head : records.BadReferences())
            text += u' ' + head;
        player_.dialogs.Message(text);
    }
}

QString SkinLoader::ReadBitmapLine(FieldReader& in, bool importKnown) {
    Surface& surface = player_.surface;
    const QString first = in.Field();
    const QString second = in.Field();
    if (first != u'*') {
        const QString face = SkinFilePath(SkinDir, first);
        if (isFile(face))
            surface.face = ReadSkinPicture(face);
        else
            player_.dialogs.Message(QStringLiteral("Main bitmap not found: ") + face);
        const QString resource = SkinFilePath(SkinDir, second);
        if (!isFile(resource))
            player_.dialogs.Message(QStringLiteral("Resource bitmap not found: ") + resource);
        else
            surface.ResBmp = ReadSkinPicture(resource);
        return SkinDir;
    }

    // An imported skin: its bitmaps lie in a folder the user points at once.
    const QString filter = in.Field();
    const QString fileName = in.Field();
    if (importKnown) return player_.settings.SkinImport;
    FileDialogRequest request;
    request.title = QStringLiteral("Import Skin");
    request.filter = filter;
    request.initialFolder = second;
    request.fileName = fileName;
    const auto chosen = player_.dialogs.ShowFileDialog(request);
    if (!chosen) throw SkinError{QStringLiteral("import cancelled")};
    player_.settings.SkinImport = PathOnly(chosen->fileName);
    return player_.settings.SkinImport;
}

void SkinLoader::HideElements() {
    Surface& s = player_.surface;
    s.PlNames.visible = false;
    s.iCover.visible = false;
    s.TmpBtn.visible = false;
    for (auto& btn : s.Btn)
        btn.visible = false;
    for (auto& lbl : s.Lbl)
        lbl.visible = false;
    for (auto& light : s.Ind) {
        light.visible = false;
        light.rect = QRect(-10, -10, 5, 5);
    }
    for (auto& dig : s.Dig) {
        dig.visible = false;
        dig.glyphs.clear();
    }
    for (auto& knob : s.iSlider)
        knob.visible = false;
    for (auto& slide : SlideTab) {
        slide.w = slide.h = 0;
        slide.pos = 0;
    }
}

void SkinLoader::Redisplay() {
    // The window's display redraw, then the lights.
    player_.Form_Paint();
    player_.ShowLights();
}

void SkinLoader::SelectSkin() {
    FileDialogRequest request;
    request.title = QStringLiteral("Select Skin");
    request.filter = kSkinFilter;
    request.initialFolder =
        player_.settings.SkinPath.isEmpty() ? player_.folders.program : player_.settings.SkinPath;
    request.filterIndex = 1;
    const auto chosen = player_.dialogs.ShowFileDialog(request);
    if (!chosen) return;
    LoadSkin(chosen->fileName, false);
}

} // namespace velto
