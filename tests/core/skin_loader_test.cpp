// Finding, checking and applying a skin file; SelectSkin and imported skins.
#include "fakes/PlayerFixture.h"
#include "skin/SkinLoader.h"
#include "skin_test_support.h"

using namespace velto;
using velto::test::PlayerFixture;
using velto::test::WriteSkin;

namespace {

FileDialogResult Chosen(const QString& path) {
    FileDialogResult r;
    r.fileName = path;
    return r;
}

const QByteArray kRichRecords = "B1,1,1,5,5,0,0,A,x\r\nL2,1,1,5,5,0,0,0,8,F,t\r\n"
                                "D1,1,1,0,0,4,4,2,0,0,0,t\r\nS1,1,1,50,0,0,0,4,4,t\r\n"
                                "C,1,1,5,5,t\r\nX,1,1,5,5,0,0,0,9,9,9,8,F,t\r\n"
                                "N4\r\nP0,0\r\nP10,0\r\nP10,10\r\nP0,10\r\n";

} // namespace

class SkinLoading : public PlayerFixture {
protected:
    const Surface& s() const { return player->surface; }
};

TEST_F(SkinLoading, AppliesTheHeaderSizesInTwipsAndResetsTheSizeToggles) {
    const QString path = WriteSkin(programDir, "a.skin", kRichRecords);
    player->HFlag = 1;
    player->Small = 1;
    player->TwipX = 15;
    player->TwipY = 12;
    player->LoadSkin(path, false);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(player->settings.Skin, path);
    EXPECT_EQ(player->skin->SkinDir, programDir.path() + "/");
    EXPECT_EQ(player->skin->WinSize[0].width, 3000);
    EXPECT_EQ(player->skin->WinSize[0].height, 1200);
    EXPECT_EQ(player->skin->WinSize[2].width, 1500);
    EXPECT_EQ(player->skin->WinPixels[1], QSize(200, 50));
    EXPECT_EQ(s().windowPixels, QSize(200, 100));
    EXPECT_EQ(window.size, QSize(200, 100));
    EXPECT_EQ(player->HFlag, 0);
    EXPECT_EQ(player->Small, 0);
    EXPECT_EQ(s().face.pixelColor(3, 3), QColor(Qt::darkBlue));
    EXPECT_EQ(s().ResBmp.size(), QSize(200, 200));
    EXPECT_EQ(s().outline.size(), 1u);
    EXPECT_GT(window.surfaceChanges, 0);

    // Twips of a wide window do not fit 16 bits.
    player->LoadSkin(programDir.write("wide.skin", "VeltoSkin\nwide\n3000,100,0,0,0,0\n"
                                                   "face.bmp,res.bmp\n2,0,0,0,0,0,0,0\n"),
                     false);
    EXPECT_EQ(player->skin->WinSize[0].width, 45000);
    EXPECT_EQ(player->skin->CoolFlag, 2);
}

TEST_F(SkinLoading, ANewSkinHidesWhatItDoesNotNameAndKeepsOldTables) {
    player->LoadSkin(WriteSkin(programDir, "a.skin", kRichRecords), false);
    ASSERT_TRUE(s().Btn[1].visible && s().Lbl[2].visible && s().Dig[1].visible &&
                s().iSlider[1].visible && s().iCover.visible && s().PlNames.visible);
    EXPECT_EQ(player->skin->SlideTab[1].w, 50);

    player->LoadSkin(WriteSkin(programDir, "empty.skin", ""), false);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    for (int i = 1; i <= 50; ++i)
        EXPECT_FALSE(s().Btn[i].visible) << i;
    for (int i = 1; i <= 20; ++i)
        EXPECT_FALSE(s().Lbl[i].visible) << i;
    // Lights are parked out of sight; ShowLights alone decides their visibility.
    for (int i = 1; i <= 16; ++i)
        EXPECT_EQ(s().Ind[i].rect, QRect(-10, -10, 5, 5)) << i;
    for (int i = 1; i <= 6; ++i)
        EXPECT_FALSE(s().Dig[i].visible) << i;
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(s().iSlider[i].visible) << i;
    EXPECT_FALSE(s().iCover.visible);
    EXPECT_FALSE(s().PlNames.visible);
    EXPECT_TRUE(s().outline.empty());
    EXPECT_EQ(player->skin->SlideTab[1].w, 0); // track length zeroed
    EXPECT_EQ(player->skin->SlideTab[1].c, 4); // the rest kept until overwritten
    EXPECT_EQ(player->skin->DigTab[1].dw, 4);
    EXPECT_EQ(player->skin->BtnKey[1], "A");
}

