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

TEST(CellEdit, MaskTextsKeepHundredthsOfASecond) {
    const struct {
        const char* cell;
        int col;
        const char* mask;
    } cases[] = {
        {"116.3045", 2, "116°30′45.  ″"},
        {"98.1234", 2, " 98°12′34.  ″"},
        {"39.5", 3, "39°50′00.  ″"},
        {"39.304512", 3, "39°30′45.12″"},
        {"116.304500", 2, "116°30′45.00″"},   // stored hundredths show, also when 00
        {"0", 3, "  °  ′  .  ″"},
        {"", 2, "   °  ′  .  ″"},
        {"  ", 3, "  °  ′  .  ″"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CellToMaskText(c.cell, c.col), QString(c.mask)) << c.cell;
    // Values the mask cannot show are edited as plain text, so nothing is rounded away.
    for (const char* cell : {"123.45", "-39.5", "116°30′", "abc", "39.3045123"})
        EXPECT_FALSE(CellToMaskText(cell, 3).has_value()) << cell;
}

TEST(CellEdit, ZtrimReadsTheMask) {
    const struct {
        const char* text;
        int col;
        const char* cell;
        bool asTyped = false;   // two separators typed: each field reads as its own digits
    } cases[] = {
        {"116°30′45.  ″", 2, "116.3045"},
        {" 98°5 ′  .  ″", 2, "98.5000"},   // by position, as "98.5" in a file
        {" 98°05′3 .  ″", 2, "98.0503", true},
        {" 98°05′3 .  ″", 2, "98.0530"},
        {"39°05′03.5 ″", 3, "39.050350", true},   // hundredths: a fraction of the second
        {"   °30′  .  ″", 2, "0.3000"},
        {"39°50′00.  ″", 3, "39.5000"},
        {"10°75′00.  ″", 3, "10.7500"},
        {"39°30′45.12″", 3, "39.304512"},
        {"39°30′45.5 ″", 3, "39.304550"},
        {"39°30′ 5.00″", 3, "39.300500"},
        {"  °  ′  .  ″", 3, "", true},
        {"116.3", 2, ""},   // no degree sign
    };
    for (const auto& c : cases)
        EXPECT_EQ(ztrim(c.text, true, c.col, c.asTyped), QString(c.cell)) << c.text;
    EXPECT_EQ(ztrim("  A1 ", false, 1), "A1");
    // A value through the mask and back is the same text.
    for (const char* cell : {"116.3045", "39.304512", "116.304500"})
        EXPECT_EQ(ztrim(*CellToMaskText(cell, 2), true, 2), QString(cell));
}

TEST(CellEdit, TypedCharacterAndFieldJump) {
    EXPECT_EQ(maskWithFirstChar(u'5', 2), "5  °  ′  .  ″");
    EXPECT_FALSE(maskWithFirstChar(u'a', 2).has_value());
    const struct {
        const char* text;
        int caret;
        char16_t key;
        const char* out;   // nullptr: the key changes nothing
        int newCaret;
    } jumps[] = {
        {"98 °  ′  .  ″", 2, u'.', " 98°  ′  .  ″", 4},
        {"98 °  ′  .  ″", 2, u' ', " 98°  ′  .  ″", 4},
        {" 98°3 ′  .  ″", 5, u'.', " 98°03′  .  ″", 7},    // minutes: on to the seconds, zero-padded
        {" 98°3 ′  .  ″", 5, u' ', " 98°03′  .  ″", 7},
        {" 98°30′4 .  ″", 8, u'.', " 98°30′04.  ″", 10},   // a seconds digit: the hundredths
        {" 98°30′4 .  ″", 8, u' ', nullptr, 0},            // a blank never starts them
        {"116°  ′  .  ″", 4, u'.', nullptr, 0},            // the mask moved on by itself
        {"116°30′  .  ″", 7, u' ', nullptr, 0},
        {"116°30′45.  ″", 10, u'.', nullptr, 0},
        {" 98°30′45.1 ″", 11, u'.', nullptr, 0},           // in the hundredths
    };
    for (const auto& j : jumps) {
        const auto r = maskFieldJump(j.text, j.caret, QChar(j.key));
        if (!j.out) {
            EXPECT_FALSE(r.has_value()) << j.text << " " << j.caret;
            continue;
        }
        ASSERT_TRUE(r) << j.text;
        EXPECT_EQ(r->first, QString(j.out));
        EXPECT_EQ(r->second, j.newCaret);
    }
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
    EXPECT_FALSE(commitCell(g, 1, 2, "   °  ′  .  ″").changed);
    const CommitResult r = commitCell(g, 1, 1, "A1");
    EXPECT_TRUE(r.changed);
    EXPECT_TRUE(r.rowAdded);
    EXPECT_EQ(g.lastDataRow(), 1);
    EXPECT_EQ(g.cell(1, 0), "1");
    EXPECT_FALSE(commitCell(g, 1, 1, "A1").changed);
    EXPECT_TRUE(commitCell(g, 1, 1, "").changed);
    EXPECT_EQ(g.cell(1, 1), "");
}

// A full grid takes no new row from the entry row, as paste and 插入 take none.
TEST(CellEdit, TheEntryRowOfAFullGridAddsNoRow) {
    CoordGrid g;
    g.setRows(CoordGrid::kMaxDataRows + 2);
    const CommitResult r = commitCell(g, g.entryRow(), 1, "A1");
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(r.error, QStringLiteral("坐标数据将达%1行,超过坐标表格最多%2行的限制,不能添加...")
                           .arg(CoordGrid::kMaxDataRows + 1).arg(CoordGrid::kMaxDataRows));
    EXPECT_EQ(g.lastDataRow(), CoordGrid::kMaxDataRows);
    EXPECT_EQ(g.cell(g.entryRow(), 1), "");
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
