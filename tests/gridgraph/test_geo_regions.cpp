// Packed angles, the projection, regions, areas and colours.
#include "gridgraph/geo.h"
#include "gridgraph/regions.h"
#include "grid_fixture.h"
#include "test_support.h"

#include "platform/vb.h"

#include <QFile>
#include <cmath>
#include <random>

#include <gtest/gtest.h>

using namespace mf;
using namespace mf::test;

TEST(Geo, PackedDegreeTexts) {
    EXPECT_DOUBLE_EQ(geo::Get_Divi_Degree("115.3"), 115.5);
    EXPECT_DOUBLE_EQ(geo::Get_Divi_Degree("115.30451"), 115.5125);
    EXPECT_DOUBLE_EQ(geo::Get_Divi_Degree("115"), 115);
    EXPECT_DOUBLE_EQ(geo::Get_Divi_Degree(""), 0);
    EXPECT_NEAR(geo::Get_Divi_Degree("10.7500"), 10 + 75 / 60.0, 1e-12);   // 75′ simply adds
}

TEST(Geo, PackedDegreeNumbers) {
    EXPECT_NEAR(*geo::Deg_To_Rad(115.304512), 115 + 0.5 + 45.12 / 3600, 1e-10);
    EXPECT_NEAR(*geo::Deg_To_Rad(0.5), 50.0 / 60, 1e-12);
    EXPECT_FALSE(geo::Deg_To_Rad(1.153e12).has_value());   // degrees beyond 16 bits: refused
}

// The packed split is arithmetic; it must give what rounding the number to six decimals as
// text and reading the fields back gives, bit for bit, on every kind of value a grid holds.
TEST(Geo, PackedSplitEqualsTheTextRounding) {
    auto byText = [](double x) -> std::optional<double> {
        const QString s = vb::formatFixed(x, 6);
        const qsizetype dot = s.indexOf(u'.');
        const auto d = vb::toInt16(vb::val(s.left(dot))), m = vb::toInt16(vb::val(s.mid(dot + 1, 2)));
        if (dot < 0 || !d || !m) return std::nullopt;
        return *d + *m / 60.0 + vb::val(s.mid(dot + 3)) / 100 / 3600;
    };
    std::mt19937_64 rnd(27);
    std::uniform_real_distribution<double> lon(-180, 180);
    int differ = 0;
    for (int i = 0; i < 100000; ++i) {
        double x = lon(rnd);
        // Typed values with 4 to 8 decimals, halves at the sixth decimal, and raw doubles.
        const int kind = i % 6;
        if (kind < 4) x = QString::number(x, 'f', 4 + kind + (kind == 3 ? 1 : 0)).toDouble();
        if (kind == 4) x = QString::number(x, 'f', 6).append(u'5').toDouble();
        const auto a = geo::Deg_To_Rad(x), b = byText(x);
        if (a.has_value() != b.has_value() || (a && *a != *b)) ++differ;
    }
    for (double x : {0.0, -0.5, 32767.9999995, 32768.0, -32768.0, 0.0000005, 115.3045505, 1e300})
        EXPECT_EQ(geo::Deg_To_Rad(x), byText(x)) << x;
    EXPECT_EQ(differ, 0);
}

// Reference values: a Transverse Mercator on the Krasovsky ellipsoid (a = 6378245,
// 1/f = 298.3) computed independently with the 6th-order Krueger series and full-precision
// pi (the same figures PROJ's tmerc gives). The control's classic Gauss-Krueger series with
// its truncated pi agrees to about a millimetre; the tolerance is 2 mm.
TEST(Geo, ProjectionAgainstIndependentReference) {
    struct Case {
        double lon, lat;
        int zone;
        double north, east;
    };
    const Case cases[] = {
        {115.3045, 39.3000, 20, 4375148.0853, 20372050.1219},
        {117.0000, 40.0000, 20, 4429607.3678, 20500000.0000},
        {120.0000, 30.0000, 21, 3323964.5391, 21210469.6689},
        {114.0000, 40.0000, 20, 4433921.0036, 20243793.5839},
        {134.5959, 53.3000, 23, 5930369.9094, 23499981.5666},
    };
    for (const Case& c : cases) {
        const geo::PlanePoint p = geo::Degree_To_Coor(*geo::Deg_To_Rad(c.lon), *geo::Deg_To_Rad(c.lat));
        EXPECT_EQ(p.zone, c.zone) << c.lon;
        EXPECT_NEAR(p.x, c.north, 0.002) << c.lon;
        EXPECT_NEAR(p.y, c.east, 0.002) << c.lon;
    }
    // The control's own figures for the first two points.
    const geo::PlanePoint a = geo::Degree_To_Coor(115.5125, 39.5);
    EXPECT_NEAR(a.x, 4375148.084, 0.001);
    EXPECT_NEAR(a.y, 20372050.122, 0.001);
    EXPECT_DOUBLE_EQ(geo::Degree_To_Coor(117, 40).y, 20500000);
    EXPECT_NEAR(geo::Degree_To_Coor(117, 0).x, 0, 1e-9);
}

