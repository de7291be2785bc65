// The coordinate check: verdicts per mode and the exact messages.
#include "gridgraph/coord_check.h"
#include "grid_fixture.h"
#include "platform/scripted_dialogs.h"

#include <gtest/gtest.h>

using namespace mf;
using namespace mf::test;

namespace {

struct CheckRun {
    bool ok;
    QStringList texts;
    QStringList titles;
};

CheckRun check(CoordGrid g, int mode, int type = 0, QList<MsgAnswer> answers = {}) {
    ScriptedDialogs d;
    for (MsgAnswer a : answers)
        d.answer(a);
    const CheckResult r = CheckCoordGrid(g, mode, type, d);
    CheckRun run{r.ok, d.messageTexts(), {}};
    for (const ShownMessage& m : d.messages())
        run.titles << m.title;
    return run;
}

QList<QStringList> plane(const QString& nature = "1", const QString& from = "100", const QString& to = "50") {
    return squareRows(3000000, 40000000, 1000, from, to, nature);
}

} // namespace

TEST(CoordCheck, EmptyGridPerMode) {
    CoordGrid g;
    EXPECT_EQ(check(g, 0).texts, QStringList{"坐标数据不完整..."});
    EXPECT_EQ(check(g, 1).texts, QStringList{"坐标数据不完整..."});
    const CheckRun r2 = check(g, 2);
    EXPECT_TRUE(r2.ok);
    EXPECT_TRUE(r2.texts.isEmpty());
    EXPECT_EQ(check(g, 7).texts, QStringList{"坐标数据不完整..."});   // other modes act as 0
}

TEST(CoordCheck, ValidSquarePassesInEveryMode) {
    for (int mode : {0, 1, 2}) {
        const CheckRun r = check(gridOf(plane()), mode);
        EXPECT_TRUE(r.ok) << mode;
        EXPECT_TRUE(r.texts.isEmpty()) << mode;
    }
}

TEST(CoordCheck, RegionCountAndEmptyNatureSet) {
    auto rows = plane("");
    rows += squareRows(3001000, 40001000, 100);
    CoordGrid g = gridOf(rows);
    ScriptedDialogs d;
    const CheckResult r = CheckCoordGrid(g, 0, 0, d);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.regionCount, 2);
    EXPECT_EQ(g.cell(5, 5), "1");
}

TEST(CoordCheck, EndRowAfterEndRowHasTooFewPoints) {
    auto rows = plane();
    rows << QStringList{"*", "10", "5", "", "1"};
    const CheckRun r = check(gridOf(rows), 0);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.texts, QStringList{"第6行以上区域拐点个数小于3..."});
    EXPECT_EQ(r.titles, QStringList{"错误"});
}

TEST(CoordCheck, PointNumberLengthInGbkBytes) {
    auto rows = plane();
    rows[0][0] = "12345678";
    EXPECT_TRUE(check(gridOf(rows), 0).ok);
    rows[0][0] = "一二三四";
    EXPECT_TRUE(check(gridOf(rows), 0).ok);
    rows[0][0] = "123456789";
    EXPECT_EQ(check(gridOf(rows), 0).texts, QStringList{"第1行<拐点号>数据填写超长(>8)..."});
    rows[0][0] = "一二三四五";
    EXPECT_EQ(check(gridOf(rows), 2).texts, QStringList{"第1行<拐点号>数据填写超长(>8)..."});
}

TEST(CoordCheck, NatureRules) {
    EXPECT_EQ(check(gridOf(plane("1.5")), 0).texts, QStringList{"第5行<性质>数据填写错误..."});
    EXPECT_TRUE(check(gridOf(plane("-0.5")), 0).ok);
    EXPECT_TRUE(check(gridOf(plane("-1")), 0).ok);
    // Not numbers or beyond 16 bits: the row message, never a crash.
    EXPECT_EQ(check(gridOf(plane("abc")), 0).texts, QStringList{"第5行<性质>数据填写错误..."});
    EXPECT_EQ(check(gridOf(plane("99999")), 2).texts, QStringList{"第5行<性质>数据填写错误..."});
}

TEST(CoordCheck, ElevationOrderAndCompletenessPerMode) {
    const auto equal = plane("1", "50", "50");
    EXPECT_EQ(check(gridOf(equal), 0).texts, QStringList{"第5行<止标高>应小于<起标高>..."});
    EXPECT_TRUE(check(gridOf(equal), 1).ok);
    EXPECT_TRUE(check(gridOf(equal), 2).ok);

    const auto missing = plane("1", "", "50");
    const CheckRun no = check(gridOf(missing), 0, 0, {MsgAnswer::No});
    EXPECT_FALSE(no.ok);
    EXPECT_EQ(no.texts, QStringList{"第5行<标高>数据不全,继续?"});
    EXPECT_EQ(no.titles, QStringList{"警告"});
    EXPECT_TRUE(check(gridOf(missing), 0, 0, {MsgAnswer::Yes}).ok);
    EXPECT_EQ(check(gridOf(missing), 2, 0, {MsgAnswer::Yes}).texts.size(), 1);
    const CheckRun silent = check(gridOf(missing), 1);
    EXPECT_TRUE(silent.ok);
    EXPECT_TRUE(silent.texts.isEmpty());
}

