// Cell editor rules and the zoom's scroll bars.
#include "gridgraph/cell_edit.h"
#include "gridgraph/zoom.h"
#include "grid_fixture.h"

#include <gtest/gtest.h>

using namespace mf;
using namespace mf::test;
using namespace mf::celledit;

TEST(CellEdit, WhichCellsOpenWhichEditor) {
    CoordGrid g = makeGrid({{"1", "116.3", "39.5"}, {"*", "100", "50", "A", "1"}});
    EXPECT_TRUE(isEditable(g, 1, 3));
    EXPECT_FALSE(isEditable(g, 1, 4));
    EXPECT_TRUE(isEditable(g, 2, 5));
    EXPECT_TRUE(isEditable(g, 3, 1));   // entry row
    EXPECT_FALSE(isEditable(g, 3, 4));
    EXPECT_TRUE(isGeoPointCell(g, 1, 2, 1));
    EXPECT_FALSE(isGeoPointCell(g, 1, 2, 0));
    EXPECT_FALSE(isGeoPointCell(g, 2, 2, 1));   // elevations use plain text
}

TEST(CellEdit, MaskTexts) {
    EXPECT_EQ(CellToMaskText("116.3045", 2), "116°30′45″");
    EXPECT_EQ(CellToMaskText("98.1234", 2), " 98°12′34″");
    EXPECT_EQ(CellToMaskText("39.5", 3), "39°50′00″");
    EXPECT_EQ(CellToMaskText("0", 3), "  °  ′  ″");
    EXPECT_EQ(CellToMaskText("", 2), "   °  ′  ″");
    // Values the mask cannot show are edited as plain text.
    EXPECT_FALSE(CellToMaskText("123.45", 3).has_value());
    EXPECT_FALSE(CellToMaskText("-39.5", 3).has_value());
    // Text that is no number keeps its content in the plain editor instead of an empty mask.
    EXPECT_FALSE(CellToMaskText("116°30′", 2).has_value());
    EXPECT_FALSE(CellToMaskText("abc", 3).has_value());
    EXPECT_EQ(CellToMaskText("  ", 3), "  °  ′  ″");
}

TEST(CellEdit, ZtrimReadsTheMask) {
    EXPECT_EQ(ztrim("116°30′45″", true, 2), "116.3045");
    EXPECT_EQ(ztrim(" 98°5 ′  ″", true, 2), "98.0500");
    EXPECT_EQ(ztrim("   °30′  ″", true, 2), "0.3000");
    EXPECT_EQ(ztrim("39°50′00″", true, 3), "39.5000");
    EXPECT_EQ(ztrim("10°75′00″", true, 3), "10.7500");
    EXPECT_EQ(ztrim("  °  ′  ″", true, 3), "");
    EXPECT_EQ(ztrim("116.3", true, 2), "");   // no degree sign
    EXPECT_EQ(ztrim("  A1 ", false, 1), "A1");
}

TEST(CellEdit, TypedCharacterAndDotJump) {
    EXPECT_EQ(maskWithFirstChar(u'5', 2), "5  °  ′  ″");
    EXPECT_FALSE(maskWithFirstChar(u'a', 2).has_value());
    const auto j = maskDotJump("98 °  ′  ″", 2);
    ASSERT_TRUE(j);
    EXPECT_EQ(j->first, " 98°  ′  ″");
    EXPECT_EQ(j->second, 4);
    EXPECT_FALSE(maskDotJump(" 98°  ′  ″", 5).has_value());   // after the degree sign
}

TEST(CellEdit, InputOrder) {
    CoordGrid g = makeGrid({{"1", "1", "2"}, {" * ", "100", "50", "A", "1"}});
    EXPECT_EQ(nextCell(g, 1, 1), std::make_pair(1, 2));
    EXPECT_EQ(nextCell(g, 1, 3), std::make_pair(2, 1));
    EXPECT_EQ(nextCell(g, 2, 3), std::make_pair(2, 4));
    EXPECT_EQ(nextCell(g, 2, 5), std::make_pair(3, 1));
}

TEST(CellEdit, CommitOnEntryAndDataRows) {
    CoordGrid g;
    EXPECT_FALSE(commitCell(g, 1, 1, "").changed);   // empty entry: nothing
    EXPECT_FALSE(commitCell(g, 1, 2, "   °  ′  ″").changed);
    const CommitResult r = commitCell(g, 1, 1, "A1");
    EXPECT_TRUE(r.changed);
    EXPECT_TRUE(r.rowAdded);
    EXPECT_EQ(g.lastDataRow(), 1);
    EXPECT_EQ(g.cell(1, 0), "1");
    EXPECT_FALSE(commitCell(g, 1, 1, "A1").changed);
    EXPECT_TRUE(commitCell(g, 1, 1, "").changed);
    EXPECT_EQ(g.cell(1, 1), "");
}

TEST(Zoom, ScrollBarsFollowTheZoom) {
    using zoom::ScrollBar;
    EXPECT_EQ(zoom::percentOf("150%"), 150);
    EXPECT_EQ(zoom::zoomItems().size(), 10);
    const ScrollBar b150 = zoom::zoomScroll(ScrollBar{}, 5700 - 3800);
    EXPECT_EQ(b150.max, 1900);
    EXPECT_EQ(b150.large, 190);
    EXPECT_EQ(b150.small, 48);   // 47.5 to the even 48
    EXPECT_EQ(b150.value, 950);
    const ScrollBar b800 = zoom::zoomScroll(b150, 30400 - 3800);
    EXPECT_EQ(b800.max, 26600);
    EXPECT_EQ(b800.large, 2660);
    EXPECT_EQ(b800.small, 665);
    ScrollBar end = b150;
    end.value = 1900;
    EXPECT_EQ(zoom::zoomScroll(end, 3800).value, 3798);
    const ScrollBar back = zoom::zoomScroll(end, 0);
    EXPECT_EQ(back.max, 1);
    EXPECT_EQ(back.value, 1);
}