TEST(Regions, UnitSquareAreaAndText) {
    CoordGrid g = gridOf(squareRows(3000000, 40000000, 1000));
    const auto regions = BuildRegions(g, 0);
    ASSERT_EQ(regions.size(), 1u);
    EXPECT_FLOAT_EQ(regions[0].Area, 1.0f);
    EXPECT_EQ(areaText(regions), " 1.000");
    EXPECT_EQ(regions[0].Color, QColor(255, 0, 0));
    EXPECT_EQ(regions[0].Points.PointNo, QStringList({"1", "2", "3", "4"}));
}

TEST(Regions, HoleByNatureMinusOneAndZero) {
    // 0.5 km² outer (500 m × 1000 m) minus 0.1 km² inner (100 m × 1000 m).
    auto outerRows = QList<QStringList>{{"1", "3000000", "40000000"}, {"2", "3000500", "40000000"},
                                        {"3", "3000500", "40001000"}, {"4", "3000000", "40001000"}, {"*", "100", "50", "A", "1"}};
    auto innerRows = QList<QStringList>{{"1", "3000100", "40000000"}, {"2", "3000200", "40000000"},
                                        {"3", "3000200", "40001000"}, {"4", "3000100", "40001000"}, {"*", "100", "50", "B", "-1"}};
    CoordGrid g = gridOf(outerRows + innerRows);
    EXPECT_EQ(areaText(BuildRegions(g, 0)), " 0.400");
    innerRows[4][4] = "0";
    CoordGrid h = gridOf(outerRows + innerRows);
    EXPECT_EQ(areaText(BuildRegions(h, 0)), " 0.500");
    outerRows[4][4] = "0";
    innerRows[4][4] = "-1";
    CoordGrid n = gridOf(outerRows + innerRows);
    EXPECT_EQ(areaText(BuildRegions(n, 0)), " -0.100");
}

TEST(Regions, PointOrderDoesNotMatter) {
    CoordGrid cw = gridOf({{"1", "3000000", "40000000"}, {"2", "3000000", "40001000"}, {"3", "3001000", "40001000"},
                           {"4", "3001000", "40000000"}, {"*", "1", "0", "", "1"}});
    EXPECT_EQ(areaText(BuildRegions(cw, 0)), " 1.000");
}

TEST(Regions, GeographicAreaIsProjected) {
    // A 1′ × 1′ square at 39°30′N on the central meridian of zone 20: 2.652 km².
    CoordGrid g = gridOf({{"1", "117.0000", "39.3000"}, {"2", "117.0100", "39.3000"}, {"3", "117.0100", "39.3100"},
                          {"4", "117.0000", "39.3100"}, {"*", "1", "0", "", "1"}});
    EXPECT_EQ(areaText(BuildRegions(g, 1)), " 2.652");
}

TEST(Regions, BoundaryAcrossTwoZonesIsProjectedInOneZone) {
    CoordGrid g = gridOf({{"1", "119.5900", "39.3000"}, {"2", "120.0000", "39.3000"}, {"3", "120.0000", "39.3100"},
                          {"4", "119.5900", "39.3100"}, {"*", "1", "0", "", "1"}});
    const auto regions = BuildRegions(g, 1);
    // 2.652 km² on a central meridian; 3° off it the plane area is larger by k² ≈ 1.0016.
    EXPECT_NEAR(regions[0].Area, 2.652 * 1.001631, 0.001);
    // All points carry the same zone prefix.
    for (double y : regions[0].Points.Y)
        EXPECT_EQ(int(y / 1e6), int(regions[0].Points.Y[0] / 1e6));
}