TEST(CoordCheck, PlaneLimitsAreInclusive) {
    auto at = [](const QString& x, const QString& y) {
        return gridOf({{"1", x, y}, {"2", "1000100", "10000000"}, {"3", "1000100", "10000100"}, {"*", "1", "0", "", "1"}});
    };
    EXPECT_TRUE(check(at("1000000", "10000000"), 0).ok);
    EXPECT_EQ(check(at("999999.99", "10000000"), 0).texts, QStringList{"第1行<X_坐标>列数据超范围..."});
    EXPECT_EQ(check(at("1000000", "9999999"), 0).texts, QStringList{"第1行<Y_坐标>列数据超范围..."});
    auto high = gridOf({{"1", "10000000", "100000000"}, {"2", "9999900", "100000000"}, {"3", "9999900", "99999900"},
                        {"*", "1", "0", "", "1"}});
    EXPECT_TRUE(check(high, 0).ok);
    EXPECT_EQ(check(at("1e6", "x"), 0).texts, QStringList{"第1行<坐标>列必须输入数据值..."});
    EXPECT_EQ(check(at("1,000,000", "10000000"), 0).texts, QStringList{"第1行<坐标>列必须输入数据值..."});
}

TEST(CoordCheck, GeographicLimits) {
    auto at = [](const QString& lon, const QString& lat) {
        return gridOf({{"1", lon, lat}, {"2", "116.3000", "39.3000"}, {"3", "116.3100", "39.3100"}, {"*", "1", "0", "", "1"}});
    };
    EXPECT_TRUE(check(at("140.0000", "0"), 0, 1).ok);
    EXPECT_TRUE(check(at("70", "55.0000"), 0, 1).ok);
    EXPECT_EQ(check(at("140.0001", "39"), 0, 1).texts, QStringList{"第1行<经度坐标>列数据超范围..."});
    EXPECT_EQ(check(at("116", "55.0001"), 0, 1).texts, QStringList{"第1行<纬度坐标>列数据超范围..."});
    // Negative packed angles are refused, not read as positive minutes.
    EXPECT_EQ(check(at("-115.3", "39"), 0, 1).texts, QStringList{"第1行<经度坐标>列数据超范围..."});
    EXPECT_EQ(check(at("116", "-0.3000"), 0, 1).texts, QStringList{"第1行<纬度坐标>列数据超范围..."});
    // No distance tests for geographic points.
    EXPECT_TRUE(check(at("116.3000", "39.3000"), 0, 1).texts.isEmpty());
}

TEST(CoordCheck, MinutesAndSecondsBelowSixty) {
    auto at = [](const QString& lon, const QString& lat) {
        return gridOf({{"1", lon, lat}, {"2", "116.3000", "39.3000"}, {"3", "116.3100", "39.3100"}, {"*", "1", "0", "", "1"}});
    };
    const struct {
        const char* lon;
        const char* lat;
        const char* message;   // "" passes
    } cases[] = {
        {"116.5959", "39.595999", ""},
        {"116.75", "39", "第1行<经度坐标>列分、秒数据超范围(应小于60)..."},
        {"116.3060", "39", "第1行<经度坐标>列分、秒数据超范围(应小于60)..."},
        {"116", "39.0060", "第1行<纬度坐标>列分、秒数据超范围(应小于60)..."},
        {"116", "39.3059995", "第1行<纬度坐标>列分、秒数据超范围(应小于60)..."},   // 59.995″ is 60″
    };
    for (const auto& c : cases) {
        const CheckRun r = check(at(c.lon, c.lat), 1, 1);
        EXPECT_EQ(r.ok, QString(c.message).isEmpty()) << c.lon << " " << c.lat;
        EXPECT_EQ(r.texts.join(""), QString(c.message));
    }
}

TEST(CoordCheck, DistanceWarnings) {
    auto pair = [](const QString& y2) {
        return gridOf({{"1", "3000000", "40000000"}, {"2", "3000000", y2}, {"3", "3000100", y2},
                       {"*", "1", "0", "", "1"}});
    };
    EXPECT_TRUE(check(pair("40005000"), 0).texts.isEmpty());
    const CheckRun far = check(pair("40005000.01"), 0, 0, {MsgAnswer::No});
    EXPECT_FALSE(far.ok);
    EXPECT_EQ(far.texts, QStringList{"第2行区域坐标填写不合理(与上点相差超过5000米),继续?"});
    const CheckRun same = check(pair("40000000"), 0, 0, {MsgAnswer::Yes});
    EXPECT_TRUE(same.ok);
    EXPECT_EQ(same.texts, QStringList{"第2行区域坐标填写不合理(与上点相同),继续?"});
}

