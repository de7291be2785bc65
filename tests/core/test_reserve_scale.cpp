// Reserve units and the scale of a reserve amount.
#include "core/reserve_scale.h"
#include "dict_fixture.h"

#include <gtest/gtest.h>

using namespace mf;
using mf::test::baseDictRows;
using mf::test::DictFixture;

namespace {

class ReserveScale : public mf::test::OpenedDictTest {
protected:
    ReserveScale() : OpenedDictTest(baseDictRows() + QStringLiteral(
        "INSERT INTO 储量规模词表 VALUES (32006,'万吨','金属',100,10);"
        "INSERT INTO 储量规模词表 VALUES (32006,'亿吨','矿石',NULL,NULL);"
        "INSERT INTO 储量规模词表 VALUES (32006,'吨',NULL,NULL,NULL);"
        "INSERT INTO 储量规模词表 VALUES (32007,'万吨','金属',100,NULL);"
        "INSERT INTO 储量规模词表 VALUES (32008,'万吨','金属',NULL,10);"
        "INSERT INTO 储量规模词表 VALUES (32009,'万吨','O''Neil',100,10);"
        "INSERT INTO 储量规模词表 VALUES (32010,'万吨','Ore',0.3,0.1);")) {}
};

} // namespace

TEST_F(ReserveScale, UnitListHoldsUnitBlankDescriptionInTableOrder) {
    EXPECT_EQ(FillReserveUnitList("32006", dict), (QStringList{"万吨 金属", "亿吨 矿石", "吨 "}));
    EXPECT_EQ(FillReserveUnitList(" 32007 ", dict), QStringList{"万吨 金属"});
    EXPECT_TRUE(FillReserveUnitList("99999", dict).isEmpty());
    EXPECT_TRUE(FillReserveUnitList("32006 OR 1=1", dict).isEmpty());
    EXPECT_TRUE(FillReserveUnitList("32006'", dict).isEmpty());
    const int before = dict.queryCount();
    EXPECT_TRUE(FillReserveUnitList("   ", dict).isEmpty());
    EXPECT_TRUE(FillReserveUnitList("", dict).isEmpty());
    EXPECT_EQ(dict.queryCount(), before);
}

TEST(SplitReserveUnitItem, CutsAtTheFirstBlank) {
    EXPECT_EQ(SplitReserveUnitItem("万吨 金属", false), QStringLiteral("万吨"));
    EXPECT_EQ(SplitReserveUnitItem("万吨 金属", true), QStringLiteral("金属"));
    EXPECT_EQ(SplitReserveUnitItem("吨 ", false), QStringLiteral("吨"));
    EXPECT_EQ(SplitReserveUnitItem("吨 ", true), QString());
    EXPECT_EQ(SplitReserveUnitItem("万 吨 矿石 A", false), QStringLiteral("万"));
    EXPECT_EQ(SplitReserveUnitItem("万 吨 矿石 A", true), QStringLiteral("吨 矿石 A"));
    EXPECT_EQ(SplitReserveUnitItem("万吨", false), QString());
    EXPECT_EQ(SplitReserveUnitItem("万吨", true), QString());
    EXPECT_EQ(SplitReserveUnitItem("", true), QString());
}

TEST_F(ReserveScale, BothThresholds) {
    EXPECT_EQ(ClassifyReserveScale("32006", "100", "金属", dict), QStringLiteral("大型"));
    EXPECT_EQ(ClassifyReserveScale("32006", "1e5", "金属", dict), QStringLiteral("大型"));
    EXPECT_EQ(ClassifyReserveScale("32006", "99.5", "金属", dict), QStringLiteral("中型"));
    EXPECT_EQ(ClassifyReserveScale("32006", "99.99999", "金属", dict), QStringLiteral("中型"));
    EXPECT_EQ(ClassifyReserveScale("32006", "10", "金属", dict), QStringLiteral("中型"));
    EXPECT_EQ(ClassifyReserveScale("32006", "9.99", "金属", dict), QStringLiteral("小型"));
    EXPECT_EQ(ClassifyReserveScale("32006", "-500", "金属", dict), QStringLiteral("小型"));
    EXPECT_EQ(ClassifyReserveScale("32006", "12abc", "金属", dict), QStringLiteral("中型"));
    EXPECT_EQ(ClassifyReserveScale("032006", " 150 ", "金属", dict), QStringLiteral("大型"));
}

TEST_F(ReserveScale, ComparedInSinglePrecision) {
    // Amounts a hair under the bound are equal to it in single precision.
    EXPECT_EQ(ClassifyReserveScale("32010", "0.3", "Ore", dict), QStringLiteral("大型"));
    EXPECT_EQ(ClassifyReserveScale("32010", "0.299999999", "Ore", dict), QStringLiteral("大型"));
    EXPECT_EQ(ClassifyReserveScale("32006", "99.999999", "金属", dict), QStringLiteral("大型"));
    EXPECT_EQ(ClassifyReserveScale("32010", "0.1", "Ore", dict), QStringLiteral("中型"));
    EXPECT_EQ(ClassifyReserveScale("32010", "0.0999999", "Ore", dict), QStringLiteral("小型"));
}

TEST_F(ReserveScale, MissingThresholds) {
    EXPECT_EQ(ClassifyReserveScale("32007", "100", "金属", dict), QStringLiteral("大型"));
    EXPECT_EQ(ClassifyReserveScale("32007", "5", "金属", dict), QStringLiteral("中型"));
    EXPECT_EQ(ClassifyReserveScale("32008", "5", "金属", dict), QString());
    EXPECT_EQ(ClassifyReserveScale("32008", "500", "金属", dict), QString());
    EXPECT_EQ(ClassifyReserveScale("32006", "500", "矿石", dict), QString());
}

TEST_F(ReserveScale, NoRowOrNoAmountGivesNothing) {
    EXPECT_EQ(ClassifyReserveScale("32006", "50", "矿物", dict), QString());
    EXPECT_EQ(ClassifyReserveScale("99999", "50", "金属", dict), QString());
    EXPECT_EQ(ClassifyReserveScale("32006", "50", "", dict), QString());
    const int before = dict.queryCount();
    EXPECT_EQ(ClassifyReserveScale("32006", "0", "金属", dict), QString());
    EXPECT_EQ(ClassifyReserveScale("32006", "", "金属", dict), QString());
    EXPECT_EQ(ClassifyReserveScale("32006", "abc", "金属", dict), QString());
    EXPECT_EQ(ClassifyReserveScale("  ", "50", "金属", dict), QString());
    EXPECT_EQ(dict.queryCount(), before);
}

TEST_F(ReserveScale, QuotesAndCodeTextAreValuesNotQueryText) {
    EXPECT_EQ(ClassifyReserveScale("32009", "150", "O'Neil", dict), QStringLiteral("大型"));
    EXPECT_EQ(ClassifyReserveScale("32009", "150", "o'neil", dict), QStringLiteral("大型"));
    EXPECT_EQ(ClassifyReserveScale("32006", "150", "金属' OR '1'='1", dict), QString());
    EXPECT_EQ(ClassifyReserveScale("32006 or 1=1", "150", "金属", dict), QString());
    EXPECT_EQ(ClassifyReserveScale("0 or 矿产代码=32006", "150", "金属", dict), QString());
}
