#include "core/dict_fixture.h"
#include "forms/field_rules.h"
#include "forms/field_tables.h"

#include <gtest/gtest.h>

using namespace mf;

namespace {

QString regionRows() {
    return test::baseDictRows() + QStringLiteral(
        "INSERT INTO 行政区代码 VALUES (100000,'澄岭署');"
        "INSERT INTO 行政区代码 VALUES (110000,'北京市');"
        "INSERT INTO 行政区代码 VALUES (110100,'市辖区');"
        "INSERT INTO 行政区代码 VALUES (110101,'东城区');");
}

} // namespace

TEST(FieldTables, RegionFieldsAndTheirNameTargetsPerKind) {
    // kind -> (code field, name field; -1 = LabelXZQName)
    const std::vector<std::vector<std::pair<int, int>>> expected = {
        {}, {{25, -1}}, {{12, -1}}, {{15, -1}}, {{11, -1}}, {{8, -1}}, {{37, 36}}, {{42, 43}, {8, 9}}};
    for (int kind = 1; kind <= 7; ++kind) {
        const KindFieldTable& t = kindFieldTable(kind);
        ASSERT_EQ(t.regionRules.size(), expected[kind].size()) << kind;
        ASSERT_EQ(t.regionPickers.size(), expected[kind].size()) << kind;
        for (size_t i = 0; i < expected[kind].size(); ++i) {
            EXPECT_EQ(t.regionRules[i].field, expected[kind][i].first) << kind;
            EXPECT_EQ(t.regionRules[i].nameField, expected[kind][i].second) << kind;
            // Each picker writes into the field whose name rule shows the region.
            EXPECT_EQ(t.regionPickers[i].target, expected[kind][i].first) << kind;
        }
        EXPECT_EQ(t.regionPickers[0].opensUp, kind == 6) << kind;
    }
    // The annual report's second picker is the issuing authority's, with its own flag.
    const RegionPickerSpec& auth = kindFieldTable(7).regionPickers[1];
    EXPECT_TRUE(auth.authority);
    EXPECT_EQ(auth.button, "CommandXZQ2");
    EXPECT_EQ(auth.tree, "TreeView3");
    EXPECT_EQ(auth.label, "Label1(4)");
}

TEST(FieldTables, MineralReserveAndAreaFieldsPerKind) {
    for (int kind = 1; kind <= 7; ++kind) {
        const KindFieldTable& t = kindFieldTable(kind);
        const bool mining = kind == 1 || kind == 2 || kind == 5;
        EXPECT_EQ(t.mineralPicker, mining || kind == 7) << kind;
        EXPECT_EQ(t.reserve.has_value(), mining) << kind;
        EXPECT_EQ(t.area.has_value(), mining) << kind;
        EXPECT_EQ(t.otherMineral >= 0, mining) << kind;
    }
    EXPECT_EQ(kindFieldTable(1).otherMineral, 11);
    EXPECT_EQ(kindFieldTable(2).otherMineral, 9);
    EXPECT_EQ(kindFieldTable(5).otherMineral, 9);
    auto reserve = [](int k) {
        const ReserveSpec& r = *kindFieldTable(k).reserve;
        return std::vector<int>{r.designScale, r.total, r.unit, r.oreType};
    };
    EXPECT_EQ(reserve(1), (std::vector<int>{12, 13, 28, 29}));
    EXPECT_EQ(reserve(2), (std::vector<int>{10, 11, 23, 24}));
    EXPECT_EQ(reserve(5), (std::vector<int>{10, 11, 21, 22}));
    EXPECT_FALSE(kindFieldTable(2).reserve->listHidesOnClick);
    EXPECT_TRUE(kindFieldTable(1).reserve->listHidesOnClick);
    auto area = [](int k) {
        const AreaSpec& a = *kindFieldTable(k).area;
        return std::vector<int>{a.upper, a.lower, a.area, a.hasFee};
    };
    EXPECT_EQ(area(1), (std::vector<int>{18, 19, 20, 1}));
    EXPECT_EQ(area(2), (std::vector<int>{19, 20, 22, 1}));
    EXPECT_EQ(area(5), (std::vector<int>{18, 19, 20, 0}));
    EXPECT_EQ(kindFieldTable(7).mineNameCopy, 1);
    EXPECT_TRUE(kindFieldTable(7).mineralUnitLabels);
    EXPECT_EQ(kindFieldTable(0).codeCombos.size(), 0u);
}