TEST_F(SkinLoading, ABadMagicOrAMissingSkinChangesNothing) {
    const QString good = WriteSkin(programDir, "good.skin", kRichRecords);
    player->LoadSkin(good, false);
    const QImage face = s().face;
    const auto outline = s().outline;
    window.size = QSize(1, 1);

    for (const QByteArray& text : {QByteArray("VeltoSkins\n"), QByteArray("veltoskin\n"),
                                   QByteArray(""), QByteArray("VeltoSkin x\n")}) {
        SCOPED_TRACE(text.toStdString());
        dialogs.messages.clear();
        const QString bad = programDir.write("bad.skin", text + "info\n1,1,1,1,1,1\n"
                                                                "face.bmp,res.bmp\n");
        player->LoadSkin(bad, false);
        ASSERT_EQ(dialogs.messages, QStringList({"Invalid Skin!"}));
        EXPECT_EQ(player->settings.Skin, good);
        EXPECT_EQ(window.size, QSize(1, 1));
        EXPECT_EQ(s().outline, outline);
        EXPECT_EQ(s().face, face);
        EXPECT_TRUE(s().Btn[1].visible);
    }

    dialogs.messages.clear();
    player->settings.SkinPath = "/no/such/skins";
    player->LoadSkin("gone.skin", false);
    ASSERT_EQ(dialogs.messages,
              QStringList({"Skin not found!\rSkinName=gone.skin\rSkinPath=/no/such/skins"}));
    EXPECT_EQ(player->settings.Skin, good);
    EXPECT_TRUE(s().Btn[1].visible);
}

TEST_F(SkinLoading, NamesResolveAgainstTheSkinsFolderThenTheProgramFolder) {
    test::TempDir skins;
    WriteSkin(skins, "only-here.skin", "B1,1,1,5,5,0,0,A,x\r\n");
    const QString inProgram = WriteSkin(programDir, "fallback.skin", "B2,1,1,5,5,0,0,A,x\r\n");

    player->settings.SkinPath = skins.path(); // no trailing slash: one is added
    player->LoadSkin("only-here.skin", false);
    EXPECT_EQ(player->settings.Skin, skins.path() + "/only-here.skin");

    player->LoadSkin("sub\\FALLBACK.SKIN", false); // missing there: the program folder's
    EXPECT_EQ(player->settings.Skin, inProgram);
    EXPECT_TRUE(s().Btn[2].visible);

    // A name with a drive colon is never joined to the skins folder.
    skins.write("C:\\skins\\fallback.skin", "VeltoSkin\n");
    player->LoadSkin("C:\\skins\\fallback.skin", false);
    EXPECT_EQ(player->settings.Skin, inProgram);

    // Without a skins folder, the folder of the skin last loaded is the base.
    player->settings.SkinPath.clear();
    player->LoadSkin(skins.path() + "/only-here.skin", false);
    WriteSkin(skins, "neighbour.skin", "B3,1,1,5,5,0,0,A,x\r\n");
    player->LoadSkin("Neighbour.skin", false);
    EXPECT_EQ(player->settings.Skin, skins.path() + "/neighbour.skin");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
}

TEST_F(SkinLoading, MissingBitmapsAreReportedAndTheLoadGoesOn) {
    const QString path =
        programDir.write("nobmp.skin", test::SkinHeader() + "B1,1,1,5,5,0,0,A,x\r\n");
    player->LoadSkin(path, false);
    EXPECT_EQ(dialogs.messages,
              QStringList({"Main bitmap not found: " + programDir.path() + "/face.bmp",
                           "Resource bitmap not found: " + programDir.path() + "/res.bmp"}));
    EXPECT_TRUE(s().Btn[1].visible);
    EXPECT_EQ(player->settings.Skin, path);

    // A bitmap that cannot be decoded ends the load before anything is applied.
    dialogs.messages.clear();
    programDir.write("face.bmp", "BM not really");
    test::WriteBitmap(programDir, "res.bmp", {4, 4}, Qt::red);
    player->settings.Skin.clear();
    player->LoadSkin(path, false);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(player->settings.Skin.isEmpty());
    EXPECT_TRUE(player->Timer1.isActive());
}

