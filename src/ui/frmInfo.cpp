#include "ui/frmInfo.h"

#include "trackinfo/CoverPicture.h"
#include "trackinfo/Genres.h"
#include "trackinfo/TrackInfoForm.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <utility>

namespace velto {

namespace {
constexpr int kCoverSide = 128;

QLineEdit* Field(QWidget* parent, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxLength);
    return edit;
}
} // namespace

frmInfo::frmInfo(TrackInfoForm& form, QWidget* parent) : QWidget(parent, Qt::Window), form_(form) {
    setWindowTitle(QStringLiteral("Track Info"));
    setAttribute(Qt::WA_DeleteOnClose);

    // The file is the one the tag belongs to: shown, never typed.
    txtFileName = new QLineEdit(this);
    txtFileName->setReadOnly(true);
    txtFileName->setMinimumWidth(340);
    txtTitle = Field(this, 30);
    txtArtist = Field(this, 30);
    txtAlbum = Field(this, 30);
    txtYear = Field(this, 4);
    txtYear->setMaximumWidth(56);
    txtTrack = Field(this, 3);
    txtTrack->setMaximumWidth(40);
    txtComment = Field(this, 30);
    cboGenre = new QComboBox(this);
    cboGenre->addItems(GenreNames());
    cboGenre->setMaxVisibleItems(16);

    auto* fields = new QGridLayout;
    const auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(QString::fromLatin1(text), this);
        l->setBuddy(buddy);
        return l;
    };
    fields->addWidget(label("File", txtFileName), 0, 0);
    fields->addWidget(txtFileName, 0, 1, 1, 5);
    fields->addWidget(label("Title", txtTitle), 1, 0);
    fields->addWidget(txtTitle, 1, 1, 1, 5);
    fields->addWidget(label("Artist", txtArtist), 2, 0);
    fields->addWidget(txtArtist, 2, 1, 1, 5);
    fields->addWidget(label("Album", txtAlbum), 3, 0);
    fields->addWidget(txtAlbum, 3, 1, 1, 5);
    fields->addWidget(label("Year", txtYear), 4, 0);
    fields->addWidget(txtYear, 4, 1);
    fields->addWidget(label("Track", txtTrack), 4, 2, Qt::AlignRight);
    fields->addWidget(txtTrack, 4, 3);
    fields->addWidget(label("Genre", cboGenre), 4, 4, Qt::AlignRight);
    fields->addWidget(cboGenre, 4, 5);
    fields->addWidget(label("Comment", txtComment), 5, 0);
    fields->addWidget(txtComment, 5, 1, 1, 5);
    fields->setColumnStretch(5, 1);

    imgCover = new QLabel(this);
    imgCover->setFixedSize(kCoverSide, kCoverSide);
    imgCover->setAlignment(Qt::AlignCenter);
    imgCover->setFrameShape(QFrame::StyledPanel);
    auto* cover = new QVBoxLayout;
    cover->addWidget(new QLabel(QStringLiteral("Album Cover"), this));
    cover->addWidget(imgCover);
    cover->addStretch();

    auto* top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addSpacing(8);
    top->addLayout(cover);

    auto* note = new QLabel(
        QStringLiteral("Click \"Edit\" to avoid tag updates. NOTE: Tag cannot be saved if file "
                       "is playing!"),
        this);
    note->setWordWrap(true);

    cbEdit = new QCheckBox(QStringLiteral("Edit"), this);
    cmdSave = new QPushButton(QStringLiteral("Save"), this);
    cmdSave->setEnabled(false);
    cmdRemove = new QPushButton(QStringLiteral("Remove"), this);
    cmdRemove->setEnabled(false); // has no action
    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cbEdit);
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdRemove);
    buttons->addWidget(cmdOk);

    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(note);
    all->addLayout(buttons);

    connect(cbEdit, &QCheckBox::toggled, this, [this](bool checked) {
        form_.cbEdit_Click(checked);
        cmdSave->setEnabled(form_.SaveEnabled);
    });
    connect(cmdSave, &QPushButton::clicked, this, [this] { form_.SaveIDTag(Typed()); });
    connect(cmdOk, &QPushButton::clicked, this, &QWidget::close);
    Timer1.setInterval(2000);
    connect(&Timer1, &QTimer::timeout, this, &frmInfo::Timer1_Timer);

    // The playing track's tag from the first moment, not placeholder texts.
    form_.Form_Load();
    ShowFields();
    cmdOk->setFocus();
    Timer1.start();
}

void frmInfo::Timer1_Timer() {
    if (form_.Timer1_Timer()) ShowFields();
}

void frmInfo::ShowFields() {
    const TagForm& f = form_.Fields;
    txtFileName->setText(form_.FileName);
    txtFileName->setCursorPosition(int(form_.FileName.size())); // the name, not the folder
    const std::pair<QLineEdit*, const QString*> texts[] = {
        {txtTitle, &f.Title}, {txtArtist, &f.Artist},   {txtAlbum, &f.Album},
        {txtYear, &f.Year},   {txtComment, &f.Comment}, {txtTrack, &f.Track}};
    for (const auto& [edit, text] : texts) {
        edit->setText(*text);
        edit->setCursorPosition(0);
        edit->setEnabled(form_.TagShown);
    }
    cboGenre->setCurrentIndex(f.GenreEntry);
    cboGenre->setEnabled(form_.TagShown);
    cbEdit->setChecked(form_.Edit);
    cmdSave->setEnabled(form_.SaveEnabled);
    ShowCover();
}

void frmInfo::ShowCover() {
    if (form_.CoverFile == coverShown_) return;
    coverShown_ = form_.CoverFile;
    const QImage picture = ReadPicture(coverShown_, imgCover->contentsRect().size());
    imgCover->setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
}

TagForm frmInfo::Typed() const {
    return TagForm{txtTitle->text(),   txtArtist->text(), txtAlbum->text(),        txtYear->text(),
                   txtComment->text(), txtTrack->text(),  cboGenre->currentIndex()};
}

InfoWindowOpener::~InfoWindowOpener() { delete window_.data(); }

void InfoWindowOpener::ShowInfo() {
    if (!form_) return;
    if (!window_) window_ = new frmInfo(*form_);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace velto
