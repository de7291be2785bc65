#include "gridgraph/regions.h"

#include "gridgraph/geo.h"
#include "platform/vb.h"

#include <cmath>

namespace mf {

namespace {

// The zone all the longitudes share, or the zone of their mean when they span more than
// one; 0 for none.
int commonZone(const QList<double>& lons) {
    if (lons.isEmpty())
        return 0;
    const int first = geo::zoneOf(lons.first());
    double sum = 0;
    bool mixed = false;
    for (double lon : lons) {
        mixed = mixed || geo::zoneOf(lon) != first;
        sum += lon;
    }
    return mixed ? geo::zoneOf(sum / double(lons.size())) : first;
}

RegionPoints project(const QStringList& no, const QList<double>& lon, const QList<double>& lat, int zone) {
    RegionPoints p;
    p.PointNo = no;
    for (qsizetype i = 0; i < lon.size(); ++i) {
        const geo::PlanePoint q = geo::Degree_To_Coor(lon[i], lat[i], zone);
        p.X << q.x;
        p.Y << q.y;
    }
    return p;
}

} // namespace

std::vector<Region> BuildRegions(CoordGrid& grid, int coordType) {
    // The closed regions as typed: plane metres, or decimal degrees for geographic input.
    struct Typed {
        QStringList no;
        QList<double> a, b;
        int endRow = 0;
    };
    std::vector<Typed> typed;
    Typed cur;
    QList<double> allLons;
    for (int r = 1; r <= grid.lastDataRow(); ++r) {
        if (grid.isEndRow(r)) {
            cur.endRow = r;
            allLons += cur.a;
            typed.push_back(std::move(cur));
            cur = Typed{};
            continue;
        }
        double a = vb::val(grid.cell(r, 2));
        double b = vb::val(grid.cell(r, 3));
        if (coordType == 1) {
            a = geo::Deg_To_Rad(a).value_or(0);
            b = geo::Deg_To_Rad(b).value_or(0);
        }
        cur.no << vb::trim(grid.cell(r, 1));
        cur.a << a;
        cur.b << b;
    }

    // Geographic input: the plot takes one zone for the whole boundary (the zone its points
    // share, else the zone of their mean longitude), so regions keep their places; each
    // region's area is measured in the zone of that region alone, so a region far from the
    // boundary's meridian is not enlarged.
    const int plotZone = coordType == 1 ? commonZone(allLons) : 0;
    std::vector<Region> regions;
    for (Typed& t : typed) {
        Region g;
        const int r = t.endRow;
        if (coordType == 1) {
            g.Points = project(t.no, t.a, t.b, plotZone);
            g.PointCount = int(t.no.size());
            const int zone = commonZone(t.a);
            g.Area = zone == plotZone ? PolygonArea(g.Points, g.PointCount)
                                      : PolygonArea(project(t.no, t.a, t.b, zone), g.PointCount);
        } else {
            g.Points.PointNo = t.no;
            g.Points.X = t.a;
            g.Points.Y = t.b;
            g.PointCount = int(t.no.size());
            g.Area = PolygonArea(g.Points, g.PointCount);
        }
        g.SelfCrossing = boundaryCrossesItself(g.Points);
        g.ElevFrom = float(vb::val(grid.cell(r, 2)));
        g.ElevTo = float(vb::val(grid.cell(r, 3)));
        if (vb::trim(grid.cell(r, 5)).isEmpty())
            grid.setCell(r, 5, QStringLiteral("1"));
        g.Nature = vb::toInt16(vb::val(grid.cell(r, 5))).value_or(0);
        g.OreBodyId = grid.cell(r, 4);
        regions.push_back(std::move(g));
    }
    assignColours(regions);
    return regions;
}

double PolygonArea(const RegionPoints& p, int n) {
    n = std::min<int>(n, int(std::min(p.X.size(), p.Y.size())));
    if (n < 1)
        return 0;
    // Relative to the first point, so the products of large coordinates lose no digits and
    // an area of exactly 0.0025 km² stays exactly that.
    const double x0 = p.X[0], y0 = p.Y[0];
    double s = 0;
    for (int i = 0; i < n; ++i) {
        const int j = i + 1 < n ? i + 1 : 0;
        s = s + ((p.X[j] - x0) / 1000) * ((p.Y[i] - y0) / 1000) - ((p.X[i] - x0) / 1000) * ((p.Y[j] - y0) / 1000);
    }
    return std::fabs(s / 2);
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
        // A ring that crosses itself has no area to show (the area calculation refuses it).
        rows_.push_back({true, vb::formatGeneralSingle(g.ElevFrom) + u',' + vb::formatGeneralSingle(g.ElevTo),
                         g.SelfCrossing ? QString() : vb::formatFixed(double(g.Area), 3), g.Color, int(i)});
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