TEST(Regions, EachRegionIsMeasuredInItsOwnZone) {
    // 1′ × 1′ squares on the central meridians of zones 20 (117°) and 21 (123°); together
    // their mean longitude lies in zone 21, where the first square would be 6° off.
    auto square = [](const QString& lon, const QString& lon2) {
        return QList<QStringList>{{"1", lon, "39.3000"}, {"2", lon2, "39.3000"}, {"3", lon2, "39.3100"},
                                  {"4", lon, "39.3100"}, {"*", "1", "0", "", "1"}};
    };
    const auto a = square("117.0000", "117.0100"), b = square("123.0000", "123.0100");
    CoordGrid both = gridOf(a + b), aloneA = gridOf(a), aloneB = gridOf(b);
    const auto regions = BuildRegions(both, 1);
    ASSERT_EQ(regions.size(), 2u);
    EXPECT_DOUBLE_EQ(regions[0].Area, BuildRegions(aloneA, 1)[0].Area);
    EXPECT_DOUBLE_EQ(regions[1].Area, BuildRegions(aloneB, 1)[0].Area);
    // The plot keeps one zone, so the regions keep their places to each other: 6° of
    // longitude at 39.5° N are about 516 km (in their own zones they would lie 1000 km apart).
    EXPECT_NEAR(regions[1].Points.Y[0] - regions[0].Points.Y[0], 516000, 3000);
}

TEST(Regions, ExactHalvesRoundUp) {
    // A 50 m square is exactly 0.0025 km².
    CoordGrid g = gridOf(squareRows(3000000, 40000000, 50));
    EXPECT_EQ(areaText(BuildRegions(g, 0)), " 0.003");
}

namespace {

// A ring of plane points given as (x, y) pairs in units of `unit` metres.
RegionPoints ring(const QList<double>& xy, double unit = 1) {
    RegionPoints p;
    for (qsizetype i = 0; i + 1 < xy.size(); i += 2) {
        p.PointNo << QString::number(i / 2 + 1);
        p.X << 3800000 + unit * xy[i];
        p.Y << 38500000 + unit * xy[i + 1];
    }
    return p;
}

} // namespace

