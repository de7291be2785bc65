#pragma once
// Regions of the grid in plane metres, their areas and colours, and the region list
// `BGlist` beside the plot.
#include "gridgraph/coord_grid.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace mf {

struct RegionPoints {
    QStringList PointNo;
    QList<double> X;   // northing
    QList<double> Y;   // easting with zone prefix
};

struct Region {
    float ElevFrom = 0;
    float ElevTo = 0;
    int PointCount = 0;
    QString OreBodyId;   // untrimmed
    int Nature = 0;
    double Area = 0;     // km²
    bool SelfCrossing = false;   // the ring crosses, touches or overlaps itself
    QColor Color;
    RegionPoints Points;
};

// BuildRegions: the closed regions of the grid (an open last region is left out).
// Geographic points are projected, for the plot all in one zone: the zone they share, or
// the zone of their mean longitude when they span two. A region's area is measured in the
// zone of its own points (the zone of their mean when the region itself spans two). An
// empty nature cell becomes "1".
std::vector<Region> BuildRegions(CoordGrid& grid, int coordType);

// Shoelace area in km² of a ring (closed implicitly), taken relative to its first point.
double PolygonArea(const RegionPoints& points, int n);

// Whether the ring is not simple: two edges cross or touch (also at a corner), edges
// overlap, or a corner is visited twice; fewer than three distinct corners count too.
// Repeated consecutive points and a closing copy of the first point are ignored. Exact,
// and about n log n for n points.
bool boundaryCrossesItself(const RegionPoints& points);

// Colours from red towards green: step floor(255/count).
void assignColours(std::vector<Region>& regions);

// " " + the total of Nature × Area formatted "0.000".
QString areaText(const std::vector<Region>& regions);

// The region list: one row per region (list row 1 is index 0 here), with its tick,
// elevation text, area text, colour and the index into the regions.
struct RegionListRow {
    bool ticked = true;
    QString elevText;
    QString areaText;
    QColor color;
    int index = 0;
};

class RegionListModel {
public:
    void fill(const std::vector<Region>& regions);
    void clear() { rows_.clear(); }
    int count() const { return int(rows_.size()); }
    // BGlist.Rows: the header row plus the region rows.
    int listRows() const { return count() + 1; }
    const RegionListRow& row(int i) const { return rows_.at(size_t(i)); }
    RegionListRow& row(int i) { return rows_.at(size_t(i)); }
    // Whether the region with this index is ticked (its row found through the index).
    bool regionTicked(int index) const;
    void setAllTicked(bool ticked);
    void toggle(int i);
    // Moves row i to the bottom of the list.
    void moveToBottom(int i);

private:
    std::vector<RegionListRow> rows_;
};

} // namespace mf
