#pragma once
// The snooze: a one-shot sleep timer that counts down minutes (SnoozeMode 0)
// or waits for a clock time (any other mode), shown in snooze text field 5.
// Only SnzLeft lives here; the settings (Auto, Snooze, SnoozeMode,
// SnoozeTime, SnoozeHide) are the caller's and are passed in.
#include <QString>
#include <QStringList>
#include <QTime>

#include <cstdint>
#include <optional>

namespace velto {

// The minutes list of the dialog, in order.
inline const QStringList kSnoozeMinuteItems = {
    QStringLiteral("5"),  QStringLiteral("10"), QStringLiteral("15"),
    QStringLiteral("20"), QStringLiteral("25"), QStringLiteral("30"),
    QStringLiteral("40"), QStringLiteral("45"), QStringLiteral("60")};
inline constexpr int kSnoozeMinutesDefaultIndex = 5; // "30"
inline constexpr int32_t kSnoozeMinutesDefault = 30;

struct SnoozeMinute {
    std::optional<QString> text; // new text of field 5; nothing leaves it
    bool fires = false;          // run the off action (hide when SnoozeHide is 1)
};

class SnoozeState {
public:
    // Minutes left; a negative value is the new count still waiting to be
    // shown. At start the count is the dialog's preselected 30, pending, so an
    // armed minutes snooze left from the last run counts down from there.
    int32_t SnzLeft() const { return snzLeft_; }

    // Dialog events. Each copies the control's value into the setting at once.
    // Ticking "Enable Snooze" shows the count again, restarting a count that
    // has run out from the minutes last chosen.
    void cbSnoozeEn_Click(int16_t checked, int16_t& Snooze);
    static void SnzMd_Click(int16_t index, int16_t& SnoozeMode) { SnoozeMode = index; }
    void SnzMin_Click(const QString& item); // restarts the count (at least 1), pending
    static void SnoozeAt_Change(const QString& text, QString& SnoozeTime) { SnoozeTime = text; }
    static void cbMinOnSnz_Click(int16_t checked, int16_t& SnoozeHide) { SnoozeHide = checked; }

    // Field 5 on a tick outside the minute step: "" when Auto or Snooze is
    // not 1; when both are, a pending count is shown ("05", or SnoozeTime in
    // the other modes); else nothing (the field stays).
    std::optional<QString> DisplayRefresh(int16_t Auto, int16_t Snooze, int16_t SnoozeMode,
                                          const QString& SnoozeTime);

    // The minute step, for the minute `now`; does nothing unless Auto and
    // Snooze are 1. Mode 0 counts one minute down and fires when fewer than
    // one is left, disarming (Snooze = 0). Other modes show SnoozeTime and
    // fire when it names now's minute ("7:30" == "07:30"), staying armed.
    SnoozeMinute MinuteStep(int16_t Auto, int16_t& Snooze, int16_t SnoozeMode,
                            const QString& SnoozeTime, const QTime& now);

private:
    int32_t snzLeft_ = -kSnoozeMinutesDefault;
    int32_t chosen_ = kSnoozeMinutesDefault; // the last minutes chosen
};

} // namespace velto
