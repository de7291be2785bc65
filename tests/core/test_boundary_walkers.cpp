// Walkers over the boundary string: fields, elevation range and sketch points.
#include "core/boundary_walkers.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace mf;

TEST(NextCsvField, TakesFieldsUpToEachComma) {
    QString f = "unchanged";
    EXPECT_EQ(NextCsvField("1,2,", 1, f), 3);
    EXPECT_EQ(f, "1");
    EXPECT_EQ(NextCsvField("1,2,", 3, f), 5);
    EXPECT_EQ(f, "2");
    EXPECT_EQ(NextCsvField("1,2,", 5, f), -1);
    EXPECT_EQ(f, "2");   // beyond the end: the field is left alone
    EXPECT_EQ(NextCsvField("1,,3", 3, f), 4);
    EXPECT_EQ(f, "");
    EXPECT_EQ(NextCsvField("1,,3", 4, f), -1);   // a last field without a comma
    EXPECT_EQ(f, "");
    EXPECT_EQ(StripCrLf("a\r\nb\rc\n"), "abc");
}

TEST(ElevationRange, HighestStartAndLowestEnd) {
    const QString two = "2,3,1,0,0,2,1,0,3,1,1,500,200,A,1,3,1,5,5,2,6,5,3,6,6,520,250,B,0,";
    EXPECT_EQ(ElevationPairsText(two), "2,500,200,520,250,");
    const ElevationRange r = GetElevationRange(two);
    EXPECT_FLOAT_EQ(r.FromElevation, 520);
    EXPECT_FLOAT_EQ(r.ToElevation, 200);
    for (const QString& none : {QString(), QString("abc"), QString("0,")}) {
        const ElevationRange e = GetElevationRange(none);
        EXPECT_EQ(e.FromElevation, 0);
        EXPECT_EQ(e.ToElevation, 0);
    }
    // A string cut inside the second block gives the first block's range.
    const ElevationRange cut = GetElevationRange(two.left(two.size() - 12));
    EXPECT_FLOAT_EQ(cut.FromElevation, 500);
    EXPECT_FLOAT_EQ(cut.ToElevation, 200);
    // An absurd point count does not run past the string.
    EXPECT_EQ(GetElevationRange("1,30000,1,2,3,").FromElevation, 0);
}

TEST(CoordinateKind, BoundsAreExclusive) {
    EXPECT_EQ(CoordinateKind(3800000, 38500000), 2);
    EXPECT_EQ(CoordinateKind(1e6, 38500000), 0);
    EXPECT_EQ(CoordinateKind(116.3, 39.5), 1);
    EXPECT_EQ(CoordinateKind(70, 39.5), 0);
    EXPECT_EQ(CoordinateKind(116.3, 55), 0);
}

TEST(BuildSketchPoints, PlaneBoundaryRelativeToTheSmallestCoordinates) {
    SketchPointSet s;
    ASSERT_TRUE(BuildSketchPoints("1,3,1,3800000,38500000,2,3800000.5,38500000,"
                                  "3,3800000,38500001,500,200,A,1,",
                                  s));
    // Three points, the closing copy of the first, the separator.
    EXPECT_EQ(s.SketchX, (QList<qint32>{0, 0, 100, 0, -1}));
    EXPECT_EQ(s.SketchY, (QList<qint32>{0, 50, 0, 0, -1}));
    EXPECT_EQ(s.SketchLabels, (QStringList{"1", "2", "3", "1", ""}));
}

TEST(BuildSketchPoints, ClosedRingsAndSeveralBlocks) {
    SketchPointSet s;
    // The first block is closed already; the second shares the origin of the first.
    ASSERT_TRUE(BuildSketchPoints("2,4,1,3800010,38500010,2,3800020,38500010,3,3800020,38500020,"
                                  "4,3800010,38500010,0,0,,1,3,a,3800000,38500000,b,3800001,"
                                  "38500000,c,3800001,38500001,0,0,,-1",
                                  s));
    EXPECT_EQ(s.count(), 4 + 1 + 3 + 1 + 1);
    EXPECT_EQ(s.SketchX.at(0), 1000);
    EXPECT_EQ(s.SketchY.at(0), 1000);
    EXPECT_EQ(s.SketchLabels.at(5), "a");
    EXPECT_EQ(s.SketchX.at(5), 0);
    EXPECT_EQ(s.SketchX.at(4), -1);
    EXPECT_EQ(s.SketchX.last(), -1);
}

TEST(BuildSketchPoints, NegativeCoordinatesAreNotSeparators) {
    SketchPointSet s;
    ASSERT_TRUE(BuildSketchPoints("1,3,1,-5,-5,2,-3,-5,3,-3,-1,0,0,,1,", s));
    EXPECT_EQ(s.SketchX, (QList<qint32>{0, 0, 400, 0, -1}));
    EXPECT_EQ(s.SketchY, (QList<qint32>{0, 200, 200, 0, -1}));
}

TEST(BuildSketchPoints, GeographicBoundaryKeepsItsShape) {
    SketchPointSet s;
    // A rectangle of 2 seconds across a minute line: 116°59'59" to 117°00'01".
    ASSERT_TRUE(BuildSketchPoints("1,4,1,116.5959,39.5959,2,117.0001,39.5959,3,117.0001,40.0001,"
                                  "4,116.5959,40.0001,0,0,,1,",
                                  s));
    EXPECT_EQ(s.SketchY.mid(0, 4), (QList<qint32>{0, 0, 200, 200}));
    EXPECT_EQ(s.SketchX.at(1), s.SketchX.at(2));
    // A square of 2 km at 45°N on a central meridian (its corners as the projection gives
    // them) is drawn square, as the plot draws it: 1'31.31" of longitude, 1'04.78" of latitude.
    ASSERT_TRUE(BuildSketchPoints("1,4,1,117.000000,45.000000,2,117.013131,44.595999,3,117.013134,45.010478,"
                                  "4,117.000000,45.010479,0,0,,1,",
                                  s));
    const auto [minX, maxX] = std::minmax_element(s.SketchX.begin(), s.SketchX.begin() + 4);
    const auto [minY, maxY] = std::minmax_element(s.SketchY.begin(), s.SketchY.begin() + 4);
    EXPECT_NEAR(double(*maxX - *minX) / double(*maxY - *minY), 1.0, 0.01);
}

TEST(BuildSketchPoints, BadStringsGiveFalseAndLeaveTheSetAlone) {
    SketchPointSet s;
    s.SketchX = {7};
    for (const QString& bad : {QString(), QString("no comma"), QString("1,0,0,0,,1,"),
                               QString("1,3,1,10,20,2,11,"), QString("1,3,1,1,1,2,2,2,3,3,3,0,0"),
                               QString("1,-2,1,1,1,"), QString("1,2,1,1,1,2,1e12,1,0,0,,1,"),
                               QString("1,99999999,1,1,1,")})
        EXPECT_FALSE(BuildSketchPoints(bad, s)) << bad.toStdString();
    EXPECT_EQ(s.SketchX, QList<qint32>{7});
    // Only the comma after the last nature may be missing.
    EXPECT_TRUE(BuildSketchPoints("1,3,1,1,1,2,2,2,3,3,3,0,0,,1", s));
    EXPECT_EQ(s.count(), 5);
}
