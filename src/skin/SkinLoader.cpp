#include "skin/SkinLoader.h"

#include "common/Numbers.h"
#include "common/PathNames.h"
#include "common/TextFiles.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Folders.h"
#include "platform/MainWindow.h"
#include "skin/Display.h"
#include "skin/FieldReader.h"
#include "skin/SkinOutline.h"
#include "skin/SkinRecords.h"
#include "state/Notify.h"
#include "state/PlayerState.h"

#include <QFile>
#include <QTimer>

#include <algorithm>

namespace velto {

namespace {

const QString kMagic = QStringLiteral("VeltoSkin");
const QString kSkinFilter = QStringLiteral("Skin control file (*.skin)|*.skin");

// Used unchanged: "/…" here, or a Windows name with a drive colon.
bool isAbsoluteSkinName(const QString& name) {
    return name.startsWith(u'/') || name.contains(u':');
}

} // namespace

QString SkinLoader::ResolveSkinName(const QString& skinName) const {
    const Settings& settings = s_.settings;
    const SkinState& skin = s_.skin;
    QString base;
    if (!settings.SkinPath.isEmpty())
        base = AddSlash(settings.SkinPath);
    else if (!skin.SkinDir.isEmpty())
        base = skin.SkinDir;
    else
        base = AddSlash(folders_.program);

    const QString path = isAbsoluteSkinName(skinName) ? ResolveCaseInsensitive(skinName)
                                                      : SkinFilePath(base, skinName);
    if (IsRegularFile(path)) return path;
    const QString inProgram = SkinFilePath(folders_.program, FileOnly(skinName));
    return IsRegularFile(inProgram) ? inProgram : QString();
}

void SkinLoader::LoadSkin(const QString& skinName, bool importKnown) {
    const QString path = ResolveSkinName(skinName);
    if (path.isEmpty()) {
        dialogs_.Message(QStringLiteral("Skin not found!\rSkinName=") + skinName +
                         QStringLiteral("\rSkinPath=") + s_.settings.SkinPath);
        return;
    }
    s_.skin.SkinDir = PathOnly(path);

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
        dialogs_.Message(QStringLiteral("Invalid Skin!"));
        return;
    }

    timer1_.stop();
    try {
        LoadAfterMagic(in, path, importKnown);
    } catch (const SkinError& e) {
        // A malformed number, a read past the end, a cancelled import or a
        // picture that cannot be decoded: what was applied so far stays.
        qWarning("skin %s: %s", qUtf8Printable(path), qUtf8Printable(e.why));
    }
    for (QImage& pic : s_.skin.Pic)
        pic = QImage();
    repaint_.Repaint();
    timer1_.start();
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

    Surface& surface = s_.surface;
    SkinState& skin = s_.skin;
    skin.SkinInfo = info;
    s_.settings.Skin = path;
    skin.WinPixels = pixels;
    for (size_t i = 0; i < skin.WinSize.size(); ++i) {
        // 32 bits: a wide window in twips does not fit 16.
        skin.WinSize[i] = {int32_t(pixels[i].width()) * s_.TwipX,
                           int32_t(pixels[i].height()) * s_.TwipY};
    }
    HideElements();
    skin.RgnPointCount = skin.RgnPointsRead = 0;
    skin.RgnPts.clear();
    skin.RgnCounts.clear();
    surface.outline.clear();

    surface.windowPixels = pixels[0].expandedTo(QSize(1, 1));
    if (window_) window_->Resize(surface.windowPixels);

    skin.CoolFlag = in.Int16();
    for (int i = 0; i < 7; ++i)
        in.Int16(); // reserved

    SkinRecords records(in, surface, skin, bitmapDir);
    records.ReadAll();

    surface.outline = BuildOutline(skin);
    for (QImage& pic : skin.Pic)
        pic = QImage();
    s_.HFlag = 0;
    s_.Small = 0;
    // The window's display redraw, then the lights.
    display_.Form_Paint();
    display_.ShowLights();

    if (!records.BadReferences().isEmpty()) {
        QString text = QStringLiteral("Error in skin file!\rThe skin file contains references "
                                      "to the following elements that do not exist!:\r");
        for (const QString& head : records.BadReferences())
            text += u' ' + head;
        dialogs_.Message(text);
    }
}

QString SkinLoader::ReadBitmapLine(FieldReader& in, bool importKnown) {
    Surface& surface = s_.surface;
    const QString first = in.Field();
    const QString second = in.Field();
    if (first != u'*') {
        const QString face = SkinFilePath(s_.skin.SkinDir, first);
        if (IsRegularFile(face))
            surface.face = ReadSkinPicture(face);
        else
            dialogs_.Message(QStringLiteral("Main bitmap not found: ") + face);
        const QString resource = SkinFilePath(s_.skin.SkinDir, second);
        if (!IsRegularFile(resource))
            dialogs_.Message(QStringLiteral("Resource bitmap not found: ") + resource);
        else
            surface.ResBmp = ReadSkinPicture(resource);
        return s_.skin.SkinDir;
    }

    // An imported skin: its bitmaps lie in a folder the user points at once.
    const QString filter = in.Field();
    const QString fileName = in.Field();
    if (importKnown) return s_.settings.SkinImport;
    const auto chosen = AskForFile(dialogs_, {.title = QStringLiteral("Import Skin"),
                                              .filter = filter,
                                              .initialFolder = second,
                                              .fileName = fileName});
    if (!chosen) throw SkinError{QStringLiteral("import cancelled")};
    s_.settings.SkinImport = PathOnly(chosen->fileName);
    return s_.settings.SkinImport;
}

void SkinLoader::HideElements() {
    Surface& s = s_.surface;
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
    for (auto& slide : s_.skin.SlideTab) {
        slide.w = slide.h = 0;
        slide.pos = 0;
    }
    // Keys go with their skin: only the buttons on screen answer them.
    s_.skin.BtnKey.fill(QString());
}

void SkinLoader::SelectSkin() {
    const QString folder = s_.settings.SkinPath.isEmpty() ? folders_.program : s_.settings.SkinPath;
    const auto chosen = AskForFile(
        dialogs_,
        {.title = QStringLiteral("Select Skin"), .filter = kSkinFilter, .initialFolder = folder});
    if (!chosen) return;
    LoadSkin(chosen->fileName, false);
}

} // namespace velto
