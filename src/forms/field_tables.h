#pragma once
// What the seven editors do differently with their fields, as data: the code-list combos
// and their categories, the region pickers and name targets, the mineral picker, the
// reserve-unit fields, the mining-area fields and the key handling of the text boxes.
// The one editor window reads its kind's table; nothing here touches a widget.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace mf {

// A combo filled from one category (类别) of the code list.
struct CodeComboSpec {
    int combo = 0;          // ChCBO index
    int category = 0;       // 类别 of 综合词表
    bool withCode = false;  // items "code. name", else the name alone
};

// A combo filled with fixed items.
struct FixedComboSpec {
    int combo = 0;
    QStringList items;
};

// A region field and the place that shows the full name of its six-digit code.
struct RegionRule {
    int field = 0;         // ChTXT index of the code
    int nameField = -1;    // ChTXT index of the name; -1: the label LabelXZQName
};

// One ">>" region picker.
struct RegionPickerSpec {
    QString button;        // "CommandXZQ"
    QString tree;          // "TreeView1"
    QString label;         // caption label on which the tree's left edge is aligned
    int target = 0;        // ChTXT index the picked code goes into
    bool opensUp = false;  // the tree opens above its button
    bool authority = false;   // the issuing-authority tree (its own loaded flag)
};

// The reserve fields of the first page (kinds 1, 2, 5).
struct ReserveSpec {
    int designScale = 0;   // ChTXT with LabelGM(0) after it
    int total = 0;         // 总储量, LabelGM(1) after it
    int unit = 0;          // 储量单位 (hidden)
    int oreType = 0;       // 矿石类型 (hidden)
    bool listHidesOnClick = true;   // ListCL closes after a single click
};

// The page-4 fields of the mining-area page (kinds 1, 2, 5).
struct AreaSpec {
    int upper = 0;         // 采深上限
    int lower = 0;         // 采深下限
    int area = 0;          // 矿区面积
    bool hasFee = false;   // ExistTXT(3) 采矿权使用费 is shown
    int storedFee = -1;    // the stored 采矿权使用费 that ExistTXT(3) shows; -1: computed from the area
};

// Which key and focus handlers the text boxes carry. On every kind Enter moves on from a
// one-line box and breaks the line in a multi-line one.
struct KeySpec {
    bool arrowsMoveFocus = false;   // Up: previous field; Down: next field (one-line boxes)
    bool swallowEnterEsc = false;   // Esc never reaches a one-line box
    bool caretToStart = false;      // a text box shows its start after losing the focus
    bool memoCaretToStart = false;  // the same for memo boxes
    bool comboSwallowEnterEsc = false;   // Enter and Esc never reach ChCBO(2)
};

struct KindFieldTable {
    int kind = 0;
    std::vector<CodeComboSpec> codeCombos;   // in filling order
    std::vector<FixedComboSpec> fixedCombos;
    std::vector<RegionRule> regionRules;
    std::vector<RegionPickerSpec> regionPickers;
    bool mineralPicker = false;              // ChCBO(2) 开采主矿种 with TreeView2 and List1
    std::optional<ReserveSpec> reserve;
    int otherMineral = -1;                   // ChTXT enabled by CheckTogether
    std::optional<AreaSpec> area;
    int mineNameCopy = -1;                   // ChTXT copied into ExistTXT(0) (kind 7)
    bool mineralUnitLabels = false;          // ChCBO(2) sets LabelGM(0) and LabelGM(7) (kind 7)
    KeySpec keys;

    // The combo is filled from a list at set-up (a code-list or a fixed list).
    bool isListCombo(int combo) const;
    // The region rule whose code field is this ChTXT, if any.
    const RegionRule* regionRuleOf(int field) const;
};

// The table of kind 1..7; an empty table for any other kind.
const KindFieldTable& kindFieldTable(int kind);

} // namespace mf
