#pragma once
// CheckCoordGrid: validates the grid row by row, stops at the first fault with its message
// and lets the user accept doubtful values through Yes/No warnings.
#include "gridgraph/coord_grid.h"

namespace mf {

class Dialogs;

struct CheckResult {
    bool ok = false;
    int regionCount = 0;   // regions passed (RegionCount)
};

// Modes: 0 full (plot button), 1 area (no elevation-order error, no incomplete-elevation
// warning), 2 before a save (lenient); any other value behaves as 0. type: 0 plane, 1
// geographic. An empty nature cell of a region-end row is set to "1".
CheckResult CheckCoordGrid(CoordGrid& grid, int mode, int type, Dialogs& dialogs);

// The highest number of regions a grid may hold.
constexpr int kMaxRegions = 255;

} // namespace mf