class ImportedSkin : public SkinLoading {
protected:
    ImportedSkin() {
        QImage main(60, 30, QImage::Format_RGB32);
        main.fill(Qt::magenta);
        main.save(bitmaps.file("Main.bmp"), "BMP");
        skinFile = programDir.write(
            "import.skin", "VeltoSkin\r\nImported\r\n60,30,60,30,60,30\r\n*,/where/it/was\r\n"
                           "\"Other player skin (main.bmp)|main.bmp\",main.bmp\r\n"
                           "0,0,0,0,0,0,0,0\r\nR2,main.bmp\r\n?0,none\r\nW0,60,30\r\n"
                           "Z0,0,0,60,30,0,0\r\nU\r\n:none\r\nB1,1,1,5,5,0,0,A,x\r\n");
        // Whether the playback timer ran while each file dialog was open.
        dialogs.onFileDialog = [this](const FileDialogRequest&) {
            timerRanDuringDialog << player->Timer1.isActive();
        };
    }
    test::TempDir bitmaps;
    QString skinFile;
    QList<bool> timerRanDuringDialog;
};

TEST_F(ImportedSkin, AtStartUpItUsesTheKnownFolderAndAsksNothing) {
    store.Set("Skin", skinFile);
    store.Set("SkinImport", bitmaps.path() + "/");
    player->Form_Load({});
    EXPECT_TRUE(dialogs.fileRequests.empty());
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    EXPECT_EQ(s().face.pixelColor(10, 10), QColor(Qt::magenta));
    EXPECT_TRUE(s().Btn[1].visible);
    EXPECT_EQ(player->skin->SkinInfo, "Imported");
}

TEST_F(ImportedSkin, SelectSkinAsksForTheImportFolderEveryTime) {
    player->settings.SkinPath = "/my/skins";
    player->Timer1.start();
    for (int round = 0; round < 2; ++round) {
        dialogs.fileAnswers.push_back(Chosen(skinFile));
        dialogs.fileAnswers.push_back(Chosen(bitmaps.path() + "/Main.bmp"));
        player->SelectSkin();
    }
    ASSERT_EQ(dialogs.fileRequests.size(), 4u);
    const FileDialogRequest& select = dialogs.fileRequests[0];
    EXPECT_EQ(select.title, "Select Skin");
    EXPECT_EQ(select.filter, "Skin control file (*.skin)|*.skin");
    EXPECT_EQ(select.initialFolder, "/my/skins");
    EXPECT_EQ(select.filterIndex, 1);
    EXPECT_FALSE(select.save);
    const FileDialogRequest& import = dialogs.fileRequests[1];
    EXPECT_EQ(import.title, "Import Skin");
    EXPECT_EQ(import.filter, "Other player skin (main.bmp)|main.bmp");
    EXPECT_EQ(import.fileName, "main.bmp");
    EXPECT_EQ(import.initialFolder, "/where/it/was");
    EXPECT_EQ(dialogs.fileRequests[3].title, "Import Skin");
    // The playback timer stops for the import dialog, which runs inside the load.
    EXPECT_EQ(timerRanDuringDialog, QList<bool>({true, false, true, false}));
    EXPECT_EQ(player->settings.SkinImport, bitmaps.path() + "/");
    EXPECT_EQ(player->settings.Skin, skinFile);
    EXPECT_EQ(s().face.pixelColor(10, 10), QColor(Qt::magenta));
    EXPECT_TRUE(player->Timer1.isActive());
}

TEST_F(ImportedSkin, CancellingTheImportChangesNothing) {
    const QString before = WriteSkin(programDir, "before.skin", "B2,1,1,5,5,0,0,A,x\r\n");
    player->LoadSkin(before, false);
    dialogs.fileAnswers.push_back(std::nullopt);
    player->LoadSkin(skinFile, false);
    EXPECT_EQ(player->settings.Skin, before);
    EXPECT_TRUE(player->settings.SkinImport.isEmpty());
    EXPECT_TRUE(s().Btn[2].visible);
    EXPECT_EQ(s().face.pixelColor(1, 1), QColor(Qt::darkBlue));
    EXPECT_TRUE(player->Timer1.isActive());
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // Cancelling "Select Skin" itself does nothing at all.
    player->SelectSkin();
    EXPECT_EQ(player->settings.Skin, before);
    EXPECT_EQ(dialogs.fileRequests.back().initialFolder, programDir.path());
}
