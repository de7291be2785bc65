// The boundary sketch and the coordinate table printout.
#include "print_fixtures.h"

#include "platform/scripted_dialogs.h"
#include "printing/boundary_sketch.h"
#include "printing/coordinate_table.h"

using namespace mf;
using namespace mf::test;
using Call = RecordingTarget::Call;

namespace {

SketchPointSet pointsOf(std::initializer_list<std::pair<int, int>> pts) {
    SketchPointSet s;
    for (const auto& [x, y] : pts) {
        s.SketchX << x;
        s.SketchY << y;
        s.SketchLabels << QString();
    }
    return s;
}

} // namespace

TEST_F(PrintingTest, SketchFrameShrinksBySixteenthsOnScreen) {
    SketchFrame f{1500, 4590, 6900, 6690};
    // Wide and flat: the width decides, the drawing is centred top to bottom.
    SketchPointSet wide = pointsOf({{0, 0}, {4724, 0}, {4724, 100}, {0, 100}, {0, 0}, {-1, -1}});
    const QList<QLine> lines = sketchLines(wide, f);
    EXPECT_EQ(f.x1, 1838);
    EXPECT_EQ(f.x2, 6562);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].p1(), QPoint(1838, f.y1 + 100));   // north up: y = 0 at the bottom
    EXPECT_EQ(lines[0].p2(), QPoint(6562, f.y1 + 100));
    EXPECT_EQ(f.y1 + f.y2, 4721 + 6559);   // centred in the shrunk frame (1838,4721)-(6562,6559)
}

TEST_F(PrintingTest, TallSketchFillsTheHeightAndIsCentredAcross) {
    SketchFrame f{1500, 4590, 6900, 6690};
    SketchPointSet tall = pointsOf({{0, 0}, {10, 0}, {10, 1838}, {0, 1838}, {0, 0}, {-1, -1}});
    const QList<QLine> lines = sketchLines(tall, f);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(f.y1, 4721);
    EXPECT_EQ(f.y2, 6559);
    EXPECT_EQ(f.x1 + f.x2, 1838 + 6562);
    EXPECT_EQ(lines[1].p2().y(), 4721);
}

TEST_F(PrintingTest, SeparatorsLiftThePenAndDegenerateSetsDrawNothing) {
    SketchFrame f{0, 0, 1600, 1600};
    SketchPointSet two = pointsOf({{0, 0}, {10, 0}, {10, 10}, {0, 0}, {-1, -1}, {20, 20}, {30, 20}, {30, 30}, {20, 20}, {-1, -1}, {5, 5}, {-1, -1}});
    const QList<QLine> lines = sketchLines(two, f);
    EXPECT_EQ(lines.size(), 6);   // two closed triangles, no joining line, nothing for one point
    for (const QLine& l : lines) EXPECT_GT(QLineF(l).length(), 0);

    SketchFrame g{0, 0, 1600, 1600};
    EXPECT_TRUE(sketchLines(pointsOf({{5, 5}, {5, 5}, {-1, -1}}), g).isEmpty());
    SketchFrame flat{0, 0, 1600, 0};
    EXPECT_TRUE(sketchLines(pointsOf({{0, 0}, {10, 10}, {-1, -1}}), flat).isEmpty());
}

TEST_F(PrintingTest, PaperSketchSitsAtTheMappedFrame) {
    BoundarySketch s;
    ASSERT_TRUE(MapPointListToPaper(squareBoundary(), QStringLiteral("(1500,4590)-(6900,6690)"), s));
    EXPECT_EQ(s.frame, (SketchFrame{3050, 9921, 11150, 13911}));
    RecordingTarget t;
    DrawBoundarySketch(t, 2, s);
    ASSERT_EQ(t.lines().size(), 4);
    for (const Call& l : t.lines()) {
        EXPECT_GE(std::min(l.x, l.x2), 3050);
        EXPECT_LE(std::max(l.x, l.x2), 11150);
        EXPECT_GE(std::min(l.y, l.y2), 9921);
        EXPECT_LE(std::max(l.y, l.y2), 13911);
    }
    // No point set, no sketch; an unreadable frame draws nothing.
    EXPECT_FALSE(MapPointListToPaper(QString(), QStringLiteral("(1500,4590)-(6900,6690)"), s));
    ASSERT_TRUE(MapPointListToPaper(squareBoundary(), QStringLiteral("(1500,4590)-6900,6690"), s));
    RecordingTarget none;
    DrawBoundarySketch(none, 2, s);
    EXPECT_TRUE(none.calls().isEmpty());
}

