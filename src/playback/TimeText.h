#pragma once
// The two time texts of the display: "m:ss", minutes without a leading zero.
#include <QString>

#include <cstdint>

namespace velto {

// A track's total time: whole seconds rounded half to even.
QString TotalTimeText(int32_t ms);

// The running time: seconds with the remainder dropped, "-" in front for the
// remaining time. `seconds` receives the whole seconds shown.
QString PlayTimeText(int32_t ms, bool remaining, int32_t* seconds = nullptr);

} // namespace velto
