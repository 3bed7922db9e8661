// DoIt: the action of each button number. Buttons, keys and the popup menu all
// come here, so every skin gets the same set of actions.
#include "app/Player.h"
#include "app/PopupMenu.h"
#include "app/WindowHiding.h"
#include "platform/Dialogs.h"
#include "platform/InfoWindow.h"
#include "platform/MainWindow.h"
#include "platform/OptionsWindow.h"
#include "platform/SelectorWindow.h"
#include "platform/Shell.h"
#include "state/Elements.h"
#include "trackinfo/Covers.h"

namespace velto {

// The main window leaves always-on-top while the dialog is open, so the
// dialog is never hidden behind it; closing the dialog restores it.
void Player::ShowPrefs() {
    if (OptionsVisible || !options_) return;
    SetOnTop(0);
    OptionsVisible = true;
    options_->ShowOptions();
}

void Player::ShowInfo() {
    if (info_) info_->ShowInfo();
}
void Player::AlbumToggle() { covers_->AlbumToggle(); }

void Player::ShowMixer() {
    for (const QString& name : {QStringLiteral("pavucontrol"), QStringLiteral("pavucontrol-qt")}) {
        const QString program = shell.FindProgram(name);
        if (!program.isEmpty() && shell.Start(program, {})) return;
    }
    dialogs.Message(QStringLiteral("No mixer program found. Install pavucontrol to set the "
                                   "system volume."));
}

void Player::ShowVisSelect() {
    if (!selectorWindow_) return;
    SetOnTop(0);
    selectorWindow_->ShowSelector();
}

void Player::SetOnTop(int on) {
    if (window_) window_->SetStaysOnTop(on != 0);
}

void Player::HideMain() { hiding_->Hide(); }
void Player::Raise() { hiding_->Restore(); }
void Player::TrayLeftPress() { hiding_->TrayLeftPress(); }

void Player::mnu_Click(int Index) {
    if (Index < 1 || Index > static_cast<int>(kPopupMenu.size())) return;
    DoIt(Code(kPopupMenu[static_cast<size_t>(Index - 1)].code));
}

void Player::DoIt(int16_t Index) {
    switch (static_cast<Action>(Index)) {
    case Action::Quit: Quit(); break;
    case Action::HideMain: HideMain(); break;
    case Action::SizeToggle: SizeToggle(); break;
    case Action::SmallToggle: SmallToggle(); break;
    case Action::Options: ShowPrefs(); break;
    case Action::SelectSkin: SelectSkin(); break;
    case Action::VolDown: VolDown(); break;
    case Action::VolUp: VolUp(); break;
    case Action::Mute: MuteToggle(); break;
    case Action::Stop: StopIt(); break;
    case Action::Pause: PauseIt(); break;
    case Action::Play: PlayIt(); break;
    case Action::OpenPlay: OpenPlay(); break;
    case Action::PrevTrack: PrevTrack(); break;
    case Action::NextTrack: NextTrack(); break;
    case Action::TrackInfo: ShowInfo(); break;
    case Action::DeleteSelected: PlDelSel(); break;
    case Action::MoveDown: PlMoveEntry(1); break;
    case Action::MoveUp: PlMoveEntry(-1); break;
    case Action::ClearPlaylist: PlClear(); break;
    case Action::LoadPlaylist: PlLoad(); break;
    case Action::SavePlaylist: PlSave(); break;
    case Action::AddFile:
        OpenMedia();
        PlAdd();
        break;
    case Action::AddFolder: AddFromDir(); break;
    case Action::Intro: IntroToggle(); break;
    case Action::StopAfterTrack: StpToggle(); break;
    case Action::Repeat: RepeatToggle(); break;
    case Action::Shuffle: ShuffleToggle(); break;
    case Action::Mixer: ShowMixer(); break;
    case Action::RepeatAB: RptButton(); break;
    case Action::SetRepeatB: SetRptB(); break;
    case Action::Reverse: Reverse(); break;
    case Action::Forward: Forward(); break;
    case Action::NowPlaying: AlbumToggle(); break;
    case Action::PlaylistSelector: ShowVisSelect(); break;
    case Action::PlayPause: PlayPause(); break;
    case Action::SkinLink1: LoadSkin(skin.SkinLink1, false); break;
    case Action::SkinLink2: LoadSkin(skin.SkinLink2, false); break;
    default: break; // 37..48 and numbers outside 1..50 have no action
    }
}

} // namespace velto
