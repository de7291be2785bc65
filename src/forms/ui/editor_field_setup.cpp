// The field set-up: the parts that serve the pickers, the reserve labels and the mining-area
// page, built from the design's controls, and what every load sets up on them.
#include "forms/ui/editor_window.h"

#include "core/dictionary.h"
#include "forms/field_rules.h"
#include "forms/ui/field_widgets.h"
#include "forms/ui/mineral_picker.h"
#include "forms/ui/mining_area_page.h"
#include "forms/ui/region_picker.h"
#include "forms/ui/reserve_labels.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace mf {

TwipsRect EditorWindow::designRect(const QString& name) const {
    for (const DesignControl& c : design_.controls)
        if (c.displayName() == name) return design_.absoluteRect(c);
    return TwipsRect{};
}

void EditorWindow::placeHidden(const QString& name, const TwipsRect& r) {
    if (QWidget* w = control(name)) {
        w->setVisible(false);
        w->setGeometry(r.toPixels());
    }
}

// Builds the parts that serve the kind's pickers, labels and mining-area page from the
// controls of the design; a part whose controls the design lacks is left out.
void EditorWindow::wireFieldParts() {
    for (const RegionPickerSpec& picker : table_.regionPickers) {
        auto* button = qobject_cast<QPushButton*>(control(picker.button));
        auto* tree = qobject_cast<QTreeWidget*>(control(picker.tree));
        TextField* target = textField(ControlArray::ChTXT, picker.target);
        if (!button || !tree || !target) continue;
        RegionPicker::Host host;
        host.writeTarget = [target](const QString& code) { target->setText(code); };
        host.focusTarget = [target] { target->widget()->setFocus(Qt::OtherFocusReason); };
        host.markChanged = [this] { markChanged(); };
        bool* flag = picker.authority ? &AuthorityTreeLoaded : &RegionTreeLoaded;
        regionPickers_.push_back(std::make_unique<RegionPicker>(picker, button, tree, flag, std::move(host)));
        regionPickers_.back()->watchField(target->widget());
    }
    if (table_.mineralPicker) {
        auto* tree = qobject_cast<QTreeWidget*>(control(QStringLiteral("TreeView2")));
        auto* list = qobject_cast<FieldList*>(control(QStringLiteral("List1")));
        FieldCombo* mineral = combo(2);
        if (tree && list && mineral) {
            MineralPicker::Host host;
            host.markChanged = [this] { markChanged(); };
            host.comboClick = [this] { ChCBO_Click(2); };
            mineralPicker_ = std::make_unique<MineralPicker>(mineral, tree, list, &MineralTreeLoaded, std::move(host));
            mineral->onDropDown = [this] { mineralPicker_->ChCBO_DropDown(); };
        }
    }
    // The figure boxes show what the form copies or computes and are not stored: typing
    // there would be lost, so they take none (they still print).
    for (const auto& [i, f] : existTxt_)
        if (auto* line = qobject_cast<QLineEdit*>(f->widget())) {
            line->setReadOnly(true);
            line->setFocusPolicy(Qt::ClickFocus);   // Tab passes them by
        }
    // The cover's 审批通知书文号 is the authority's to fill in on paper; no file holds it, so
    // the box takes no typing and says why.
    if (auto* cover = qobject_cast<QLineEdit*>(control(QStringLiteral("p1DATA(58)")))) {
        cover->setReadOnly(true);
        cover->setFocusPolicy(Qt::ClickFocus);
        cover->setToolTip(QStringLiteral("审批通知书文号：由审批机关填写，本程序不填写也不保存"));
    }
    if (table_.reserve) {
        const ReserveSpec& r = *table_.reserve;
        ReserveLabels::Controls c;
        c.designUnit = qobject_cast<QLabel*>(control(QStringLiteral("LabelGM(0)")));
        c.reserveUnit = qobject_cast<QLabel*>(control(QStringLiteral("LabelGM(1)")));
        c.scale = qobject_cast<QLabel*>(control(QStringLiteral("LabelCL")));
        c.button = qobject_cast<QPushButton*>(control(QStringLiteral("CommandCL")));
        c.list = qobject_cast<FieldList*>(control(QStringLiteral("ListCL")));
        c.buttonRect = designRect(QStringLiteral("CommandCL"));
        c.listRect = designRect(QStringLiteral("ListCL"));
        c.total = textField(ControlArray::ChTXT, r.total);
        c.unit = textField(ControlArray::ChTXT, r.unit);
        c.oreType = textField(ControlArray::ChTXT, r.oreType);
        c.mineralText = [this] { return text(ControlArray::ChCBO, 2); };
        if (c.designUnit && c.reserveUnit && c.scale && c.button && c.list && c.total && c.unit && c.oreType)
            reserve_ = std::make_unique<ReserveLabels>(r, std::move(c));
    }
    if (table_.area && grid_) {
        const AreaSpec& a = *table_.area;
        MiningAreaPage::Controls c;
        c.grid = grid_;
        c.areaCom = qobject_cast<QComboBox*>(control(QStringLiteral("AREACOM")));
        c.grphCom = qobject_cast<QPushButton*>(control(QStringLiteral("GRPHCOM")));
        c.calCom = qobject_cast<QPushButton*>(control(QStringLiteral("CALCOM")));
        c.frame = control(QStringLiteral("ZFRAME2"));
        c.upper = textField(ControlArray::ChTXT, a.upper);
        c.lower = textField(ControlArray::ChTXT, a.lower);
        c.area = textField(ControlArray::ChTXT, a.area);
        for (int i = 0; i < 4; ++i) c.exist[i] = textField(ControlArray::ExistTXT, i);
        if (!a.hasFee) c.exist[3] = nullptr;
        if (a.storedFee >= 0) c.storedFee = textField(ControlArray::ChTXT, a.storedFee);
        c.markChanged = [this] { markChanged(); };
        if (c.areaCom && c.grphCom && c.calCom && c.frame && c.upper && c.lower && c.area)
            area_ = std::make_unique<MiningAreaPage>(a, std::move(c));
    }
}

void EditorWindow::SetupFieldControls() {
    // 1. The mining-area page: coordinate systems, an empty plane grid.
    if (area_) area_->setup();
    // 2. Region trees, hidden, from the caption label to the button.
    for (const auto& p : regionPickers_) {
        const RegionPickerSpec& s = p->table();
        placeHidden(s.tree, regionTreeRect(designRect(s.label), designRect(s.button), s.opensUp));
    }
    // 3. Mineral tree and match list, hidden, directly under the main-mineral combo.
    if (mineralPicker_) {
        const TwipsRect comboRect = designRect(QStringLiteral("ChCBO(2)"));
        placeHidden(QStringLiteral("TreeView2"), mineralTreeRect(comboRect));
        placeHidden(QStringLiteral("List1"), mineralListRect(comboRect));
    }
    if (reserve_) reserve_->controls().list->setVisible(false);
    // 4. Code-list combos, 5. fixed lists; no item selected.
    for (const CodeComboSpec& c : table_.codeCombos)
        if (FieldCombo* cb = combo(c.combo)) cb->setFieldItems(dictionary().codeItems(c.category, c.withCode));
    for (const FixedComboSpec& c : table_.fixedCombos)
        if (FieldCombo* cb = combo(c.combo)) cb->setFieldItems(c.items);
    otherMineralFollowsBox();
}

} // namespace mf
