// Finding, checking and applying a skin file; SelectSkin and imported skins.
#include "fakes/PlayerFixture.h"

using namespace velto;
using test::ButtonRecord;
using test::WriteSkin;

const QByteArray kRichRecords = ButtonRecord(1) +
                                "L2,1,1,5,5,0,0,0,8,F,t\r\n"
                                "D1,1,1,0,0,4,4,2,0,0,0,t\r\nS1,1,1,50,0,0,0,4,4,t\r\n"
                                "C,1,1,5,5,t\r\nX,1,1,5,5,0,0,0,9,9,9,8,F,t\r\n"
                                "N4\r\nP0,0\r\nP10,0\r\nP10,10\r\nP0,10\r\n";

using SkinLoading = test::PlayerFixture;

TEST_F(SkinLoading, AppliesTheHeaderHidesWhatANewSkinLacksAndResolvesNamesInTheSkinsFolder) {
    const QString path = WriteSkin(programDir, "a.skin", kRichRecords);
    player->HFlag = player->Small = 1;
    player->LoadSkin(path, false);
    EXPECT_TRUE(dialogs.messages.isEmpty() && player->settings.Skin == path &&
                window.size == QSize(200, 100) && player->HFlag + player->Small == 0);
    ASSERT_TRUE(s().Btn[1].visible && s().Lbl[2].visible && s().Dig[1].visible &&
                s().iSlider[1].visible && s().iCover.visible && s().PlNames.visible &&
                !s().outline.empty());

    LoadRecords("");
    EXPECT_FALSE(s().Btn[1].visible || s().Lbl[2].visible || s().Dig[1].visible ||
                 s().iSlider[1].visible || s().iCover.visible || s().PlNames.visible ||
                 !s().outline.empty());
    EXPECT_TRUE(skin().SlideTab[1].w == 0 && skin().BtnKey[1].isEmpty()); // they go with their skin

    // Twips of a wide window do not fit 16 bits (15 twips a pixel here).
    player->LoadSkin(programDir.write("wide.skin", "VeltoSkin\nwide\n3000,100,0,0,0,0\n"
                                                   "face.bmp,res.bmp\n2,0,0,0,0,0,0,0\n"),
                     false);
    EXPECT_TRUE(skin().WinSize[0].width == 45000 && skin().CoolFlag == 2);

    // Names resolve against the skins folder, then the program folder.
    test::TempDir skins;
    WriteSkin(skins, "only-here.skin", "");
    WriteSkin(skins, "neighbour.skin", "");
    const QString inProgram = WriteSkin(programDir, "fallback.skin", ButtonRecord(2));
    player->settings.SkinPath = skins.path(); // no trailing slash: one is added
    player->LoadSkin("only-here.skin", false);
    EXPECT_EQ(player->settings.Skin, skins.path() + "/only-here.skin");
    // Missing there: the program folder's. A name with a drive colon is never
    // joined to the skins folder.
    skins.write("C:\\skins\\fallback.skin", "VeltoSkin\n");
    for (const char* name : {"sub\\FALLBACK.SKIN", "C:\\skins\\fallback.skin"}) {
        player->LoadSkin(name, false);
        EXPECT_TRUE(player->settings.Skin == inProgram && s().Btn[2].visible) << name;
    }

    // Without a skins folder, the folder of the skin last loaded is the base.
    player->settings.SkinPath.clear();
    player->LoadSkin(skins.path() + "/only-here.skin", false);
    player->LoadSkin("Neighbour.skin", false);
    EXPECT_EQ(player->settings.Skin, skins.path() + "/neighbour.skin");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
}

