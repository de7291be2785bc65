// The boundary string ZB_String, its line form, and loading it into the grid.
#include "gridgraph/boundary_string.h"
#include "grid_fixture.h"

#include <gtest/gtest.h>

using namespace mf;
using namespace mf::test;

TEST(BoundaryString, ExampleRoundTripsThroughLineText) {
    CoordGrid g = makeGrid({{"1", "X1", "Y1"}, {"2", "X2", "Y2"}, {"3", "X3", "Y3"}, {"*", "F", "T", "A1", "1"}});
    const QString zb = GridToZBString(g);
    EXPECT_EQ(zb, "1,3,1,X1,Y1,2,X2,Y2,3,X3,Y3,F,T,A1,1,");
    EXPECT_EQ(Get_XY_Area(zb), "4\r\n1,X1,Y1,\r\n2,X2,Y2,\r\n3,X3,Y3,\r\n*,F,T,A1,1\r\n");
}

TEST(BoundaryString, EmptyGridGivesEmptyString) {
    CoordGrid g;
    EXPECT_EQ(GridToZBString(g), "");
}

TEST(BoundaryString, EmptyNatureIsWrittenAsOneAndSetInTheCell) {
    CoordGrid g = makeGrid({{"1", "1", "2"}, {"2", "3", "4"}, {"3", "5", "6"}, {"*", "10", "5", "", ""}});
    EXPECT_TRUE(GridToZBString(g).endsWith(",10,5,,1,"));
    EXPECT_EQ(g.cell(4, 5), "1");
}

TEST(BoundaryString, CommasAndLineBreaksInAnyFieldCannotShiftFields) {
    CoordGrid g = makeGrid({{"P,1", "1", "2"}, {"2", "3", "4"}, {"3", "5", "6"}, {"*", "10", "5", "A,B\r\nC", "1"}});
    const QString zb = GridToZBString(g);
    EXPECT_EQ(zb, "1,3,P，1,1,2,2,3,4,3,5,6,10,5,A，BC,1,");
    // And it loads back to the same cells.
    CoordGrid h;
    ASSERT_TRUE(LoadGridFromLineText(h, Get_XY_Area(zb)));
    EXPECT_EQ(h.cell(1, 1), "P，1");
    EXPECT_EQ(h.cell(4, 4), "A，BC");
    EXPECT_EQ(h.cell(4, 5), "1");
}

TEST(BoundaryString, OpenLastRegionIsCountedAndReloadsOpen) {
    CoordGrid g = makeGrid({{"1", "3000000", "40000000"}, {"2", "3000100", "40000000"}});
    const QString zb = GridToZBString(g);
    EXPECT_EQ(zb, "1,2,1,3000000,40000000,2,3000100,40000000,,,,,");
    const QString lines = Get_XY_Area(zb);
    EXPECT_EQ(lines, "2\r\n1,3000000,40000000,\r\n2,3000100,40000000,\r\n");
    CoordGrid h;
    EXPECT_EQ(LoadGridFromLineText(h, lines), 0);
    EXPECT_EQ(h.lastDataRow(), 2);
    EXPECT_FALSE(h.isEndRow(2));
}

TEST(BoundaryString, LenientAndMalformedStrings) {
    // The last trailer field without its comma is the rest of the string.
    EXPECT_EQ(Get_XY_Area("1,3,1,a,b,2,c,d,3,e,f,F,T,A1, 1 "), "4\r\n1,a,b,\r\n2,c,d,\r\n3,e,f,\r\n*,F,T,A1,1\r\n");
    // n = 0, text for n, a short point, no comma at all.
    EXPECT_EQ(Get_XY_Area("1,0,"), "");
    EXPECT_EQ(Get_XY_Area("1,-1,F,T,A1,1,"), "");   // a negative count as 0: no pointless region
    EXPECT_EQ(Get_XY_Area("1,x,1,2,3,"), "");
    EXPECT_EQ(Get_XY_Area("1,3,1,a,b,2,c"), "");
    EXPECT_EQ(Get_XY_Area("abc"), "");
    EXPECT_EQ(Get_XY_Area(""), "");
    // A remainder without a comma is ignored; with one it is a further region.
    const QString one = "1,3,1,a,b,2,c,d,3,e,f,F,T,A1,1,";
    EXPECT_EQ(Get_XY_Area(one + "junk"), Get_XY_Area(one));
    EXPECT_EQ(Get_XY_Area(one + "0,"), "");
    // CR LF anywhere are ignored.
    EXPECT_EQ(Get_XY_Area("1,3,1,a,\r\nb,2,c,d,3,e,f,F,T,A1,1,\r\n"), Get_XY_Area(one));
}

