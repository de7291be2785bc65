#include "gridgraph/regions.h"

#include "gridgraph/geo.h"
#include "platform/vb.h"

#include <cmath>

namespace mf {

std::vector<Region> BuildRegions(CoordGrid& grid, int coordType) {
    // Geographic input: one zone for the whole boundary when its points span two zones.
    int zone = 0;
    if (coordType == 1) {
        double sum = 0;
        int n = 0, firstZone = 0;
        bool mixed = false;
        for (int r = 1; r <= grid.lastDataRow(); ++r) {
            if (grid.isEndRow(r))
                continue;
            const double lon = geo::Deg_To_Rad(vb::val(grid.cell(r, 2))).value_or(0);
            const int z = geo::zoneOf(lon);
            if (n == 0)
                firstZone = z;
            else if (z != firstZone)
                mixed = true;
            sum += lon;
            ++n;
        }
        if (mixed)
            zone = geo::zoneOf(sum / n);
    }

    std::vector<Region> regions;
    Region cur;
    for (int r = 1; r <= grid.lastDataRow(); ++r) {
        if (grid.isEndRow(r)) {
            cur.PointCount = int(cur.Points.X.size());
            cur.ElevFrom = float(vb::val(grid.cell(r, 2)));
            cur.ElevTo = float(vb::val(grid.cell(r, 3)));
            if (vb::trim(grid.cell(r, 5)).isEmpty())
                grid.setCell(r, 5, QStringLiteral("1"));
            cur.Nature = vb::toInt16(vb::val(grid.cell(r, 5))).value_or(0);
            cur.OreBodyId = grid.cell(r, 4);
            cur.Area = PolygonArea(cur.Points, cur.PointCount);
            regions.push_back(std::move(cur));
            cur = Region{};
            continue;
        }
        double a = vb::val(grid.cell(r, 2));
        double b = vb::val(grid.cell(r, 3));
        if (coordType == 1) {
            const geo::PlanePoint p =
                geo::Degree_To_Coor(geo::Deg_To_Rad(a).value_or(0), geo::Deg_To_Rad(b).value_or(0), zone);
            a = p.x;
            b = p.y;
        }
        cur.Points.PointNo << vb::trim(grid.cell(r, 1));
        cur.Points.X << a;
        cur.Points.Y << b;
    }
    assignColours(regions);
    return regions;
}

float PolygonArea(const RegionPoints& p, int n) {
    n = std::min<int>(n, int(std::min(p.X.size(), p.Y.size())));
    double s = 0;
    for (int i = 0; i < n; ++i) {
        const int j = i + 1 < n ? i + 1 : 0;
        s = s + (p.X[j] / 1000) * (p.Y[i] / 1000) - (p.X[i] / 1000) * (p.Y[j] / 1000);
    }
    return float(std::fabs(s / 2));
}

void assignColours(std::vector<Region>& regions) {
    if (regions.empty())
        return;
    const int step = 255 / int(regions.size());
    int red = 255, green = 0;
    for (Region& r : regions) {
        r.Color = QColor(std::clamp(red, 0, 255), std::clamp(green, 0, 255), 0);
        green += step;
        red -= step;
    }
}

QString areaText(const std::vector<Region>& regions) {
    double total = 0;
    for (const Region& r : regions)
        total += double(r.Nature) * double(r.Area);
    return QStringLiteral(" ") + vb::formatFixed(total, 3);
}

void RegionListModel::fill(const std::vector<Region>& regions) {
    rows_.clear();
    rows_.reserve(regions.size());
    for (size_t i = 0; i < regions.size(); ++i) {
        const Region& g = regions[i];
        rows_.push_back({true, vb::formatGeneralSingle(g.ElevFrom) + u',' + vb::formatGeneralSingle(g.ElevTo),
                         vb::formatFixed(double(g.Area), 3), g.Color, int(i)});
    }
}

bool RegionListModel::regionTicked(int index) const {
    for (const RegionListRow& r : rows_)
        if (r.index == index)
            return r.ticked;
    return false;
}

void RegionListModel::setAllTicked(bool ticked) {
    for (RegionListRow& r : rows_)
        r.ticked = ticked;
}

void RegionListModel::toggle(int i) {
    if (i >= 0 && i < count())
        rows_[size_t(i)].ticked = !rows_[size_t(i)].ticked;
}

void RegionListModel::moveToBottom(int i) {
    if (i < 0 || i >= count() - 1)
        return;
    RegionListRow moved = rows_[size_t(i)];
    rows_.erase(rows_.begin() + i);
    rows_.push_back(moved);
}

} // namespace mf
