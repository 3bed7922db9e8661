#include "trackinfo/TrackInfo.h"

#include "skin/Display.h"
#include "state/PlayerState.h"

namespace velto {

void TrackInfo::GetMP3Info() {}

} // namespace velto
