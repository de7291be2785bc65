// The region and mineral pickers and the reserve-unit list.
#include "core/reserve_scale.h"
#include "field_fixture.h"
#include "forms/ui/mineral_picker.h"
#include "forms/ui/region_picker.h"
#include "forms/ui/reserve_labels.h"

#include <QPushButton>
#include <QTreeWidget>

using namespace mf;
using namespace mf::test;

namespace {

class PickerTest : public FieldTest {};

QStringList childKeys(QTreeWidgetItem* it) {
    QStringList out;
    for (int i = 0; i < it->childCount(); ++i) out << TreeWidgetSink::keyOf(it->child(i));
    return out;
}

// The first mineral node of the tree with the given code.
QTreeWidgetItem* mineralNode(QTreeWidget* tree, const QString& code) {
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* cls = tree->topLevelItem(i);
        for (int j = 0; j < cls->childCount(); ++j)
            if (cls->child(j)->text(0).startsWith(code + ' ')) return cls->child(j);
    }
    return nullptr;
}

} // namespace

TEST_F(PickerTest, RegionTreeIsFilledOnceAndLoadsCountiesOnFirstExpansion) {
    auto e = open(1);
    RegionPicker& p = *e->regionPickers().at(0);
    EXPECT_FALSE(e->RegionTreeLoaded);
    int q = dictionary().queryCount();
    p.button()->click();
    EXPECT_FALSE(p.tree()->isHidden());
    EXPECT_TRUE(e->RegionTreeLoaded);
    EXPECT_EQ(dictionary().queryCount(), q + 1);
    QTreeWidgetItem* city = p.nodes().item("B1101");
    ASSERT_TRUE(city);
    ASSERT_EQ(city->childCount(), 1);
    EXPECT_EQ(city->child(0)->text(0), "NULL");
    EXPECT_GT(p.tree()->sizeHintForRow(0), p.tree()->fontMetrics().lineSpacing());   // rows keep apart

    q = dictionary().queryCount();
    city->setExpanded(true);   // the user expands the city
    EXPECT_EQ(dictionary().queryCount(), q + 1);
    const QStringList counties = childKeys(city);
    ASSERT_GT(counties.size(), 2);
    EXPECT_EQ(counties.first(), "C110101");
    QStringList sorted = counties;
    sorted.sort();
    EXPECT_EQ(counties, sorted);   // in code order
    city->setExpanded(false);
    city->setExpanded(true);
    p.nodes().item("A11")->setExpanded(true);
    p.nodes().item("root")->setExpanded(true);
    p.TreeView_LostFocus();
    EXPECT_TRUE(p.tree()->isHidden());
    p.button()->click();   // shown again as left, without reading the dictionary
    EXPECT_FALSE(p.tree()->isHidden());
    EXPECT_EQ(childKeys(city), counties);
    EXPECT_EQ(dictionary().queryCount(), q + 1);
}

TEST_F(PickerTest, CityWithoutCountiesLosesItsPlaceholder) {
    auto e = open(3);
    RegionPicker& p = *e->regionPickers().at(0);
    p.CommandXZQ_Click();
    QTreeWidgetItem* city = p.nodes().item("B4419");   // a prefecture city without counties
    ASSERT_TRUE(city);
    p.TreeView_Expand("B4419");
    EXPECT_EQ(city->childCount(), 0);
}

TEST_F(PickerTest, NodeClicksWriteTheCodeAndMarkTheForm) {
    auto e = open(1);
    RegionPicker& p = *e->regionPickers().at(0);
    p.CommandXZQ_Click();
    p.TreeView_Expand("B1101");
    unmark(1);
    p.TreeView_NodeClick("A11");
    EXPECT_EQ(txt(*e, 25), "11");
    EXPECT_EQ(e->text(ControlArray::LabelXZQName, 0), "");
    EXPECT_TRUE(changed(1));
    EXPECT_TRUE(shell_.buttons["SAVE"]);
    p.TreeView_NodeClick("B1101");
    EXPECT_EQ(txt(*e, 25), "1101");
    p.TreeView_NodeClick("C110105");
    EXPECT_EQ(txt(*e, 25), "110105");
    EXPECT_TRUE(e->text(ControlArray::LabelXZQName, 0).endsWith("朝阳区"));
    EXPECT_FALSE(p.tree()->isHidden());   // stays open for browsing
    unmark(1);
    p.TreeView_NodeClick("C110105");   // the same code again still marks
    EXPECT_TRUE(changed(1));
    unmark(1);
    p.TreeView_NodeClick("root");   // the root carries no code: nothing is written
    EXPECT_EQ(txt(*e, 25), "110105");
    EXPECT_FALSE(changed(1));
    p.TreeView_DblClick();
    EXPECT_TRUE(p.tree()->isHidden());
}