TEST_F(SkinLoading, ABadMagicOrAMissingSkinChangesNothingButMissingBitmapsOnlyWarn) {
    const QString good = WriteSkin(programDir, "good.skin", kRichRecords);
    player->LoadSkin(good, false);
    const QImage face = s().face;
    window.size = QSize(1, 1);
    auto expectUnchanged = [&](const QString& skinName, const QStringList& messages) {
        dialogs.messages.clear();
        player->LoadSkin(skinName, false);
        EXPECT_EQ(dialogs.messages, messages) << skinName.toStdString();
        EXPECT_TRUE(player->settings.Skin == good && window.size == QSize(1, 1) &&
                    s().outline.size() == 1 && s().face == face && s().Btn[1].visible &&
                    player->Timer1.isActive());
    };
    for (const char* magic : {"VeltoSkins", "veltoskin", "", "VeltoSkin x"})
        expectUnchanged(
            programDir.write(magic + QStringLiteral(".skin"),
                             magic + QByteArray("\ninfo\n1,1,1,1,1,1\nface.bmp,res.bmp\n")),
            {"Invalid Skin!"});
    player->settings.SkinPath = "/no/such/skins";
    expectUnchanged("gone.skin", {"Skin not found!\rSkinName=gone.skin\rSkinPath=/no/such/skins"});

    // Missing bitmaps are only reported: the load goes on.
    const QString path = programDir.write("bare/n.skin", test::SkinHeader() + ButtonRecord(2));
    dialogs.messages.clear();
    player->LoadSkin(path, false);
    EXPECT_EQ(dialogs.messages,
              QStringList({"Main bitmap not found: " + programDir.path() + "/bare/face.bmp",
                           "Resource bitmap not found: " + programDir.path() + "/bare/res.bmp"}));
    EXPECT_TRUE(s().Btn[2].visible && player->settings.Skin == path);
}

// A skin whose bitmaps lie in a folder the user points at: magenta Main.bmp.
class ImportedSkin : public test::PlayerFixture {
protected:
    ImportedSkin() {
        test::WriteBitmap(bitmaps, "Main.bmp", {60, 30}, Qt::magenta);
        skinFile = programDir.write(
            "import.skin", "VeltoSkin\r\nImported\r\n60,30,60,30,60,30\r\n*,/where/it/was\r\n"
                           "\"Other player skin (main.bmp)|main.bmp\",main.bmp\r\n"
                           "0,0,0,0,0,0,0,0\r\nR2,main.bmp\r\n?0,none\r\nW0,60,30\r\n"
                           "Z0,0,0,60,30,0,0\r\nU\r\n:none\r\n" +
                               ButtonRecord(1));
        dialogs.onFileDialog = [this](const FileDialogRequest&) {
            timerRanDuringDialog << player->Timer1.isActive();
        };
    }
    void Choose(const QString& f) {
        dialogs.fileAnswers.push_back(FileDialogResult{.fileName = f});
    }
    test::TempDir bitmaps;
    QString skinFile;
    QList<bool> timerRanDuringDialog;
};

TEST_F(ImportedSkin, AtStartUpItAsksNothingAndThroughSelectSkinEveryTime) {
    store.Set("Skin", skinFile);
    store.Set("SkinImport", bitmaps.path() + "/");
    player->Form_Load({});
    EXPECT_TRUE(dialogs.fileRequests.empty() && dialogs.messages.isEmpty());
    EXPECT_TRUE(s().face.pixelColor(10, 10) == QColor(Qt::magenta) && s().Btn[1].visible);

    player->settings.SkinPath = "/my/skins";
    player->settings.SkinImport.clear();
    for (int round = 0; round < 2; ++round) {
        Choose(skinFile);
        Choose(bitmaps.path() + "/Main.bmp");
        player->SelectSkin();
    }
    ASSERT_EQ(dialogs.fileRequests.size(), 4u);
    EXPECT_EQ(dialogs.fileRequests[0].initialFolder, "/my/skins");
    for (const FileDialogRequest& import : {dialogs.fileRequests[1], dialogs.fileRequests[3]})
        EXPECT_TRUE(import.filter == "Other player skin (main.bmp)|main.bmp" &&
                    import.initialFolder == "/where/it/was");
    // The playback timer stops for the import dialog, which runs inside the load.
    EXPECT_EQ(timerRanDuringDialog, QList<bool>({true, false, true, false}));
    EXPECT_TRUE(player->settings.SkinImport == bitmaps.path() + "/" && player->Timer1.isActive());
}

TEST_F(ImportedSkin, CancellingEitherDialogChangesNothing) {
    const QString before = WriteSkin(programDir, "before.skin", ButtonRecord(2));
    player->LoadSkin(before, false);
    dialogs.fileAnswers.push_back(std::nullopt);
    player->LoadSkin(skinFile, false);
    Choose(""); // no file chosen is a cancel too
    player->SelectSkin();
    EXPECT_EQ(dialogs.fileRequests.back().initialFolder, programDir.path());
    EXPECT_TRUE(player->settings.Skin == before && player->settings.SkinImport.isEmpty() &&
                player->Timer1.isActive());
    EXPECT_TRUE(s().Btn[2].visible && s().face.pixelColor(1, 1) == QColor(Qt::darkBlue));
}