TEST(CoordCheck, EndMarkerAndMode2) {
    auto open = plane();
    open.removeLast();
    EXPECT_EQ(check(gridOf(open), 0).texts, QStringList{"最后一个区域没有结束标记..."});
    EXPECT_TRUE(check(gridOf(open), 2).ok);
    EXPECT_EQ(check(gridOf({{"1", "1", "2"}}), 2).texts, QStringList{"第1行<X_坐标>列数据超范围...\n是否仍然保存?"});
    EXPECT_EQ(check(gridOf({{"1", "x", "y"}}), 2).texts, QStringList{"第1行<坐标>列必须输入数据值..."});
}

// Text that is no plain number never passes as a coordinate, however it reached the grid;
// nor is it saved (an empty cell is named as such). A point number the
// text file would read as a region end or split is refused on every check.
TEST(CoordCheck, CoordinateTextsAndReservedPointNumbers) {
    const QString noNumber = "第1行<坐标>列必须输入数据值...";
    const struct {
        const char* point;
        const char* lon;
        const char* lat;
        const char* area;   // mode 1, geographic
        const char* save;   // mode 2; in both "" is the number message, "-" passes
    } cases[] = {
        {"1", "6.0E1", "39.3000", "", ""},
        {"1", "116.3000", "0x1A", "", ""},
        {"1", "inf", "39.3000", "", ""},
        {"1", "116.3000", "nan", "", ""},
        {"1", "116.30.45", "39.3000", "", ""},
        {"1", "116°30′45″", "39.3000", "", ""},
        {"1", "１１６.３０", "39.3000", "", ""},
        {"1", "abc", "xyz", "", ""},
        {"1", "116.3000", "39.3000x", "", ""},
        {"1", "", "39.3000", "", "第1行坐标不完整"},
        {"1", "116.3000", "  ", "", "第1行坐标不完整"},
        {"1", " 116.3000 ", "39.3000", "-", "-"},
        {"标高", "116.3000", "39.3000", "第1行<拐点号>不能是“标高”，也不能含有逗号...", "第1行<拐点号>不能是“标高”，也不能含有逗号..."},
        {" 标高 ", "116.3000", "39.3000", "第1行<拐点号>不能是“标高”，也不能含有逗号...", "第1行<拐点号>不能是“标高”，也不能含有逗号..."},
        {"P,1", "116.3000", "39.3000", "第1行<拐点号>不能是“标高”，也不能含有逗号...", "第1行<拐点号>不能是“标高”，也不能含有逗号..."},
        {"标高1", "116.3000", "39.3000", "-", "-"},
        {"1", "116.7500", "39.3000", "第1行<经度坐标>列分、秒数据超范围(应小于60)...", "第1行<经度坐标>列分、秒数据超范围(应小于60)...\n是否仍然保存?"},
        {"1", "216.3000", "39.3000", "第1行<经度坐标>列数据超范围...", "第1行<经度坐标>列数据超范围...\n是否仍然保存?"},
    };
    for (const auto& c : cases) {
        const CoordGrid g = gridOf({{c.point, c.lon, c.lat}, {"2", "116.3000", "39.3000"}, {"3", "116.3100", "39.3100"},
                                    {"*", "1", "0", "", "1"}});
        const QString area = QString(c.area).isEmpty() ? noNumber : QString(c.area) == "-" ? QString() : QString(c.area);
        const QString save = QString(c.save).isEmpty() ? noNumber : QString(c.save) == "-" ? QString() : QString(c.save);
        const CheckRun r1 = check(g, 1, 1);
        EXPECT_EQ(r1.texts.join(""), area) << c.point << " " << c.lon << " " << c.lat;
        EXPECT_EQ(r1.ok, area.isEmpty());
        const CheckRun r2 = check(g, 2, 1);
        EXPECT_EQ(r2.texts.join(""), save) << c.point << " " << c.lon << " " << c.lat;
        EXPECT_EQ(r2.ok, save.isEmpty());
    }
    // An elevation in exponent form is no number either.
    auto rows = plane("1", "1e2");
    EXPECT_EQ(check(gridOf(rows), 0, 0, {MsgAnswer::No}).texts, QStringList{"第5行<标高>数据不全,继续?"});
}

TEST(CoordCheck, EmptyAndBlankPointNumbers) {
    auto rows = plane();
    rows[1][0] = "";
    EXPECT_EQ(check(gridOf(rows), 0).texts, QStringList{"第2行<拐点号>列中必须填写数值..."});
    rows[1][0] = "  ";   // blanks only: a point row
    EXPECT_TRUE(check(gridOf(rows), 0).ok);
}

TEST(CoordCheck, MoreThan255RegionsRefused) {
    QList<QStringList> rows;
    for (int i = 0; i < 256; ++i)
        rows += squareRows(3000000, 40000000, 100);
    EXPECT_EQ(check(gridOf(rows), 2).texts, QStringList{"区域个数超过255个..."});
    rows.resize(255 * 5);
    EXPECT_TRUE(check(gridOf(rows), 2).ok);
}