TEST_F(PickerTest, AnnualReportPickersAreIndependentAndRefillAfterReopening) {
    auto e = open(7);
    ASSERT_EQ(e->regionPickers().size(), 2u);
    RegionPicker& region = *e->regionPickers()[0];
    RegionPicker& authority = *e->regionPickers()[1];
    authority.CommandXZQ_Click();
    EXPECT_TRUE(e->AuthorityTreeLoaded);
    EXPECT_FALSE(e->RegionTreeLoaded);
    EXPECT_EQ(region.tree()->topLevelItemCount(), 0);
    authority.TreeView_NodeClick("A11");
    EXPECT_EQ(txt(*e, 8), "11");
    EXPECT_EQ(txt(*e, 42), "");
    region.CommandXZQ_Click();
    region.TreeView_Expand("B1101");
    region.TreeView_NodeClick("C110101");
    EXPECT_EQ(txt(*e, 42), "110101");
    EXPECT_EQ(txt(*e, 8), "11");
    EXPECT_EQ(authority.nodes().item("B1101")->child(0)->text(0), "NULL");   // untouched
    state().KindOpen[7] = false;
    e.reset();

    auto again = open(7);
    EXPECT_FALSE(again->AuthorityTreeLoaded);
    const int q = dictionary().queryCount();
    again->regionPickers()[1]->CommandXZQ_Click();
    EXPECT_EQ(dictionary().queryCount(), q + 1);
    EXPECT_GT(again->regionPickers()[1]->tree()->topLevelItemCount(), 0);
}

TEST_F(PickerTest, MineralTreePicksAMineral) {
    auto e = open(1);
    MineralPicker& m = *e->mineralPicker();
    e->combo(2)->showPopup();   // the drop-down button opens the tree instead of the list
    EXPECT_TRUE(e->MineralTreeLoaded);
    EXPECT_FALSE(m.tree()->isHidden());
    QTreeWidget* tree = m.tree();
    ASSERT_GT(tree->topLevelItemCount(), 0);
    EXPECT_GT(tree->sizeHintForRow(0), tree->fontMetrics().lineSpacing());
    unmark(1);
    m.TreeView2_NodeClick(tree->topLevelItem(0));   // a class: nothing
    EXPECT_FALSE(changed(1));
    EXPECT_FALSE(tree->isHidden());

    QTreeWidgetItem* gas = mineralNode(tree, "11004");
    ASSERT_TRUE(gas);
    m.TreeView2_NodeClick(gas);
    EXPECT_TRUE(tree->isHidden());
    EXPECT_EQ(e->comboItems(2), QStringList{gas->text(0)});
    EXPECT_EQ(e->text(ControlArray::ChCBO, 2), gas->text(0));
    EXPECT_TRUE(changed(1));
    EXPECT_EQ(label(*e, "LabelGM(0)"), "亿立方米/年");
    EXPECT_EQ(e->reserveLabels()->controls().list->fieldItems(), FillReserveUnitList("11004"));

    unmark(1);
    m.ChCBO_DropDown();
    m.TreeView2_NodeClick(gas);   // the mineral already shown: nothing, the tree stays
    EXPECT_FALSE(changed(1));
    EXPECT_FALSE(tree->isHidden());
}

TEST_F(PickerTest, TypingPartOfANameListsTheMatchesInListOrder) {
    auto e = open(1);
    MineralPicker& m = *e->mineralPicker();
    unmark(1);
    typeMineral(*e, "铁");
    EXPECT_TRUE(changed(1));
    const QStringList entries = m.list()->fieldItems();
    ASSERT_GE(entries.size(), 3);
    EXPECT_EQ(entries.first(), "22001 铁矿");
    QStringList expected;
    for (const MineralRow& r : dictionary().mineralList())
        if (r.Name.contains("铁")) expected << QString::number(r.Code) + ' ' + r.Name;
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(e->text(ControlArray::ChCBO, 2), "22001 铁矿");   // the first match is taken at once
    EXPECT_FALSE(m.list()->isHidden());
    EXPECT_EQ(m.list()->currentRow(), 0);

    m.list()->setListIndex(2);   // the user picks another entry
    EXPECT_EQ(e->text(ControlArray::ChCBO, 2), entries[2]);
    EXPECT_TRUE(m.list()->isHidden());
}

TEST_F(PickerTest, SearchIsSkippedForCodesBlanksAndMisses) {
    auto e = open(5);
    MineralPicker& m = *e->mineralPicker();
    typeMineral(*e, "铜");
    EXPECT_FALSE(m.list()->isHidden());
    unmark(5);
    typeMineral(*e, "123");
    EXPECT_TRUE(m.list()->isHidden());
    EXPECT_TRUE(changed(5));
    typeMineral(*e, "   ");
    EXPECT_TRUE(m.list()->isHidden());
    typeMineral(*e, "不存在的矿");
    EXPECT_TRUE(m.list()->isHidden());
    EXPECT_EQ(e->text(ControlArray::ChCBO, 2), "不存在的矿");
    typeMineral(*e, " 铜");   // a leading blank matches no name
    EXPECT_TRUE(m.list()->isHidden());
    // Another combo's typing only marks.
    unmark(5);
    e->combo(0)->lineEdit()->setText("x");
    emit e->combo(0)->lineEdit()->textEdited("x");
    EXPECT_TRUE(changed(5));
    EXPECT_TRUE(m.list()->isHidden());
}