TEST(FieldTables, CodeListCombosInFillingOrder) {
    auto combos = [](int k) {
        std::vector<std::tuple<int, int, bool>> out;
        for (const CodeComboSpec& c : kindFieldTable(k).codeCombos) out.emplace_back(c.combo, c.category, c.withCode);
        return out;
    };
    using V = std::vector<std::tuple<int, int, bool>>;
    EXPECT_EQ(combos(1), (V{{0, 1, true}, {1, 6, false}, {4, 4, false}, {5, 7, false}, {6, 5, false},
                            {3, 20, false}, {7, 22, false}}));
    EXPECT_EQ(combos(2), (V{{0, 1, true}, {1, 4, false}, {3, 20, false}, {4, 22, false}}));
    EXPECT_EQ(combos(3), (V{{0, 1, true}, {1, 20, false}, {2, 22, false}}));
    EXPECT_EQ(combos(4), (V{{0, 1, true}}));
    EXPECT_EQ(combos(5), (V{{0, 1, true}, {1, 20, false}}));
    EXPECT_EQ(combos(6), (V{{0, 1, true}, {5, 1, true}, {1, 20, true}, {2, 21, true}, {3, 53, true}, {4, 22, true}}));
    EXPECT_EQ(combos(7), (V{{0, 1, true}, {1, 4, false}, {3, 50, false}}));
    const KindFieldTable& one = kindFieldTable(1);
    ASSERT_EQ(one.fixedCombos.size(), 2u);
    EXPECT_EQ(one.fixedCombos[0].items, (QStringList{"万元", "万美元"}));
    EXPECT_TRUE(one.isListCombo(8));
    EXPECT_FALSE(one.isListCombo(2));   // the main mineral is not a list combo
}

TEST(FieldTables, KeyAndFocusHandlersPerKind) {
    // Which forms move the focus with Up/Enter/Down, swallow Enter and Esc in text boxes,
    // put the caret back to the start on leaving a text box or a memo, and swallow Enter
    // and Esc in ChCBO(2).
    struct Row { bool arrows, swallow, caret, memoCaret, combo; };
    const Row expected[8] = {
        {false, false, false, false, false},
        {true, true, true, false, true},     // NewTab
        {true, true, true, true, true},      // ChangTab: the only one with memo caret
        {false, false, false, false, true},  // ContTab: 价款处置方式 swallows Enter/Esc
        {false, false, false, false, false}, // DelTab: none
        {false, false, false, false, true},  // DrawArea
        {true, true, true, false, true},     // CessionTab: 采矿权转让方式
        {true, false, true, false, true},    // CheckTab lets Enter and Esc through
    };
    for (int k = 1; k <= 7; ++k) {
        const KeySpec& keys = kindFieldTable(k).keys;
        EXPECT_EQ(keys.arrowsMoveFocus, expected[k].arrows) << k;
        EXPECT_EQ(keys.swallowEnterEsc, expected[k].swallow) << k;
        EXPECT_EQ(keys.caretToStart, expected[k].caret) << k;
        EXPECT_EQ(keys.memoCaretToStart, expected[k].memoCaret) << k;
        EXPECT_EQ(keys.comboSwallowEnterEsc, expected[k].combo) << k;
    }
}

TEST(FieldRules, RegionNameOnlyForSixDigits) {
    test::DictFixture fx(regionRows());
    ASSERT_TRUE(fx.error().isEmpty()) << fx.error().toStdString();
    Dictionary dict;
    ASSERT_TRUE(dict.open(fx.path()));
    EXPECT_EQ(regionNameForField("110101", dict), "北京市东城区");
    EXPECT_EQ(regionNameForField("110000", dict), "北京市");
    EXPECT_EQ(regionNameForField("999999", dict), "");
    const int before = dict.queryCount();
    // Six characters that are not a code never reach the dictionary.
    for (const char* typed : {"11010", "1101011", "abcdef", "11'; --", "1101 1", "１１０１０１", "+11010", "1.1010"})
        EXPECT_EQ(regionNameForField(QString::fromUtf8(typed), dict), "") << typed;
    EXPECT_EQ(dict.queryCount(), before);
}

TEST(FieldRules, ChosenMineralCodeNeedsFiveDigits) {
    EXPECT_EQ(chosenMineralCode("22001 铁矿"), std::optional<QString>("22001"));
    EXPECT_EQ(chosenMineralCode("22001"), std::optional<QString>("22001"));
    EXPECT_EQ(chosenMineralCode("02200 x"), std::nullopt);   // reads as four digits
    EXPECT_EQ(chosenMineralCode("220011 x"), std::nullopt);
    EXPECT_EQ(chosenMineralCode("铁矿"), std::nullopt);
    EXPECT_EQ(chosenMineralCode(""), std::nullopt);
    EXPECT_EQ(mineralCodeOf("22001 铁矿"), "22001");
}

