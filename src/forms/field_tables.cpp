#include "forms/field_tables.h"

#include <array>

namespace mf {

namespace {

const QStringList kMoneyUnits{QStringLiteral("万元"), QStringLiteral("万美元")};

RegionPickerSpec picker(const char* label, int target, bool up = false) {
    return RegionPickerSpec{QStringLiteral("CommandXZQ"), QStringLiteral("TreeView1"),
                            QString::fromLatin1(label), target, up, false};
}

std::array<KindFieldTable, 8> build() {
    std::array<KindFieldTable, 8> t;
    for (int k = 0; k < 8; ++k) t[k].kind = k;

    // 1 NewTab
    t[1].codeCombos = {{0, 1, true}, {1, 6, false}, {4, 4, false}, {5, 7, false},
                       {6, 5, false}, {3, 20, false}, {7, 22, false}};
    t[1].fixedCombos = {{8, kMoneyUnits}, {9, kMoneyUnits}};
    t[1].regionRules = {{25, -1}};
    t[1].regionPickers = {picker("LabelTree(1)", 25)};
    t[1].mineralPicker = true;
    t[1].reserve = ReserveSpec{12, 13, 28, 29, true};
    t[1].otherMineral = 11;
    t[1].area = AreaSpec{18, 19, 20, true};
    t[1].keys = {true, true, true, false, true};

    // 2 ChangTab
    t[2].codeCombos = {{0, 1, true}, {1, 4, false}, {3, 20, false}, {4, 22, false}};
    t[2].regionRules = {{12, -1}};
    t[2].regionPickers = {picker("LabelTree(1)", 12)};
    t[2].mineralPicker = true;
    t[2].reserve = ReserveSpec{10, 11, 23, 24, false};
    t[2].otherMineral = 9;
    t[2].area = AreaSpec{19, 20, 22, true, 21};
    t[2].keys = {true, true, true, true, true};

    // 3 ContTab
    t[3].codeCombos = {{0, 1, true}, {1, 20, false}, {2, 22, false}};
    t[3].regionRules = {{15, -1}};
    t[3].regionPickers = {picker("LabelTree(0)", 15)};
    t[3].keys = {false, false, false, false, true};

    // 4 DelTab
    t[4].codeCombos = {{0, 1, true}};
    t[4].regionRules = {{11, -1}};
    t[4].regionPickers = {picker("LabelTree", 11)};
    t[4].keys = {false, false, false, false, false};

    // 5 DrawArea
    t[5].codeCombos = {{0, 1, true}, {1, 20, false}};
    t[5].regionRules = {{8, -1}};
    t[5].regionPickers = {picker("LabelTree(1)", 8)};
    t[5].mineralPicker = true;
    t[5].reserve = ReserveSpec{10, 11, 21, 22, true};
    t[5].otherMineral = 9;
    t[5].area = AreaSpec{18, 19, 20, false};
    t[5].keys = {false, false, false, false, true};

    // 6 CessionTab: the region tree opens upwards.
    t[6].codeCombos = {{0, 1, true}, {5, 1, true}, {1, 20, true}, {2, 21, true},
                       {3, 53, true}, {4, 22, true}};
    t[6].regionRules = {{37, 36}};
    t[6].regionPickers = {picker("LabelTree", 37, true)};
    t[6].keys = {true, true, true, false, true};

    // 7 CheckTab: two independent region pickers.
    t[7].codeCombos = {{0, 1, true}, {1, 4, false}, {3, 50, false}};
    t[7].regionRules = {{42, 43}, {8, 9}};
    t[7].regionPickers = {picker("LabelTree(1)", 42),
                          RegionPickerSpec{QStringLiteral("CommandXZQ2"), QStringLiteral("TreeView3"),
                                           QStringLiteral("Label1(4)"), 8, false, true}};
    t[7].mineralPicker = true;
    t[7].mineNameCopy = 1;
    t[7].mineralUnitLabels = true;
    t[7].keys = {true, false, true, false, true};
    return t;
}

} // namespace

bool KindFieldTable::isListCombo(int combo) const {
    for (const CodeComboSpec& c : codeCombos)
        if (c.combo == combo) return true;
    for (const FixedComboSpec& c : fixedCombos)
        if (c.combo == combo) return true;
    return false;
}

const RegionRule* KindFieldTable::regionRuleOf(int field) const {
    for (const RegionRule& r : regionRules)
        if (r.field == field) return &r;
    return nullptr;
}

const KindFieldTable& kindFieldTable(int kind) {
    static const std::array<KindFieldTable, 8> tables = build();
    return tables[kind >= 1 && kind <= 7 ? size_t(kind) : 0];
}

} // namespace mf
