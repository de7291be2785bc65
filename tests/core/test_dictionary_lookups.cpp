// Region and mineral look-ups: names joined from the stored rows, codes compared as
// numbers, and input that is not a code giving an empty answer.
#include "core/dictionary.h"
#include "dict_fixture.h"

#include <gtest/gtest.h>

using namespace mf;
using mf::test::baseDictRows;
using mf::test::DictFixture;

namespace {

class DictionaryLookups : public mf::test::OpenedDictTest {
protected:
    DictionaryLookups() : OpenedDictTest(baseDictRows() + QStringLiteral(
        "INSERT INTO 行政区代码 VALUES (100000,'澄岭署');"
        "INSERT INTO 行政区代码 VALUES (410000,'河南省');"
        "INSERT INTO 行政区代码 VALUES (410100,'郑州市');"
        "INSERT INTO 行政区代码 VALUES (410102,'中原区');"
        "INSERT INTO 行政区代码 VALUES (419000,'省直辖县级行政区划');"
        "INSERT INTO 行政区代码 VALUES (419001,'济源市');"
        "INSERT INTO 行政区代码 VALUES (420100,'武汉市');"        // city without its province
        "INSERT INTO 行政区代码 VALUES (430000,NULL);"
        "INSERT INTO 行政区代码 VALUES (430100,' 长沙市 ');"
        "INSERT INTO 矿产代码词表 VALUES (1,101,' 旧码矿 ','吨/年');"
        "INSERT INTO 矿产代码词表 VALUES (3,32006,'铜矿','万吨/年');"
        "INSERT INTO 矿产代码词表 VALUES (3,32006,'铜矿','吨/日');"
        "INSERT INTO 矿产代码词表 VALUES (3,32007,'铅矿',NULL);"
        "INSERT INTO 储量规模词表 VALUES (32006,'万吨','金属',50,10);"
        "INSERT INTO 储量规模词表 VALUES (32006,'亿吨','矿石',NULL,NULL);"
        "INSERT INTO 储量规模词表 VALUES (32007,NULL,'金属',NULL,NULL);")) {}
};

} // namespace

TEST_F(DictionaryLookups, RegionFullNameJoinsProvinceCityAndCounty) {
    EXPECT_EQ(dict.GetRegionFullName("410000"), QStringLiteral("河南省"));
    EXPECT_EQ(dict.GetRegionFullName("410100"), QStringLiteral("河南省郑州市"));
    EXPECT_EQ(dict.GetRegionFullName("410102"), QStringLiteral("河南省郑州市中原区"));
    // A placeholder city level names no place and is left out of the full name only.
    EXPECT_EQ(dict.GetRegionFullName("419001"), QStringLiteral("河南省济源市"));
    EXPECT_EQ(dict.GetRegionFullName("419000"), QStringLiteral("河南省"));
    EXPECT_EQ(dict.GetRegionName("419000"), QStringLiteral("省直辖县级行政区划"));
    EXPECT_EQ(dict.GetRegionFullName("100000"), QStringLiteral("澄岭署"));
    // A code without its own row contributes nothing; names are kept as stored.
    EXPECT_EQ(dict.GetRegionFullName("410199"), QStringLiteral("河南省郑州市"));
    EXPECT_EQ(dict.GetRegionFullName("420101"), QStringLiteral("武汉市"));
    EXPECT_EQ(dict.GetRegionFullName("430100"), QStringLiteral(" 长沙市 "));
    EXPECT_EQ(dict.GetRegionFullName("510000"), QString());
    EXPECT_EQ(dict.GetRegionFullName("510101"), QString());
}

TEST_F(DictionaryLookups, RegionInputThatIsNotACodeGivesNothing) {
    EXPECT_EQ(dict.GetRegionName("410100"), QStringLiteral("郑州市"));
    EXPECT_EQ(dict.GetRegionName(" 0410100 "), QStringLiteral("郑州市"));   // compared as a number
    EXPECT_EQ(dict.GetRegionName(""), QString());
    EXPECT_EQ(dict.GetRegionName("abcdef"), QString());
    EXPECT_EQ(dict.GetRegionFullName("abcdef"), QString());
    EXPECT_EQ(dict.GetRegionFullName("'or'1'"), QString());
    EXPECT_EQ(dict.GetRegionName("410100 or 1=1"), QString());
    EXPECT_EQ(dict.GetRegionName("0 or 代码=410100"), QString());
    EXPECT_EQ(dict.GetRegionName("410100'"), QString());
    EXPECT_EQ(dict.GetRegionFullName("4101ab"), QStringLiteral("河南省郑州市"));
}

TEST_F(DictionaryLookups, MineralNameReadsTheLeadingNumber) {
    EXPECT_EQ(dict.GetMineralName("0101"), QStringLiteral("旧码矿"));
    EXPECT_EQ(dict.GetMineralName(" 32006 铜矿"), QStringLiteral("铜矿"));
    EXPECT_EQ(dict.GetMineralName("32008"), QStringLiteral("未知"));
    EXPECT_EQ(dict.GetMineralName("铜矿"), QStringLiteral("未知"));
    EXPECT_EQ(dict.GetMineralName(""), QStringLiteral("未知"));
}

TEST_F(DictionaryLookups, DesignScaleAndReserveUnitTakeTheFirstRow) {
    EXPECT_EQ(dict.GetMineralDesignScale("32006"), QStringLiteral("万吨/年"));
    EXPECT_EQ(dict.GetMineralDesignScale("0101"), QStringLiteral("吨/年"));
    EXPECT_EQ(dict.GetMineralDesignScale("32007"), QString());
    EXPECT_EQ(dict.GetReserveUnit("32006"), QStringLiteral("万吨"));
    EXPECT_EQ(dict.GetReserveUnit("32007"), QString());
}

TEST_F(DictionaryLookups, DesignScaleAndReserveUnitOfBlankOrInvalidCodes) {
    const int before = dict.queryCount();
    EXPECT_EQ(dict.GetMineralDesignScale("   "), QString());
    EXPECT_EQ(dict.GetMineralDesignScale(""), QString());
    EXPECT_EQ(dict.GetReserveUnit("  "), QString());
    EXPECT_EQ(dict.queryCount(), before);   // no query for a blank code

    EXPECT_EQ(dict.GetMineralDesignScale("99999"), QString());
    EXPECT_EQ(dict.queryCount(), before + 1);   // an unknown code is queried and found absent
    EXPECT_EQ(dict.GetMineralDesignScale("1 OR 1=1"), QString());
    EXPECT_EQ(dict.GetMineralDesignScale("32006'"), QString());
    EXPECT_EQ(dict.GetMineralDesignScale("铜矿"), QString());
    EXPECT_EQ(dict.GetReserveUnit("32006;"), QString());
    EXPECT_EQ(dict.GetReserveUnit("0 or 1"), QString());
}

TEST(StripTrailingPoint, RemovesOnlyOneClosingPoint) {
    EXPECT_EQ(StripTrailingPoint("12."), QStringLiteral("12"));
    EXPECT_EQ(StripTrailingPoint("12.."), QStringLiteral("12."));
    EXPECT_EQ(StripTrailingPoint("12.5"), QStringLiteral("12.5"));
    EXPECT_EQ(StripTrailingPoint(""), QString());
    EXPECT_EQ(StripTrailingPoint("."), QString());
}