TEST(FieldRules, MineralSearchKeepsListOrderAndIsLiteral) {
    const QList<MineralRow> minerals{{2, 22001, "铁矿"}, {2, 22003, "铬铁矿"}, {3, 32006, "铜矿"}, {7, 73070, "硫铁矿"}};
    EXPECT_EQ(mineralMatches("铁", minerals), (QStringList{"22001 铁矿", "22003 铬铁矿", "73070 硫铁矿"}));
    EXPECT_TRUE(mineralMatches(" 铁", minerals).isEmpty());   // untrimmed
    EXPECT_TRUE(mineralMatches("金", minerals).isEmpty());
    EXPECT_TRUE(qualifiesForMineralSearch("铁"));
    EXPECT_FALSE(qualifiesForMineralSearch("22001 铁矿"));
    EXPECT_FALSE(qualifiesForMineralSearch("   "));
    EXPECT_FALSE(qualifiesForMineralSearch(""));
    EXPECT_TRUE(qualifiesForMineralSearch(" 铁"));
}

TEST(FieldRules, MineralSearchFindsClaysInEitherSpelling) {
    const QList<MineralRow> minerals{{6, 64190, "耐火粘土"}, {8, 84290, "膨润土"}, {8, 84412, "砖瓦用黏土"}};
    const QStringList clays{"64190 耐火粘土", "84412 砖瓦用黏土"};
    for (const char* typed : {"粘土", "黏土", "粘", "黏"})
        EXPECT_EQ(mineralMatches(QString::fromUtf8(typed), minerals), clays) << typed;
    EXPECT_EQ(mineralMatches("耐火黏土", minerals), QStringList{"64190 耐火粘土"});
}

TEST(FieldRules, UsageFeeRaisesTheAreaToTheNextHalf) {
    EXPECT_EQ(usageFeeText(" 1.234"), "1.5");
    EXPECT_EQ(usageFeeText(" 2.000"), "2");
    EXPECT_EQ(usageFeeText(" 0.600"), "1");
    EXPECT_EQ(usageFeeText(" 3.500"), "4");
    EXPECT_EQ(usageFeeText(""), "0");
    EXPECT_EQ(usageFeeText(" 0.001"), "0.5");
    EXPECT_EQ(formatHalf(12.0), "12");
}

TEST(FieldRules, ElevationsInTheGeneralSingleForm) {
    EXPECT_EQ(elevationText(1200.0f), "1200");
    EXPECT_EQ(elevationText(350.5f), "350.5");
    EXPECT_EQ(elevationText(350.1f), "350.1");
    EXPECT_EQ(elevationText(-15.25f), "-15.25");
}

TEST(FieldRules, PickerPlaces) {
    const TwipsRect label{Twips(240), Twips(4515), Twips(960), Twips(300)};
    const TwipsRect button{Twips(2275), Twips(4515), Twips(400), Twips(285)};
    EXPECT_EQ(regionTreeRect(label, button, false),
              (TwipsRect{Twips(240), Twips(4820), Twips(2035), Twips(3400)}));
    const TwipsRect low{Twips(2095), Twips(6930), Twips(400), Twips(285)};
    EXPECT_EQ(regionTreeRect(label, low, true), (TwipsRect{Twips(240), Twips(3530), Twips(1855), Twips(3400)}));
    // Layout errors are clamped: no negative width, nothing above the page.
    const TwipsRect high{Twips(2275), Twips(1000), Twips(400), Twips(285)};
    const TwipsRect r = regionTreeRect(TwipsRect{Twips(3000), Twips(1000), Twips(900), Twips(300)}, high, true);
    EXPECT_GT(r.width.value, 0);
    EXPECT_EQ(r.top.value, 0);
    const TwipsRect combo{Twips(1245), Twips(3480), Twips(1300), Twips(300)};
    EXPECT_EQ(mineralTreeRect(combo), (TwipsRect{Twips(1245), Twips(3780), Twips(2500), Twips(2500)}));
    EXPECT_EQ(mineralListRect(combo), (TwipsRect{Twips(1245), Twips(3780), Twips(2500), Twips(2000)}));
    const TwipsRect cl{Twips(3875), Twips(4170), Twips(255), Twips(255)};
    EXPECT_EQ(reserveListRect(cl, Twips(3300), Twips(1320)),
              (TwipsRect{Twips(880), Twips(4425), Twips(3300), Twips(1320)}));
}
