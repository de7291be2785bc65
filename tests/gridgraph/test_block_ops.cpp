// Clipboard block, paste, insert and delete on the grid.
#include "gridgraph/block_ops.h"
#include "grid_fixture.h"

#include <gtest/gtest.h>
#include <optional>

using namespace mf;
using namespace mf::test;
using namespace mf::blockops;

namespace {
CoordGrid sample() {
    return makeGrid({{"1", "3000000", "40000000"}, {"2", "3000100", "40000000"}, {"3", "3000100", "40000100"},
                     {"4", "3000000", "40000100"}, {"5", "3000050", "40000050"}, {"6", "3000060", "40000060"}});
}
QStringList col(const CoordGrid& g, int c) {
    QStringList l;
    for (int r = 1; r <= g.lastDataRow(); ++r)
        l << g.cell(r, c);
    return l;
}
} // namespace

TEST(BlockOps, CopyFormatAndRefusals) {
    CoordGrid g = sample();
    g.select(3, 1, 4, 3);
    EXPECT_EQ(copyBlock(g).block, "STACOL=1;ENDCOL=3;ROWS=2\r\n3,3000100,40000100\r\n4,3000000,40000100\r\n");
    g.select(1, 4, 1, 4);
    EXPECT_EQ(copyBlock(g).error, "拷贝列超出范围...");
    g.select(7, 1, 7, 1);
    EXPECT_EQ(copyBlock(g).error, "块操作中不能是无效记录行...");
    g.select(1, 1, 1, 5);   // whole row: columns 4 and 5 included; empty cells as " "
    EXPECT_EQ(copyBlock(g).block, "STACOL=1;ENDCOL=5;ROWS=1\r\n1,3000000,40000000, , \r\n");
}

TEST(BlockOps, ColumnBlockOverwritesInPlaceFromItsColumn) {
    CoordGrid g = sample();
    g.select(2, 2, 3, 3);
    const QString block = copyBlock(g).block;
    g.setCurrent(5, 1);
    EXPECT_EQ(paste(g, block).error, "光标所在位置与定义的块起始列不符...");
    g.setCurrent(5, 2);
    const PasteResult r = paste(g, block);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(g.cell(5, 2), "3000100");
    EXPECT_EQ(g.cell(6, 3), "40000100");
    EXPECT_EQ(g.lastDataRow(), 6);
    // Near the end: only down to the last data row, no row added.
    g.setCurrent(6, 2);
    paste(g, block);
    EXPECT_EQ(g.lastDataRow(), 6);
    EXPECT_EQ(r.detectedType, 0);
}