TEST(BoundaryString, OverflowingPointCountIsReportedNotWrapped) {
    QString error;
    EXPECT_EQ(Get_XY_Area("1,70000,1,2,3,", &error), "");
    EXPECT_TRUE(error.startsWith("坐标错误: "));
}

TEST(BoundaryString, NeverCrashesOnGarbage) {
    const QStringList junk = {",", ",,,,", "1,", "1,-3,,,,,", "1,2,", "9,1,a,b,c,d,e,f,g,", ",\n,\n", "1,3,,,,,,,,,,,,,,"};
    for (const QString& s : junk) {
        const QString t = Get_XY_Area(s);
        CoordGrid g;
        LoadGridFromLineText(g, t);
        LoadGridFromLineText(g, s);
        EXPECT_GE(g.rows(), 2) << s.toStdString();
    }
}

TEST(BoundaryString, LoadDetectsTypeFromRowOneAndKeepsStoredNumbers) {
    CoordGrid g;
    EXPECT_EQ(LoadGridFromLineText(g, Get_XY_Area("1,3,1,116.3,39.304512,2,116.31,39.5,3,116.31,39.51,1200.00,1100,A,1,")), 1);
    EXPECT_EQ(g.cell(1, 2), "116.3");
    EXPECT_EQ(g.cell(1, 3), "39.304512");
    EXPECT_EQ(g.cell(4, 2), "1200.00");
    EXPECT_EQ(g.cell(0, 2), "经度(起标高)");
    EXPECT_EQ(g.cell(4, 0), "4");

    CoordGrid p;
    EXPECT_EQ(LoadGridFromLineText(p, Get_XY_Area("1,3,1,3000000.123,40000000,2,3000100,1000,3,x,40000100,5,1,,1,")), 0);
    EXPECT_EQ(p.cell(1, 2), "3000000.123");
    EXPECT_EQ(p.cell(1, 3), "40000000");
    EXPECT_EQ(p.cell(3, 2), "x");   // text that is no number stays, for the check to refuse
    EXPECT_EQ(p.cell(0, 3), "Y_坐标(止标高)");
    // A first point without numbers says nothing of the kind: the next one tells it.
    CoordGrid q;
    EXPECT_EQ(LoadGridFromLineText(q, Get_XY_Area("1,3,1,,,2,3000100,40000000,3,3000100,40000100,5,1,,1,")), 0);
    EXPECT_EQ(LoadGridFromLineText(q, Get_XY_Area("1,3,1,X,Y,2,X,Y,3,X,Y,5,1,,1,")), 0);
}

TEST(BoundaryString, SaveReopenSaveWritesTheSameString) {
    const QString zb = "2,3,1,3000000.5,40000000,2,3000100.125,40000000.00,3,3000100,40000100,100.50,50,A1,1,"
                       "3,1,116.304512,39.3,2,116.3100,39.30,3,116.31,39.31,50,0,B,-1,";
    CoordGrid g;
    LoadGridFromLineText(g, Get_XY_Area(zb));
    EXPECT_EQ(GridToZBString(g), zb);
}

// Every stored field comes back as stored, number or not, empty or not, so a save after a
// reopen writes what was read and nothing becomes a corner at 0.
TEST(BoundaryString, EveryFieldReloadsAsStored) {
    const QStringList fields = {"116.30.45", "116°30′45″", "１１６.３", "6.0E1", "0x1A", "inf", "nan", "", "abc", "-0"};
    for (const QString& f : fields) {
        const QString zb = "2,3,1," + f + ",39.3000,2,116.3100," + f + ",3,116.31,39.31," + f + ",1100,A1,1," +
                           "3,a,3000000,40000000,b,3000100,40000000,c,3000100,40000100," + f + "," + f + ",,-1,";
        CoordGrid g;
        EXPECT_EQ(LoadGridFromLineText(g, Get_XY_Area(zb)), 1) << f.toStdString();
        EXPECT_EQ(g.cell(1, 2), f);
        EXPECT_EQ(g.cell(2, 3), f);
        EXPECT_EQ(GridToZBString(g), zb) << f.toStdString();
    }
}

TEST(BoundaryString, LoadWithoutLineFeedLoadsNothing) {
    CoordGrid g;
    EXPECT_FALSE(LoadGridFromLineText(g, "1,2,3"));
    EXPECT_EQ(g.rows(), 2);
}
