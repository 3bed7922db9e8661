#pragma once
// The window outline from the points of N and M records.
#include "state/SkinState.h"

#include <QPolygon>

#include <vector>

namespace velto {

// The outline's polygons (filled even-odd by the window), or none when the
// skin announced no points or not exactly as many were read: the window is
// then rectangular. An N outline is one polygon; an M outline takes its
// polygons' point counts from RgnCounts, in order.
std::vector<QPolygon> BuildOutline(const SkinState& state);

} // namespace velto