TEST(DegMinSec, FormatsDegreesMinutesAndSeconds) {
    EXPECT_EQ(FormatDegMinSec(QStringLiteral("112.3045")), QStringLiteral("112°30′45″"));
    EXPECT_EQ(FormatDegMinSec(QStringLiteral("5.0701")), QStringLiteral("5°07′01″"));
    EXPECT_EQ(FormatDegMinSec(QStringLiteral("0")), QStringLiteral("   °  ′  ″"));
    EXPECT_EQ(FormatDegMinSec(QString()), QStringLiteral("   °  ′  ″"));
    // Hundredths of a second as the grid holds them, rounded, never cut; a rounded 60″ carries.
    EXPECT_EQ(FormatDegMinSec(QStringLiteral("25.050999")), QStringLiteral("25°05′09.99″"));
    EXPECT_EQ(FormatDegMinSec(QStringLiteral("112.305950")), QStringLiteral("112°30′59.50″"));
    EXPECT_EQ(FormatDegMinSec(QStringLiteral("112.30595")), QStringLiteral("112°30′59.50″"));
    EXPECT_EQ(FormatDegMinSec(QStringLiteral("25.0509994")), QStringLiteral("25°05′09.99″"));
    EXPECT_EQ(FormatDegMinSec(QStringLiteral("25.0509995")), QStringLiteral("25°05′10.00″"));
    EXPECT_EQ(FormatDegMinSec(QStringLiteral("39.5959999")), QStringLiteral("40°00′00.00″"));
    EXPECT_EQ(FormatDegMinSec(QStringLiteral("39.3000")), QStringLiteral("39°30′00″"));
}

TEST(CoordinateList, OneLinePerPointWithIdAndElevations) {
    const QString list = FormatCoordinateList(QStringLiteral("1,\r\n2,1,3800000,38500000,2,112.3045,35.0701,100,-50, 矿体1 ,1,"));
    EXPECT_EQ(list, QStringLiteral("5\r\n矿体1\r\n1,3800000,38500000\r\n2,112°30′45″,35°07′01″\r\n标高: 从100米至-50米\r\n\r\n"));
    EXPECT_TRUE(FormatCoordinateList(QStringLiteral("1,0,1,2,")).isEmpty());
    EXPECT_TRUE(FormatCoordinateList(QStringLiteral("1,x,")).isEmpty());
    EXPECT_TRUE(FormatCoordinateList(QStringLiteral("1,2,1,3800000,38500000,")).isEmpty());
    EXPECT_TRUE(FormatCoordinateList(QStringLiteral("no commas")).isEmpty());
    // An empty ore-body id starts the block with an empty line.
    EXPECT_TRUE(FormatCoordinateList(QStringLiteral("1,1,1,3800000,38500000,0,0,,1,")).startsWith(QStringLiteral("4\r\n\r\n1,")));
}

namespace {

// n blocks of p points each, plane coordinates.
QString blocks(int n, int p) {
    QString s = QString::number(n) + QLatin1Char(',');
    for (int b = 0; b < n; ++b) {
        s += QString::number(p) + QLatin1Char(',');
        for (int i = 0; i < p; ++i) s += QStringLiteral("%1,%2,%3,").arg(i + 1).arg(3800000 + i).arg(38500000 + i);
        s += QStringLiteral("100,0,%1,1,").arg(b + 1);
    }
    return s;
}

struct TableTest : PrintingTest {
    RecordingTarget t;
    ScriptedDialogs dialogs;
    void SetUp() override {
        PrintingTest::SetUp();
        dialogs.install();
    }
};

} // namespace