TEST_F(PickerTest, APickFromTheSearchListUpdatesTheLabelsOnEveryKind) {
    for (int kind : {1, 2, 5}) {
        auto e = open(kind);
        typeMineral(*e, "天然气");
        EXPECT_TRUE(e->text(ControlArray::ChCBO, 2).startsWith("11004")) << kind;
        EXPECT_EQ(label(*e, "LabelGM(0)"), "亿立方米/年") << kind;
        EXPECT_EQ(e->reserveLabels()->controls().list->fieldItems(), FillReserveUnitList("11004")) << kind;
        state().KindOpen[kind] = false;
    }
    auto seven = open(7);
    typeMineral(*seven, "天然气");
    EXPECT_EQ(label(*seven, "LabelGM(0)"), "亿立方米/年");
}

TEST_F(PickerTest, ReserveUnitPickSplitsIntoUnitAndOreType) {
    auto e = open(1);
    ReserveLabels& r = *e->reserveLabels();
    e->setComboItems(2, {"11001 煤"});
    e->setComboCurrentIndex(2, 0);
    EXPECT_EQ(label(*e, "LabelGM(1)"), "");
    type(*e, 13, "3");
    r.controls().button->click();
    FieldList* list = r.controls().list;
    EXPECT_FALSE(list->isHidden());
    EXPECT_EQ(list->count(), 3);
    unmark(1);
    list->setListIndex(1);
    EXPECT_EQ(label(*e, "LabelGM(1)"), "亿吨 原煤(矿区)");
    EXPECT_EQ(txt(*e, 28), "亿吨");
    EXPECT_EQ(txt(*e, 29), "原煤(矿区)");
    EXPECT_EQ(label(*e, "LabelCL"), "中型");
    EXPECT_TRUE(changed(1));
    EXPECT_TRUE(list->isHidden());   // NewTab closes the list
    unmark(1);
    list->setListIndex(1);   // the same item again changes no field
    EXPECT_FALSE(changed(1));

    // The same mineral picked again keeps the unit.
    e->setComboCurrentIndex(2, 0);
    EXPECT_EQ(txt(*e, 28), "亿吨");
    // Another mineral: the unit and ore type of coal are no longer the application's.
    e->setComboItems(2, {"11003 石油"});
    e->setComboCurrentIndex(2, 0);
    EXPECT_EQ(label(*e, "LabelGM(1)"), "");
    EXPECT_EQ(list->fieldItems(), FillReserveUnitList("11003"));
    EXPECT_EQ(txt(*e, 28), "");
    EXPECT_EQ(txt(*e, 29), "");
    EXPECT_EQ(label(*e, "LabelCL"), "");
}

TEST_F(PickerTest, ChangeFormKeepsTheReserveListOpen) {
    auto e = open(2);
    e->setComboItems(2, {"11001 煤"});
    e->setComboCurrentIndex(2, 0);
    ReserveLabels& r = *e->reserveLabels();
    r.CommandCL_Click();
    r.controls().list->setListIndex(0);
    EXPECT_EQ(txt(*e, 23), "亿吨");
    EXPECT_FALSE(r.controls().list->isHidden());
    r.controls().list->setListIndex(2);
    EXPECT_EQ(txt(*e, 24), "原煤(煤田)");
    r.ListCL_DblClick();
    EXPECT_TRUE(r.controls().list->isHidden());
    r.CommandCL_Click();
    r.CommandCL_Click();   // visible without the focus: the button hides it
    EXPECT_TRUE(r.controls().list->isHidden());
}

TEST_F(PickerTest, UnknownOrEmptyMineralLeavesOrEmptiesTheLabels) {
    auto e = open(5);
    e->setComboItems(2, {"11001 煤"});
    e->setComboCurrentIndex(2, 0);
    ReserveLabels& r = *e->reserveLabels();
    const QString before = label(*e, "LabelGM(0)");
    e->setText(ControlArray::ChCBO, 2, "");
    r.UpdateMineralScaleLabels(true);   // a file without a mineral: labels as they were
    EXPECT_EQ(label(*e, "LabelGM(0)"), before);
    EXPECT_EQ(r.controls().list->count(), 3);
    e->setComboItems(2, {"99999 某矿"});
    e->setComboCurrentIndex(2, 0);
    EXPECT_EQ(label(*e, "LabelGM(0)"), "");
    EXPECT_EQ(r.controls().list->count(), 0);
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}
