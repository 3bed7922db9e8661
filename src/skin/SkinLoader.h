#pragma once
// Applies a skin control file to the player: finds it, checks its magic, loads
// or builds its bitmaps, hides every skinned element, sizes the window, places
// what the file describes, cuts the outline and reports what was wrong.
// The loader's tables (SkinState) stay here between loads; the elements go to
// the player's Surface. Works on QImage only, so it needs no display.
#include "skin/SkinState.h"

#include <QString>
#include <QStringList>

namespace velto {

class FieldReader;
class Player;

class SkinLoader : public SkinState {
public:
    explicit SkinLoader(Player& player) : player_(player) {}

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
    void Redisplay();

    Player& player_;
};

} // namespace velto
