#pragma once
#include <QIcon>

namespace velto {

// The application icon at every size it is drawn in; every window uses it.
QIcon AppIcon();

} // namespace velto