TEST(BlockOps, WholeRowsInsertAboveAppendOrReplace) {
    CoordGrid g = sample();
    g.select(1, 1, 2, 5);
    const QString block = copyBlock(g).block;
    g.setCurrent(1, 1);
    paste(g, block);
    EXPECT_EQ(col(g, 1), QStringList({"1", "2", "1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(col(g, 0), QStringList({"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(g.row_, 1);
    g.setCurrent(g.entryRow(), 1);
    paste(g, block);
    EXPECT_EQ(g.lastDataRow(), 10);
    EXPECT_EQ(g.cell(10, 1), "2");
    EXPECT_EQ(g.cell(10, 4), "");   // " " pastes back as empty
    // A selection of several cells is replaced by the pasted rows.
    g.select(3, 1, 6, 2);
    paste(g, block);
    EXPECT_EQ(g.lastDataRow(), 8);
    EXPECT_EQ(col(g, 1).mid(2, 3), QStringList({"1", "2", "5"}));
}

TEST(BlockOps, HeaderlessTextAndItsStops) {
    CoordGrid g = sample();
    g.setCurrent(g.entryRow(), 1);
    const PasteResult r = paste(g, "7,3000000,40000000\r\n标高,100,50,A，B,1\r\nno comma\r\n8,1,2\r\n");
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(g.lastDataRow(), 8);
    EXPECT_EQ(g.cell(8, 1), "*");
    EXPECT_EQ(g.cell(8, 4), "A，B");
    EXPECT_EQ(r.detectedType, 0);   // from the first pasted row
    EXPECT_EQ(r.notice, "第3行不是逗号分隔的坐标数据，其后内容未粘贴");
}

// A paste that ends before the clipboard text does names the line and why; a header row
// says nothing of the coordinate kind.
TEST(BlockOps, PasteStopsAreNamedAndHeadersDecideNoKind) {
    const QString square = "1,3800000,38500000\r\n2,3800100,38500000\r\n3,3800100,38500100\r\n*,100,50,A,1\r\n";
    const struct {
        const char* name;
        QString text;
        int pastedRows;
        const char* error;
        const char* notice;
        std::optional<int> type;
    } cases[] = {
        {"spreadsheet", "点号\tX坐标\tY坐标\r\n1\t3800000\t38500000\r\n", 0,
         "第1行不是逗号分隔的坐标数据，其后内容未粘贴", "", std::nullopt},
        {"blank line between regions", square + "\r\n" + square, 4, "",
         "第5行不是逗号分隔的坐标数据，其后内容未粘贴", 0},
        {"blank lines at the end", square + "\r\n  \r\n\t\r\n", 4, "", "", 0},
        {"header row", "点号,X坐标,Y坐标\r\n" + square, 5, "", "", 0},
        {"header row, geographic", "点号,经度,纬度\r\n1,116.3045,39.3015\r\n", 2, "", "", 1},
        {"header row alone", "点号,X坐标,Y坐标\r\n", 1, "", "", std::nullopt},
        {"copied block", "STACOL=1;ENDCOL=5;ROWS=4\r\n" + square + "\r\n" + square, 4, "",
         "第6行不是逗号分隔的坐标数据，其后内容未粘贴", 0},
        {"CR line ends", QString(square).replace("\r\n", "\r"), 4, "", "", 0},
        {"CR line ends, copied block", QString("STACOL=1;ENDCOL=5;ROWS=4\r" + square + "\r" + square).replace("\r\n", "\r"), 4,
         "", "第6行不是逗号分隔的坐标数据，其后内容未粘贴", 0},
    };
    for (const auto& c : cases) {
        CoordGrid g;
        const PasteResult r = paste(g, c.text);
        EXPECT_EQ(g.lastDataRow(), c.pastedRows) << c.name;
        EXPECT_EQ(r.error, QString(c.error)) << c.name;
        EXPECT_EQ(r.notice, QString(c.notice)) << c.name;
        EXPECT_EQ(r.detectedType, c.type) << c.name;
    }
    // A column block that runs past the last data row says where it stopped.
    CoordGrid g = sample();
    g.setCurrent(5, 2);
    const PasteResult r = paste(g, "STACOL=2;ENDCOL=3;ROWS=3\r\n1,2\r\n3,4\r\n5,6\r\n");
    EXPECT_EQ(r.notice, "第4行超出坐标表格的数据行，其后内容未粘贴");
    EXPECT_EQ(col(g, 2).mid(4), QStringList({"1", "3"}));
    g.setCurrent(g.entryRow(), 2);
    EXPECT_EQ(paste(g, "STACOL=2;ENDCOL=3;ROWS=1\r\n1,2\r\n").error, "第2行超出坐标表格的数据行，其后内容未粘贴");
}

TEST(BlockOps, TypeDetectionFromTheCurrentRow) {
    CoordGrid g;
    PasteResult geo = paste(g, "1,116.3,39.5\r\n");
    EXPECT_EQ(geo.detectedType, 1);
    CoordGrid p;
    EXPECT_EQ(paste(p, "1,3000000,40000000\r\n").detectedType, 0);
    CoordGrid e;
    EXPECT_FALSE(paste(e, "*,100,50,A,1\r\n").detectedType.has_value());
}

TEST(BlockOps, PasteThatInsertsNothingChangesNothing) {
    CoordGrid g = sample();
    g.select(2, 1, 4, 5);   // several rows selected
    const PasteResult r = paste(g, "a\tb\tc\r\nd\te\tf");   // spreadsheet text: no comma line
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(g.lastDataRow(), 6);
    EXPECT_EQ(paste(g, "   ").error, "没有定义可拷贝的块数据...");
    const PasteResult bad = paste(g, "STACOL=1\r\n1,2,3\r\n");
    EXPECT_EQ(bad.error, "剪切板中数据不符合要求...");
    EXPECT_TRUE(bad.exclamation);
    EXPECT_EQ(paste(g, "STACOL=99999;ENDCOL=3;\r\n1,2\r\n").error, "剪切板中数据不符合要求...");
    // A column block of no lines writes nothing and reports no change.
    g.setCurrent(2, 2);
    const PasteResult empty = paste(g, "STACOL=2;ENDCOL=3;ROWS=0\r\n");
    EXPECT_TRUE(empty.error.isEmpty());
    EXPECT_FALSE(empty.changed);
    EXPECT_FALSE(empty.detectedType.has_value());
}

TEST(BlockOps, CellsWithCommasCopySafely) {
    CoordGrid g = makeGrid({{"P,1", "1", "2"}, {"*", "1", "0", "A,B", "1"}});
    g.select(1, 1, 2, 5);
    const QString block = copyBlock(g).block;
    CoordGrid h;
    paste(h, block);
    EXPECT_EQ(h.cell(1, 1), "P，1");
    EXPECT_EQ(h.cell(2, 4), "A，B");
    EXPECT_EQ(h.cell(2, 5), "1");
}

TEST(BlockOps, InsertRowAndRefusals) {
    CoordGrid g = sample();
    g.setCurrent(g.entryRow(), 1);
    EXPECT_EQ(insertRow(g), "该位置不能插入记录...");
    g.select(2, 1, 3, 1);
    EXPECT_EQ(insertRow(g), "不能选定多行执行插入操作...");
    g.select(2, 1, 2, 3);
    EXPECT_EQ(insertRow(g), "");
    EXPECT_EQ(g.lastDataRow(), 7);
    EXPECT_EQ(g.cell(2, 1), "");
    EXPECT_EQ(g.cell(3, 1), "2");
    EXPECT_EQ(g.cell(7, 0), "7");
}

TEST(BlockOps, DeleteQuestionAndCursor) {
    CoordGrid g = sample();
    g.select(4, 1, 6, 1);
    DeletePlan p = planDelete(g, false);
    EXPECT_EQ(p.question, "确认删除从当前记录行以下3行数据！");
    deleteRows(g, p);
    EXPECT_EQ(g.lastDataRow(), 3);
    EXPECT_EQ(g.row_, 3);
    EXPECT_EQ(g.cell(4, 0), "");   // the new entry row is empty

    CoordGrid h = sample();
    h.select(3, 1, 2, 1);
    EXPECT_EQ(planDelete(h, false).question, "确认删除从当前记录行以上2行数据！");
    h.setCurrent(2, 2);
    EXPECT_EQ(planDelete(h, false).question, "确认删除当前记录行的数据！");
    EXPECT_TRUE(planDelete(h, true).silent);   // Del needs whole rows
    h.select(1, 1, 7, 5);   // everything down to the entry row
    p = planDelete(h, true);
    EXPECT_EQ(p.count, 6);
    deleteRows(h, p);
    EXPECT_EQ(h.rows(), 2);
    EXPECT_EQ(h.row_, 1);
    h.setCurrent(1, 1);
    EXPECT_EQ(planDelete(h, false).error, "删除记录中不能是无效记录行...");
}

// A grid beyond its lines could be saved but never opened again: a paste or an inserted row
// that would take it there is refused and the grid stays as it was.
TEST(BlockOps, PasteAndInsertStopAtTheGridLimit) {
    const int limit = CoordGrid::kMaxDataRows;
    const auto lines = [](int n) {
        QString t;
        for (int i = 0; i < n; ++i) t += QStringLiteral("%1,3000000,40000000\r\n").arg(i + 1);
        return t;
    };
    struct Case {
        int pasted;
        bool refused;
    };
    for (const Case& c : {Case{limit - 6, false}, Case{limit - 5, true}, Case{40000, true}}) {
        CoordGrid g = sample();
        g.setCurrent(g.entryRow(), 1);
        const PasteResult r = paste(g, lines(c.pasted));
        EXPECT_EQ(!r.error.isEmpty(), c.refused) << c.pasted;
        EXPECT_EQ(g.lastDataRow(), c.refused ? 6 : limit) << c.pasted;
        if (c.refused)
            EXPECT_EQ(r.error, QStringLiteral("坐标数据将达%1行,超过坐标表格最多%2行的限制,不能添加...")
                                   .arg(6 + c.pasted).arg(limit));
        else {
            g.setCurrent(1, 1);
            EXPECT_FALSE(insertRow(g).isEmpty());
            EXPECT_EQ(g.lastDataRow(), limit);
        }
    }
}
