#pragma once
// The Track Info window: the playing MPEG file's ID3v1 tag, editable while
// "Edit" is ticked, and its cover. A thin view over TrackInfoForm, which holds
// the rules; created on first use and destroyed when closed.
#include "platform/InfoWindow.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velto {

class TrackInfoForm;
struct TagForm;

class frmInfo : public QWidget {
    Q_OBJECT
public:
    explicit frmInfo(TrackInfoForm& form, QWidget* parent = nullptr);

    void Timer1_Timer();

    QLineEdit* txtFileName;
    QLineEdit* txtTitle;
    QLineEdit* txtArtist;
    QLineEdit* txtAlbum;
    QLineEdit* txtYear;
    QLineEdit* txtTrack;
    QLineEdit* txtComment;
    QComboBox* cboGenre;
    QLabel* imgCover;
    QCheckBox* cbEdit;
    QPushButton* cmdSave;
    QPushButton* cmdRemove;
    QPushButton* cmdOk;
    QTimer Timer1; // 2000 ms: follows the playing track

private:
    // Shows what the form holds: after opening and after GetInfo.
    void ShowFields();
    void ShowCover();
    TagForm Typed() const;

    TrackInfoForm& form_;
    QString coverShown_;
};

// Opens the one Track Info window over the player's form.
class InfoWindowOpener : public InfoWindow {
public:
    InfoWindowOpener() = default;
    InfoWindowOpener(const InfoWindowOpener&) = delete;
    InfoWindowOpener& operator=(const InfoWindowOpener&) = delete;
    ~InfoWindowOpener() override;
    void Attach(TrackInfoForm* form) { form_ = form; }
    void ShowInfo() override;
    frmInfo* Window() const { return window_; }

private:
    TrackInfoForm* form_ = nullptr;
    QPointer<frmInfo> window_;
};

} // namespace velto
