// The options dialog, offscreen: controls, on-top state, schedule, documents, layout.
#include "playlist/FolderScan.h"
#include "scheduler/Scheduler.h"
#include "ui/WindowFixture.h"
#include "ui/options/Pref.h"
#include "ui/options/QtOptionsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace velto;

namespace {

const QString kSourceDocs =
    QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../docs/manual";

class OptionsDialog : public test::WindowFixture {
protected:
    OptionsDialog() : host(&form) {
        optionsWindow = &host;
        MakePlayer(&form);
        form.AttachPlayer(player.get());
        host.AttachPlayer(player.get());
    }
    ~OptionsDialog() override { host.CloseDialog(); }

    Pref* Open() { return player->DoIt(Code(Action::Options)), host.Dialog(); }
    template <typename T> T* Find(const QString& name) {
        T* control = host.Dialog() ? host.Dialog()->findChild<T*>(name) : nullptr;
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    // Typed keys; "\b" is Backspace.
    void Type(const QString& box, const QString& keys) {
        for (const QChar c : keys)
            Key(Find<QLineEdit>(box), c == u'\b' ? int(Qt::Key_Backspace) : c.unicode(),
                c == u'\b' ? QString() : QString(c));
    }
    bool OnTop() const { return form.windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

    QtOptionsWindow host;
};

} // namespace

TEST_F(OptionsDialog, EveryControlShowsItsSettingAndWritesItAtOnce) {
    Settings& s = player->settings;
    const std::vector<std::pair<QString, int16_t*>> flags = {
        {"cbOnTop", &s.WinOnTop},        {"cbSnap", &s.WinSnap},
        {"cbSaveWin", &s.WinSavePos},    {"cbAutoEn", &s.Auto},
        {"cbAutoPlay", &s.AutoPlay},     {"cbClrPl", &s.ClearPLFirst},
        {"cbScrollName", &s.ScrollName}, {"cbTagCover", &s.UseTagCover},
        {"cbTimeFmt", &s.TimeFmt},       {"cbStartMin", &s.StartMin},
        {"cbMinOnSnz", &s.SnoozeHide},   {"cbSnoozeEn", &s.Snooze}};
    for (const auto& [name, flag] : flags)
        *flag = 1;
    s.StartMd = s.SnoozeMode = 1;
    s.PBOverlap = 1500;
    s.StartPlaylist = "evening.m3u";
    s.SkinPath = "/skins/";
    s.VisPLPath = "/lists/";
    ASSERT_NE(Open(), nullptr);

    for (const auto& [name, flag] : flags) {
        QCheckBox* box = Find<QCheckBox>(name);
        EXPECT_TRUE(box->isChecked()) << name.toStdString();
        box->click();
        EXPECT_EQ(*flag, 0) << name.toStdString();
    }
    for (const auto& [group, setting] :
         {std::pair{"TuneOpt", &s.StartMd}, {"SnzMd", &s.SnoozeMode}}) {
        EXPECT_TRUE(Find<QRadioButton>(group + QString("(1)"))->isChecked());
        Find<QRadioButton>(group + QString("(0)"))->click();
        EXPECT_EQ(*setting, 0) << group;
    }

    const std::vector<std::tuple<QString, QString*, QString>> texts = {
        {"StartPlaylist", &s.StartPlaylist, "evening.m3u"},
        {"ValExt", &s.ValidExt, kDefaultValidExt}, // never stored: the list in force
        {"SnoozeAt", &s.SnoozeTime, "23:59"},
        {"SkinPath", &s.SkinPath, "/skins/"}};
    for (const auto& [name, setting, shown] : texts) {
        EXPECT_EQ(Find<QLineEdit>(name)->text(), shown) << name.toStdString();
        Find<QLineEdit>(name)->clear();
        Type(name, "7:3");
        EXPECT_EQ(*setting, "7:3") << name.toStdString();
    }
    // Only the picker sets the selector's folder.
    EXPECT_EQ(Find<QLineEdit>("VisPLD")->text(), "/lists/");
    Type("VisPLD", "x");
    EXPECT_EQ(s.VisPLPath, "/lists/");
    dialogs.folderAnswers = {QString("/home/me/vis")};
    Find<QPushButton>("cSetVPD")->click();
    EXPECT_TRUE(s.VisPLPath == "/home/me/vis/" && Find<QLineEdit>("VisPLD")->text() == s.VisPLPath);

    // The overlap box takes whole milliseconds that fit.
    QLineEdit* box = Find<QLineEdit>("PBOverlap");
    EXPECT_EQ(box->text(), "1500");
    box->clear();
    EXPECT_EQ(s.PBOverlap, 0);
    Type("PBOverlap", "3276-x.8"); // 32768 does not fit
    EXPECT_EQ(box->text(), "3276");
    Type("PBOverlap", "7");
    EXPECT_EQ(s.PBOverlap, 32767);
    EXPECT_TRUE(store.writes.empty()); // the store is written at exit only
}

TEST_F(OptionsDialog, AlwaysOnTopActsAtOnceAndAgainWhenTheDialogCloses) {
    player->settings.WinOnTop = 1;
    player->SetOnTop(1);
    Pref* dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(player->OptionsVisible && dialog->isModal());
    EXPECT_FALSE(OnTop());     // the dialog must not hide behind it
    EXPECT_EQ(Open(), dialog); // already open: nothing new
    Find<QPushButton>("cmdOk")->click();
    EXPECT_TRUE(OnTop() && !player->OptionsVisible);

    Open();
    QCheckBox* box = Find<QCheckBox>("cbOnTop");
    box->click(); // off: stays off
    EXPECT_FALSE(OnTop());
    box->click(); // on: at once, while the dialog is open
    EXPECT_TRUE(OnTop());
    player->SetOnTop(0);
    host.Dialog()->close();
    EXPECT_TRUE(OnTop() && !player->OptionsVisible);
}

TEST_F(OptionsDialog, TheScheduleEditorChangesTheLiveListAndOpeningRestartsTheSnooze) {
    player->AutoList = {"D 07:30 08:15 03"};
    player->Schedule().snooze.SnzMin_Click("5");
    Open();
    EXPECT_EQ(player->Schedule().snooze.SnzLeft(), -30);
    auto* list = Find<QListWidget>("OOList");
    ASSERT_EQ(list->count(), 1);
    EXPECT_TRUE(QFontInfo(list->font()).fixedPitch()); // the columns line up

    Find<QComboBox>("OODay")->setCurrentIndex(5); // Saturday
    Type("OOOffTime", "\b\b\b\b\b6:00");
    Type("OOPreset", "2");
    Find<QPushButton>("OOAddBtn")->click();
    EXPECT_EQ(player->AutoList, QStringList({"D 07:30 08:15 03", "S 00:00 06:00 02"}));
    Type("OOOnTime", "\b\b\b\b\b25:00");
    Find<QPushButton>("OOAddBtn")->click();
    EXPECT_EQ(dialogs.messages, QStringList{"Times must be typed as HH:MM (24-hour clock)!"});
    EXPECT_EQ(player->AutoList.size(), 2);

    list->setCurrentRow(1);
    Find<QPushButton>("OODelBtn")->click();
    EXPECT_EQ(player->AutoList, QStringList{"D 07:30 08:15 03"});
    EXPECT_EQ(list->currentRow(), 0);

    Find<QComboBox>("SnzMin")->setCurrentIndex(0); // choosing "5" restarts the count
    emit Find<QComboBox>("SnzMin")->activated(0);
    EXPECT_EQ(player->Schedule().snooze.SnzLeft(), -5);
}

TEST_F(OptionsDialog, TheDocumentsShowAndEveryTabIsLaidOutWithNothingCutAtAnyFontSize) {
    QFile::copy(kSourceDocs + "/Velto.txt", programDir.file("Velto.txt"));
    QFile::copy(kSourceDocs + "/credits.txt", programDir.file("CREDITS.TXT"));
    QDir(programDir.path()).mkdir("skins.txt"); // a folder is not a document
    ASSERT_NE(Open(), nullptr);
    auto* viewer = Find<QPlainTextEdit>("txtMsg");
    EXPECT_TRUE(viewer->toPlainText().startsWith("VELTO PLAYER - USER'S GUIDE\n"));
    EXPECT_TRUE(viewer->isReadOnly());
    for (const QString view : {"optView(1)", "optView(2)"}) { // missing; a folder
        Find<QRadioButton>(view)->click();
        EXPECT_EQ(viewer->toPlainText(), "Could not open file!");
    }
    Find<QRadioButton>("optView(3)")->click(); // found in another case
    EXPECT_TRUE(viewer->toPlainText().startsWith("VELTO PLAYER - CREDITS"));
    host.CloseDialog();

    LoadDefaultSkin();
    const QFont normal = QApplication::font();
    for (const qreal scale : {1.0, 2.0}) {
        QFont font = normal;
        font.setPointSizeF(normal.pointSizeF() * scale);
        QApplication::setFont(font);
        Pref* dialog = Open();
        ASSERT_NE(dialog, nullptr);
        QTabWidget* tabs = dialog->Tabs();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QWidget* page = tabs->widget(i);
            for (QWidget* w : page->findChildren<QWidget*>()) {
                if (!w->isVisible() || qobject_cast<QGroupBox*>(w)) continue;
                const QRect inPage(w->mapTo(page, QPoint(0, 0)), w->size());
                EXPECT_TRUE(page->rect().contains(inPage)) << w->objectName().toStdString();
                auto* label = qobject_cast<QLabel*>(w);
                if ((label && !label->wordWrap()) || qobject_cast<QAbstractButton*>(w)) {
                    EXPECT_GE(w->width(), w->sizeHint().width()) << w->objectName().toStdString();
                }
            }
        }
        host.CloseDialog();
    }
    QApplication::setFont(normal);
}
