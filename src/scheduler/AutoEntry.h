#pragma once
// Schedule entries: one text line of fixed columns, "D 07:30 08:15 03":
// day code, on time, off time (each five characters, five blanks for none)
// and the file/playlist number. The options dialog builds and deletes them;
// the live list and the dialog's list are always the same list (the dialog
// copies the live list in on activation and copies its list back after every
// add or delete).
#include <QChar>
#include <QString>
#include <QStringList>
#include <QTime>

#include <cstdint>
#include <optional>

namespace velto {

// The day list of the dialog, in order; the code is an item's first character.
inline const QStringList kAutoDayItems = {
    QStringLiteral("M - Monday"),    QStringLiteral("T - Tuesday"), QStringLiteral("W - Wednesday"),
    QStringLiteral("R - Thursday"),  QStringLiteral("F - Friday"),  QStringLiteral("S - Saturday"),
    QStringLiteral("U - Sunday"),    QStringLiteral("D - Weekday"), QStringLiteral("N - Weekend"),
    QStringLiteral("E - Every Day!")};
inline constexpr int kAutoDayDefaultIndex = 9; // "E - Every Day!"

inline const QString kBadTimeMessage =
    QStringLiteral("Times must be typed as HH:MM (24-hour clock)!");

struct AutoEntryResult {
    std::optional<QString> entry; // the line to append; nothing when refused
    QString message;              // why it was refused; empty for a silent refusal
};

// Builds the entry for the "Add" button from the day item (or just its code),
// the on and off time texts and the number text. Times are stored as "07:30";
// an empty time means none. Refused silently: a day code not in the list, or
// both times missing or both midnight. Refused with kBadTimeMessage: a time
// that is not a 24-hour "H:MM"/"HH:MM". The number is the text's leading
// number, rounded, at least two digits ("03", "123"); no number gives "00".
AutoEntryResult BuildAutoEntry(const QString& dayItem, const QString& onText,
                               const QString& offText, const QString& numberText);

struct AutoListAfterDelete {
    QStringList list;
    int selected = -1; // the item to select afterwards, -1 for none
};

// "Delete Selected": removes the selected item (none when selected is -1 or
// out of range) and selects the item now at that place, or the last one.
AutoListAfterDelete DeleteAutoEntry(const QStringList& list, int selected);

// A stored entry read back by its columns. Blank time columns read as no time.
struct AutoEntry {
    QChar day;
    std::optional<QTime> on;
    std::optional<QTime> off;
    int32_t number = 0;
};

// Nothing for a malformed line: shorter than the two time columns, blanks
// missing between the columns, a blank day code, or a time column that is
// neither blank nor a clock time. Old files' "7:30 " reads as 07:30.
std::optional<AutoEntry> ParseAutoEntry(const QString& line);

} // namespace velto
