#pragma once
// Applies a skin control file to the player: finds it, checks its magic, loads
// or builds its bitmaps, hides every skinned element, sizes the window, places
// what the file describes, cuts the outline and reports what was wrong.
// The skin's tables go to the state's SkinState, its elements to the Surface.
// Works on QImage only, so it needs no display.
#include <QString>

class QTimer;

namespace velto {

class Dialogs;
class Display;
class FieldReader;
class MainWindow;
class Repainter;
struct Folders;
struct PlayerState;

class SkinLoader {
public:
    // `playbackTimer` pauses while a skin loads.
    SkinLoader(PlayerState& state, Display& display, Repainter& repaint, Dialogs& dialogs,
               const Folders& folders, MainWindow* window, QTimer& playbackTimer)
        : s_(state), display_(display), repaint_(repaint), dialogs_(dialogs), folders_(folders),
          window_(window), timer1_(playbackTimer) {}

    // importKnown: an imported skin uses SkinImport without asking.
    void LoadSkin(const QString& skinName, bool importKnown);
    // The "Select Skin" dialog, then LoadSkin of the chosen file.
    void SelectSkin();
    // The file LoadSkin would open for skinName, or an empty text when neither
    // the skins folder nor the program folder has it.
    QString ResolveSkinName(const QString& skinName) const;

private:
    void LoadAfterMagic(FieldReader& in, const QString& path, bool importKnown);
    QString ReadBitmapLine(FieldReader& in, bool importKnown);
    void HideElements();

    PlayerState& s_;
    Display& display_;
    Repainter& repaint_;
    Dialogs& dialogs_;
    const Folders& folders_;
    MainWindow* window_;
    QTimer& timer1_;
};

} // namespace velto
