#include "ui/options/OptionsTab.h"

#include "app/Player.h"
#include "common/Numbers.h"
#include "playlist/FolderScan.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <limits>

namespace velto {

namespace {

QGroupBox* Frame(const QString& title, const QList<QWidget*>& widgets) {
    auto* frame = new QGroupBox(title);
    auto* layout = new QVBoxLayout(frame);
    for (QWidget* w : widgets)
        layout->addWidget(w);
    return frame;
}

// Whole milliseconds that fit the setting, digits only; the empty box is
// allowed while typing and means none. Unlike QIntValidator, a value too
// large is refused as it is typed, not left as an intermediate text.
class MillisecondsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        if (input.isEmpty()) return Intermediate;
        if (!std::all_of(input.cbegin(), input.cend(),
                         [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return Invalid;
        bool ok = false;
        const int value = input.toInt(&ok);
        return ok && value <= std::numeric_limits<int16_t>::max() ? Acceptable : Invalid;
    }
};

} // namespace

OptionsTab::OptionsTab(Player& player, QWidget* parent) : QWidget(parent), player_(player) {
    Settings& set = player.settings;

    auto* cbOnTop =
        bind_.Flag(QStringLiteral("&Always on top"), QStringLiteral("cbOnTop"), set.WinOnTop, {},
                   [this] { player_.SetOnTop(player_.settings.WinOnTop); });
    auto* window = Frame(QStringLiteral("Window"),
                         {cbOnTop, bind_.Flag(QStringLiteral("Snap to &Viewpoint"),
                                              QStringLiteral("cbSnap"), set.WinSnap)});
    auto* shutdown = Frame(QStringLiteral("Shutdown"),
                           {bind_.Flag(QStringLiteral("Save Window Position"),
                                       QStringLiteral("cbSaveWin"), set.WinSavePos)});

    auto* startup = new QGroupBox(QStringLiteral("Startup"));
    QButtonGroup* tuneOpt = bind_.Choice(
        this, {QStringLiteral("None"), QStringLiteral("Last Loaded"), QStringLiteral("File:")},
        QStringLiteral("TuneOpt"), set.StartMd);
    auto* playlistLabel = new QLabel(QStringLiteral("Playlist:"));
    QLineEdit* startPlaylist = bind_.Text(QStringLiteral("StartPlaylist"), set.StartPlaylist);
    playlistLabel->setBuddy(startPlaylist);
    auto* startLayout = new QGridLayout(startup);
    startLayout->addWidget(tuneOpt->button(0), 0, 0, 1, 2);
    startLayout->addWidget(tuneOpt->button(1), 1, 0, 1, 2);
    startLayout->addWidget(tuneOpt->button(2), 2, 0, 1, 2);
    startLayout->addWidget(playlistLabel, 3, 0);
    startLayout->addWidget(startPlaylist, 3, 1);
    startLayout->addWidget(
        bind_.Flag(QStringLiteral("Start Minimized"), QStringLiteral("cbStartMin"), set.StartMin),
        4, 0, 1, 2);
    startLayout->setColumnStretch(1, 1);

    ValExt = bind_.Text(QStringLiteral("ValExt"), set.ValidExt);
    auto* extensions = Frame(QStringLiteral("DirAdd Extensions"), {ValExt});

    auto* misc = Frame(
        QStringLiteral("Misc"),
        {bind_.Flag(QStringLiteral("Load Album cover using ID3Tag info"),
                    QStringLiteral("cbTagCover"), set.UseTagCover),
         bind_.Flag(QStringLiteral("Scroll Songname"), QStringLiteral("cbScrollName"),
                    set.ScrollName),
         bind_.Flag(QStringLiteral("24hr Time Format"), QStringLiteral("cbTimeFmt"), set.TimeFmt),
         bind_.Flag(QStringLiteral("Clear Playlist before Load"), QStringLiteral("cbClrPl"),
                    set.ClearPLFirst),
         bind_.Flag(QStringLiteral("AutoPlay on Playlist Load"), QStringLiteral("cbAutoPlay"),
                    set.AutoPlay)});

    auto* continuous = new QGroupBox(QStringLiteral("Continuous Playback"));
    auto* overlapLabel = new QLabel(QStringLiteral("Overlap (milliseconds):"));
    PBOverlap = new QLineEdit;
    PBOverlap->setObjectName(QStringLiteral("PBOverlap"));
    PBOverlap->setValidator(new MillisecondsValidator(PBOverlap));
    overlapLabel->setBuddy(PBOverlap);
    auto* overlapLayout = new QHBoxLayout(continuous);
    overlapLayout->addWidget(overlapLabel);
    overlapLayout->addWidget(PBOverlap, 1);
    connect(PBOverlap, &QLineEdit::textChanged, this,
            [this](const QString& text) { player_.settings.PBOverlap = TextToInt16(text, 0); });

    auto* left = new QVBoxLayout;
    left->addWidget(window);
    left->addWidget(shutdown);
    left->addWidget(startup);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(extensions);
    right->addWidget(misc);
    right->addWidget(continuous);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
}

void OptionsTab::Load() {
    bind_.Load();
    // An extension list never stored shows the list the folder scan uses.
    SetTextQuietly(ValExt, ExtensionsInForce(player_.settings.ValidExt));
    SetTextQuietly(PBOverlap, QString::number(player_.settings.PBOverlap));
}

} // namespace velto
