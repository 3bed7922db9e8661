#pragma once
// Applies a skin control file to the player: finds it, checks its magic, loads
// or builds its bitmaps, hides every skinned element, sizes the window, places
// what the file describes, cuts the outline and reports what was wrong.
// The skin's tables go to the state's SkinState, its elements to the Surface.
// Works on QImage only, so it needs no display.
#include <QString>
#include <QStringList>

#include <optional>

class QTimer;

namespace velto {

class Dialogs;
class Display;
class FieldReader;
class MainWindow;
struct SkinHeader;
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

    // importKnown: an imported skin uses SkinImport without asking. False when
    // the skin was not applied: not found, refused (with a message) or its
    // import cancelled; the skin on screen then stays as it was. A record
    // that cannot be read ends the load with what was applied so far: true.
    bool LoadSkin(const QString& skinName, bool importKnown);
    // The "Select Skin" dialog, then LoadSkin of the chosen file.
    void SelectSkin();
    // The file LoadSkin would open for skinName, or an empty text when neither
    // the skins folder nor the program folder has it.
    QString ResolveSkinName(const QString& skinName) const;

private:
    bool Build(FieldReader& in, const QString& path, const SkinHeader& header, bool importKnown);
    // The face and resource pictures, or the import folder: the folder the
    // records' pictures lie in, or nothing when the import was cancelled.
    std::optional<QString> LoadBitmaps(const SkinHeader& header, bool importKnown);
    void ApplyHeader(const SkinHeader& header, const QString& path);
    void Finish(const QStringList& badReferences);
    void HideElements();

    PlayerState& s_;
    Display& display_;
    Repainter& repaint_;
    Dialogs& dialogs_;
    const Folders& folders_;
    MainWindow* window_;
    QTimer& timer1_;
};

// The message listing a skin's bad record heads: the first 50, then "...".
QString BadReferenceMessage(const QStringList& heads);

} // namespace velto
