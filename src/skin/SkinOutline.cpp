#include "skin/SkinOutline.h"

namespace velto {

std::vector<QPolygon> BuildOutline(const SkinState& state) {
    std::vector<QPolygon> polygons;
    if (state.RgnPointCount <= 0 || state.RgnPointsRead != state.RgnPointCount) return polygons;
    const auto& pts = state.RgnPts;
    if (state.RgnCounts.empty()) {
        polygons.emplace_back(QList<QPoint>(pts.begin(), pts.end()));
        return polygons;
    }
    // Counts that run past the points read are cut short; empty ones are skipped.
    size_t next = 0;
    for (const int32_t count : state.RgnCounts) {
        if (count <= 0) continue;
        const size_t end = std::min(pts.size(), next + static_cast<size_t>(count));
        if (end > next) polygons.emplace_back(QList<QPoint>(pts.begin() + next, pts.begin() + end));
        next = end;
    }
    return polygons;
}

} // namespace velto
