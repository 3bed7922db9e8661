// DoIt: the action of each button number. Buttons, keys and the popup menu all
// come here, so every skin gets the same set of actions.
#include "app/Player.h"
#include "platform/MainWindow.h"
#include "skin/SkinLoader.h"

namespace velto {

void Player::HideMain() {
    if (!window_) return;
    // Hidden only where a tray icon can bring it back; minimised elsewhere.
    if (window_->HasTray()) window_->SetVisible(false);
    else window_->ShowMinimized();
}

void Player::DoIt(int16_t Index) {
    switch (Index) {
    case 1: Quit(); break;
    case 2: HideMain(); break;
    case 3: SizeToggle(); break;
    case 4: SmallToggle(); break;
    case 5: ShowPrefs(); break;
    case 6: SelectSkin(); break;
    case 7: VolDown(); break;
    case 8: VolUp(); break;
    case 9: MuteToggle(); break;
    case 10: StopIt(); break;
    case 11: PauseIt(); break;
    case 12: PlayIt(); break;
    case 13: OpenPlay(); break;
    case 14: PrevTrack(); break;
    case 15: NextTrack(); break;
    case 16: ShowInfo(); break;
    case 17: PlDelSel(); break;
    case 18: PlMoveEntry(1); break;
    case 19: PlMoveEntry(-1); break;
    case 20: PlClear(); break;
    case 21: PlLoad(); break;
    case 22: PlSave(); break;
    case 23:
        OpenMedia();
        PlAdd();
        break;
    case 24: AddFromDir(); break;
    case 25: IntroToggle(); break;
    case 26: StpToggle(); break;
    case 27: RepeatToggle(); break;
    case 28: ShuffleToggle(); break;
    case 29: ShowMixer(); break;
    case 30: RptButton(); break;
    case 31: SetRptB(); break;
    case 32: Reverse(); break;
    case 33: Forward(); break;
    case 34: AlbumToggle(); break;
    case 35: ShowVisSelect(); break;
    case 36: PlayPause(); break;
    case 49: LoadSkin(skin->SkinLink1, false); break;
    case 50: LoadSkin(skin->SkinLink2, false); break;
    default: break; // 37..48 and numbers outside 1..50 have no action
    }
}

} // namespace velto
