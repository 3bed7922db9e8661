#include "state/Settings.h"

#include "common/Numbers.h"
#include "platform/SettingsStore.h"

#include <QLatin1StringView>

#include <algorithm>
#include <array>
#include <variant>

namespace velto {

namespace {

// How a key's value is written: as text, or a number with a blank before a
// non-negative value (" 1"), or a plain number.
enum class Form { Text, Blank, Plain };
// When a key is read: with the others at start, later in start-up. A window
// edge is read at start too, but defaults to where the window is and is
// written only while WinSavePos is 1.
enum class Read { AtStart, Later, Position };

using Member = std::variant<QString Settings::*, int16_t Settings::*, int32_t Settings::*>;

struct Key {
    QLatin1StringView name; // as read
    Member member;
    Form form;
    Read read;
    int exitRank;                 // place in the exit list; 0: not written at exit
    QLatin1StringView exitName{}; // written under another spelling
};

// Every key in the order start-up reads them; the ranks give the exit order.
// A member's initial value is its default.
const std::array<Key, 30> kKeys{{
    {QLatin1StringView("Path"), &Settings::Path, Form::Text, Read::AtStart, 0},
    {QLatin1StringView("WinOnTop"), &Settings::WinOnTop, Form::Blank, Read::AtStart, 4},
    {QLatin1StringView("WinSnap"), &Settings::WinSnap, Form::Blank, Read::AtStart, 5},
    {QLatin1StringView("WinSavePos"), &Settings::WinSavePos, Form::Blank, Read::AtStart, 6},
    {QLatin1StringView("Auto"), &Settings::Auto, Form::Blank, Read::AtStart, 7},
    {QLatin1StringView("Snooze"), &Settings::Snooze, Form::Blank, Read::AtStart, 8},
    {QLatin1StringView("SnoozeMode"), &Settings::SnoozeMode, Form::Blank, Read::AtStart, 9},
    {QLatin1StringView("SnoozeTime"), &Settings::SnoozeTime, Form::Text, Read::AtStart, 10},
    {QLatin1StringView("SnoozeHide"), &Settings::SnoozeHide, Form::Blank, Read::AtStart, 11},
    {QLatin1StringView("ExitMode"), &Settings::ExitMode, Form::Blank, Read::AtStart, 12},
    {QLatin1StringView("StartMd"), &Settings::StartMd, Form::Blank, Read::AtStart, 13},
    {QLatin1StringView("StartMin"), &Settings::StartMin, Form::Blank, Read::AtStart, 14},
    {QLatin1StringView("StartMute"), &Settings::StartMute, Form::Blank, Read::AtStart, 15},
    {QLatin1StringView("StartPlaylist"), &Settings::StartPlaylist, Form::Text, Read::AtStart, 16},
    {QLatin1StringView("Skin"), &Settings::Skin, Form::Text, Read::AtStart, 1},
    {QLatin1StringView("SkinPath"), &Settings::SkinPath, Form::Text, Read::AtStart, 2},
    {QLatin1StringView("SkinImport"), &Settings::SkinImport, Form::Text, Read::AtStart, 3},
    {QLatin1StringView("TimeFmt"), &Settings::TimeFmt, Form::Blank, Read::AtStart, 17},
    {QLatin1StringView("VisPLPath"), &Settings::VisPLPath, Form::Text, Read::AtStart, 18},
    {QLatin1StringView("ClearPLFirst"), &Settings::ClearPLFirst, Form::Plain, Read::AtStart, 19,
     QLatin1StringView("ClearPlFirst")},
    {QLatin1StringView("AutoPlay"), &Settings::AutoPlay, Form::Plain, Read::AtStart, 20},
    {QLatin1StringView("ValidExt"), &Settings::ValidExt, Form::Text, Read::AtStart, 21},
    {QLatin1StringView("PBOverlap"), &Settings::PBOverlap, Form::Plain, Read::AtStart, 22},
    {QLatin1StringView("ScrollName"), &Settings::ScrollName, Form::Plain, Read::AtStart, 23},
    {QLatin1StringView("UseTagCover"), &Settings::UseTagCover, Form::Plain, Read::AtStart, 24},
    {QLatin1StringView("X"), &Settings::X, Form::Plain, Read::Position, 25},
    {QLatin1StringView("Y"), &Settings::Y, Form::Plain, Read::Position, 26},
    {QLatin1StringView("Volume"), &Settings::Volume, Form::Plain, Read::AtStart, 29},
    {QLatin1StringView("LastCover"), &Settings::LastCover, Form::Text, Read::Later, 27},
    {QLatin1StringView("LastTrack"), &Settings::LastTrack, Form::Blank, Read::Later, 28},
}};

QString Get(SettingsStore& s, QLatin1StringView key, const QString& fallback) {
    return s.GetSetting(kPrg, kSect, QString(key), fallback);
}

// A number outside its type cannot have been written by the player: the default holds.
void ReadKey(SettingsStore& s, Settings& settings, const Key& key) {
    std::visit(
        [&](auto member) {
            auto& value = settings.*member;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, QString>) {
                value = Get(s, key.name, value);
            } else {
                const QString text = Get(s, key.name, QString::number(value));
                if constexpr (std::is_same_v<T, int16_t>)
                    value = TextToInt16(text, value);
                else
                    value = TextToInt32(text, value);
            }
        },
        key.member);
}

QString Written(const Settings& settings, const Key& key) {
    return std::visit(
        [&](auto member) -> QString {
            const auto& value = settings.*member;
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QString>)
                return value;
            else
                return key.form == Form::Blank ? BlankPrefixed(value) : Plain(value);
        },
        key.member);
}

