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
#include "skin/SkinHeader.h"
#include "skin/SkinOutline.h"
#include "skin/SkinRecords.h"
#include "state/Notify.h"
#include "state/PlayerState.h"

#include <QFile>
#include <QTimer>

#include <algorithm>

namespace velto {

namespace {

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

bool SkinLoader::LoadSkin(const QString& skinName, bool importKnown) {
    const QString path = ResolveSkinName(skinName);
    if (path.isEmpty()) {
        dialogs_.Message(QStringLiteral("Skin not found!\rSkinName=") + skinName +
                         QStringLiteral("\rSkinPath=") + s_.settings.SkinPath);
        return false;
    }
    s_.skin.SkinDir = PathOnly(path);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        dialogs_.Message(QStringLiteral("Skin file cannot be read: ") + path + u'\r' +
                         file.errorString());
        return false;
    }
    // Refused by its size before it is parsed: a huge file would hold the
    // window for as long as it takes. No more is asked than the file holds:
    // asking for the whole limit sets that much memory aside first.
    const qint64 size = file.size();
    const QByteArray bytes =
        file.read(size > 0 ? std::min(size + 1, kMaxSkinFileSize + 1) : kMaxSkinFileSize + 1);
    file.close();
    FieldReader in(bytes.size() > kMaxSkinFileSize ? QString() : DecodeText(bytes));
    if (!ReadSkinMagic(in)) {
        dialogs_.Message(QStringLiteral("Invalid Skin!"));
        return false;
    }
    SkinHeader header;
    try {
        header = ReadSkinHeader(in);
    } catch (const SkinError& e) {
        QString why = e.why;
        if (!why.isEmpty()) why[0] = why[0].toUpper();
        dialogs_.Message(QStringLiteral("Skin header cannot be read: ") + path + u'\r' + why +
                         u'.');
        return false;
    }

    timer1_.stop();
    const bool loaded = Build(in, path, header, importKnown);
    for (QImage& pic : s_.skin.Pic)
        pic = QImage();
    repaint_.Repaint();
    timer1_.start();
    return loaded;
}

bool SkinLoader::Build(FieldReader& in, const QString& path, const SkinHeader& header,
                       bool importKnown) {
    // Undone whole when a picture turns out unusable, so the skin on screen
    // stays rather than a blank window.
    const Surface oldSurface = s_.surface;
    const SkinState oldSkin = s_.skin;
    const QString oldSkinSetting = s_.settings.Skin;
    try {
        const std::optional<QString> bitmapDir = LoadBitmaps(header, importKnown);
        if (!bitmapDir) return false;
        ApplyHeader(header, path);
        SkinRecords records(in, s_.surface, s_.skin, *bitmapDir);
        try {
            records.ReadAll();
            Finish(records.BadReferences());
        } catch (const SkinError& e) {
            // A malformed number or a read past the end: what was applied
            // so far stays, without a word to the user.
            qWarning("skin %s: %s", qUtf8Printable(path), qUtf8Printable(e.why));
        }
    } catch (const SkinRefused& refused) {
        s_.surface = oldSurface;
        s_.skin = oldSkin;
        s_.settings.Skin = oldSkinSetting;
        dialogs_.Message(refused.message);
        return false;
    }
    if (window_) window_->Resize(s_.surface.windowPixels);
    return true;
}

void SkinLoader::ApplyHeader(const SkinHeader& header, const QString& path) {
    Surface& surface = s_.surface;
    SkinState& skin = s_.skin;
    skin.SkinInfo = header.info;
    s_.settings.Skin = path;
    skin.WinPixels = header.pixels;
    for (size_t i = 0; i < skin.WinSize.size(); ++i) {
        // 32 bits: a wide window in twips does not fit 16.
        skin.WinSize[i] = {int32_t(header.pixels[i].width()) * s_.TwipX,
                           int32_t(header.pixels[i].height()) * s_.TwipY};
    }
    HideElements();
    skin.RgnPointCount = skin.RgnPointsRead = 0;
    skin.RgnPts.clear();
    skin.RgnCounts.clear();
    surface.outline.clear();
    surface.windowPixels = header.pixels[0].expandedTo(QSize(1, 1));
    skin.CoolFlag = header.coolFlag;
}

void SkinLoader::Finish(const QStringList& badReferences) {
    s_.surface.outline = BuildOutline(s_.skin);
    for (QImage& pic : s_.skin.Pic)
        pic = QImage();
    s_.HFlag = 0;
    s_.Small = 0;
    // The window's display redraw, then the lights.
    display_.Form_Paint();
    display_.ShowLights();
    if (!badReferences.isEmpty()) dialogs_.Message(BadReferenceMessage(badReferences));
}

QString BadReferenceMessage(const QStringList& heads) {
    // A skin repeating a bad head for megabytes must not make a message box
    // nobody can read or lay out.
    constexpr qsizetype kListed = 50;
    QString text = QStringLiteral("Error in skin file!\rThe skin file contains references "
                                  "to the following elements that do not exist!:\r");
    for (qsizetype i = 0; i < std::min(heads.size(), kListed); ++i)
        text += u' ' + heads[i];
    if (heads.size() > kListed) text += QStringLiteral(" ...");
    return text;
}

std::optional<QString> SkinLoader::LoadBitmaps(const SkinHeader& header, bool importKnown) {
    Surface& surface = s_.surface;
    if (!header.Imported()) {
        // Both decoded before either is used.
        QImage face, resource;
        const QString facePath = SkinFilePath(s_.skin.SkinDir, header.mainBitmap);
        if (IsRegularFile(facePath))
            face = ReadSkinPicture(facePath);
        else
            dialogs_.Message(QStringLiteral("Main bitmap not found: ") + facePath);
        const QString resourcePath = SkinFilePath(s_.skin.SkinDir, header.resourceBitmap);
        if (!IsRegularFile(resourcePath))
            dialogs_.Message(QStringLiteral("Resource bitmap not found: ") + resourcePath);
        else
            resource = ReadSkinPicture(resourcePath);
        if (!face.isNull()) surface.face = face;
        if (!resource.isNull()) surface.ResBmp = resource;
        return s_.skin.SkinDir;
    }

    // An imported skin: its bitmaps lie in a folder the user points at once.
    if (importKnown) return s_.settings.SkinImport;
    const auto chosen = AskForFile(dialogs_, {.title = QStringLiteral("Import Skin"),
                                              .filter = header.importFilter,
                                              .initialFolder = header.resourceBitmap,
                                              .fileName = header.importFile});
    if (!chosen) return std::nullopt;
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