TEST_F(TableTest, OneBlockOfFourPointsOnOneFramedPage) {
    PrintCoordinateTable(t, squareBoundary(), QStringLiteral("某某铁矿"), 1);
    EXPECT_EQ(t.jobs(), 1);
    const Call title = t.findText(QStringLiteral("采矿申请登记矿区范围坐标表"));
    EXPECT_EQ(title.y, 1247);
    EXPECT_DOUBLE_EQ(title.size, 24);
    EXPECT_TRUE(title.bold);
    EXPECT_EQ(title.x, 1134 + (9184 - 13 * 480) / 2);
    const Call name = t.findText(QStringLiteral("某某铁矿"));
    EXPECT_EQ(name.y, 1871);
    EXPECT_FALSE(name.bold);
    QList<int> headX;
    for (const Call& c : t.texts())
        if (c.text == QStringLiteral("点号   X坐标  Y坐标")) {
            headX << c.x;
            EXPECT_EQ(c.y, 2437);
        }
    EXPECT_EQ(headX, (QList<int>{1417, 4478, 7539}));
    const Call first = t.findText(QStringLiteral("1"));   // the ore-body id line
    EXPECT_EQ(first.x, 1276);
    EXPECT_EQ(first.y, 2749);
    EXPECT_DOUBLE_EQ(first.size, 8.25);
    EXPECT_EQ(t.findText(QStringLiteral("1,3800000,38500000")).y, 2749 + 306);
    EXPECT_EQ(t.findText(QStringLiteral("共 1 页  第 1 页")).y, 15534);
    const QList<Call> frame = t.lines();
    ASSERT_EQ(frame.size(), 4);
    EXPECT_EQ(QRect(QPoint(frame[1].x, frame[1].y), QPoint(frame[3].x2, frame[3].y2)), QRect(QPoint(1134, 2324), QPoint(10318, 15024)));
}

TEST_F(TableTest, ThreeGroupsOfFortyRowsAPage) {
    // 117 points + 3 = 120 lines: one full page.
    PrintCoordinateTable(t, blocks(1, 117), QStringLiteral("矿"), 1);
    EXPECT_EQ(t.jobs(), 1);
    // 118 points: 121 lines, the last one alone at the top of page 2's first group.
    t.clear();
    PrintCoordinateTable(t, blocks(1, 118), QStringLiteral("矿"), 5);
    EXPECT_EQ(t.jobs(), 2);
    QList<Call> rows;
    for (const Call& c : t.job(1))
        if (c.op == RecordingTarget::Op::Text && c.size == 8.25 && !c.text.startsWith(QStringLiteral("共"))) rows << c;
    ASSERT_EQ(rows.size(), 1);   // the empty line that ends the block
    EXPECT_EQ(rows[0].x, 1276);
    EXPECT_EQ(rows[0].y, 2749);
    EXPECT_EQ(t.findText(QStringLiteral("划定矿区范围坐标表")).op, RecordingTarget::Op::Text);
    EXPECT_EQ(t.findText(QStringLiteral("共 2 页  第 2 页")).op, RecordingTarget::Op::Text);
    // Line 41 opens the second group.
    const Call line41 = t.findText(QStringLiteral("40,3800039,38500039"));
    EXPECT_EQ(line41.x, 4337);
    EXPECT_EQ(line41.y, 2749);
}

TEST_F(TableTest, NothingToPrintIsReported) {
    for (const QString& zb : {QString(), QStringLiteral("1,x,"), QStringLiteral("0,")}) {
        t.clear();
        dialogs.clear();
        PrintCoordinateTable(t, zb, QStringLiteral("矿"), 1);
        EXPECT_TRUE(t.calls().isEmpty());
        EXPECT_EQ(dialogs.lastMessage().text, QStringLiteral("坐标不完成,无法打印区域坐标表..."));
        EXPECT_EQ(dialogs.lastMessage().title, QStringLiteral("错误"));
    }
}