const Key& Named(QLatin1StringView name) {
    return *std::find_if(kKeys.begin(), kKeys.end(),
                         [&](const Key& key) { return key.name == name; });
}

} // namespace

void Settings::Read(SettingsStore& s, int32_t currentX, int32_t currentY) {
    for (const Key& key : kKeys) {
        if (key.read == Read::AtStart) ReadKey(s, *this, key);
        if (key.read != Read::Position) continue;
        // With no stored position the window stays where it is.
        const bool isX = key.member == Member(&Settings::X);
        const QString text = Get(s, key.name, QString());
        const int32_t current = isX ? currentX : currentY;
        (isX ? hasX : hasY) = !text.isNull();
        (isX ? X : Y) = text.isNull() ? current : TextToInt32(text, current);
    }
    Volume = std::clamp<int16_t>(Volume, 0, 100);
}

void Settings::ReadLastTrack(SettingsStore& s) {
    ReadKey(s, *this, Named(QLatin1StringView("LastTrack")));
}

void Settings::ReadLastCover(SettingsStore& s) {
    ReadKey(s, *this, Named(QLatin1StringView("LastCover")));
}

void Settings::Write(SettingsStore& s) const {
    std::array<const Key*, kKeys.size()> order{};
    std::transform(kKeys.begin(), kKeys.end(), order.begin(), [](const Key& k) { return &k; });
    std::sort(order.begin(), order.end(),
              [](const Key* a, const Key* b) { return a->exitRank < b->exitRank; });
    for (const Key* key : order) {
        if (key->exitRank == 0) continue;
        if (key->read == Read::Position && WinSavePos != 1) continue;
        const QLatin1StringView name = key->exitName.isEmpty() ? key->name : key->exitName;
        s.SaveSetting(kPrg, kSect, QString(name), Written(*this, *key));
    }
}

void Settings::SavePath(SettingsStore& s) const {
    s.SaveSetting(kPrg, kSect, QStringLiteral("Path"), Path);
    // A failed write stays pending: the exit's sync tries it again and reports it.
    s.Sync();
}

} // namespace velto