// A region whose ring crosses, touches or overlaps itself has no area: the verdicts are
// those of GEOS's validity test for a polygon of that one ring.
TEST(Regions, SelfCrossingRingsAreFound) {
    const struct {
        QList<double> xy;
        bool crosses;
    } cases[] = {
        {{0, 0, 1000, 0, 1000, 1000, 0, 1000}, false},
        {{0, 0, 1000, 0, 1000, 1000, 0, 1000, 0, 0}, false},           // first point repeated
        {{0, 0, 1000, 0, 1000, 0, 1000, 1000, 0, 1000}, false},        // a point typed twice
        {{0, 0, 1000, 1000, 1000, 0, 0, 1000}, true},                  // bow-tie
        {{0, 0, 1000, 1000, 2000, 2000, 2000, 0, 0, 2000}, true},     // bow-tie crossing at a typed corner
        {{0, 0, 1000, 1000, 2000, 0, 2000, 2000, 1000, 1000, 0, 2000}, true},   // figure of eight at a corner
        {{0, 0, 2000, 0, 2000, 1000, 1000, 0, 0, 1000}, true},         // a corner on an edge
        {{0, 0, 3000, 0, 3000, 2000, 1000, -500, 0, 2000}, true},
        {{0, 0, 1000, 0, 1000, 1000, 0, 1000, 0, 0, 1000, 0, 1000, 1000, 0, 1000}, true},   // ring entered twice
        {{0, 0, 2000, 0, 1000, 0, 1000, 1000}, true},                  // an edge runs back along the last
        {{0, 0, 3000, 0, 3000, 1000, 2000, 0, 1000, 0, 0, 1000}, true},   // edges overlapping along a line
        {{0, 0, 1000, 0, 2000, 0}, true},                              // three corners on one line
        {{0, 0, 1000, 0, 0, 0, 1000, 0}, true},                        // two corners only
        {{0, 0, 1000, 0, 2000, 0, 2000, 1000}, false},                 // a corner straight on the way
        {{0, 0, 1000, 0, 1000, 1000, 0.001, 0.0000001, 0, 1000}, false},   // passes just above a corner
        {{0, 0, 1000, 0, 1000, 1000, 500, 0, 0, 1000}, true},          // touches the first edge
        {{0.1, 0.1, 1000.3, 0.1, 1000.3, 1000.7, 500.2, 0.1, 0.1, 1000.7}, true},   // the same in decimals
    };
    for (const auto& c : cases)
        EXPECT_EQ(boundaryCrossesItself(ring(c.xy)), c.crosses) << c.xy.size() / 2 << " points";

    // 600 rings drawn on a 5 x 5 lattice, judged and measured once by GEOS (through
    // shapely, see tests/fixtures/lattice_rings.py).
    QFile f(sourceDir() + QStringLiteral("/tests/fixtures/lattice_rings.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    int rings = 0;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QStringList v = line.split(u' ');
        QList<double> xy;
        for (qsizetype i = 2; i < v.size(); ++i) xy << v[i].toDouble();
        const RegionPoints p = ring(xy, 250);
        const bool valid = v[0] == QLatin1String("1");
        EXPECT_EQ(boundaryCrossesItself(p), !valid) << line.toStdString();
        if (valid) EXPECT_NEAR(PolygonArea(p, int(p.X.size())), v[1].toDouble() * 0.0625, 1e-12) << line.toStdString();
        ++rings;
    }
    EXPECT_EQ(rings, 600);

    // The largest region a grid holds, 32,764 corners on a wavy circle of 5 km: simple,
    // and crossing once two neighbouring corners swap places.
    QList<double> big;
    for (int i = 0; i < 32764; ++i) {
        const double a = 2 * M_PI * i / 32764, r = 5000 + 40 * std::sin(300 * a);
        big << std::round(r * std::cos(a) * 100) / 100 << std::round(r * std::sin(a) * 100) / 100;
    }
    EXPECT_FALSE(boundaryCrossesItself(ring(big)));
    std::swap(big[2 * 20000], big[2 * 20001]);
    std::swap(big[2 * 20000 + 1], big[2 * 20001 + 1]);
    EXPECT_TRUE(boundaryCrossesItself(ring(big)));
}

TEST(Regions, ColoursShadeFromRedToGreen) {
    std::vector<Region> r(3);
    assignColours(r);
    EXPECT_EQ(r[0].Color, QColor(255, 0, 0));
    EXPECT_EQ(r[1].Color, QColor(170, 85, 0));
    EXPECT_EQ(r[2].Color, QColor(85, 170, 0));
    std::vector<Region> two(2);
    assignColours(two);
    EXPECT_EQ(two[1].Color, QColor(128, 127, 0));
}

TEST(Regions, OpenLastRegionIsNotARegion) {
    auto rows = squareRows(3000000, 40000000, 1000);
    rows << QStringList{"9", "3000000", "40000000"};
    CoordGrid g = gridOf(rows);
    EXPECT_EQ(BuildRegions(g, 0).size(), 1u);
}

TEST(RegionList, FillTicksMovesAndLooksUpByIndex) {
    CoordGrid g = gridOf(squareRows(3000000, 40000000, 1000, "100.5", "50") + squareRows(3002000, 40002000, 100));
    RegionListModel m;
    m.fill(BuildRegions(g, 0));
    ASSERT_EQ(m.listRows(), 3);
    EXPECT_EQ(m.row(0).elevText, "100.5,50");
    EXPECT_EQ(m.row(1).areaText, "0.010");
    m.moveToBottom(0);
    EXPECT_EQ(m.row(1).index, 0);
    m.toggle(1);
    EXPECT_FALSE(m.regionTicked(0));
    EXPECT_TRUE(m.regionTicked(1));
    m.moveToBottom(1);   // the last row stays
    EXPECT_EQ(m.row(1).index, 0);
    m.setAllTicked(true);
    EXPECT_TRUE(m.regionTicked(0));

    // A region the area calculation refuses shows no area.
    CoordGrid bow = gridOf({{"1", "3000000", "40000000"}, {"2", "3001000", "40001000"}, {"3", "3001000", "40000000"},
                            {"4", "3000000", "40001000"}, {"*", "1", "0", "", "1"}});
    m.fill(BuildRegions(bow, 0));
    EXPECT_EQ(m.row(0).areaText, QString());
}
