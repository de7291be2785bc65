#include "forms/ui/mineral_picker.h"

#include "core/dictionary.h"
#include "forms/field_rules.h"
#include "forms/ui/field_widgets.h"
#include "platform/vb.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTreeWidget>

namespace mf {

MineralPicker::MineralPicker(FieldCombo* combo, QTreeWidget* tree, FieldList* list, bool* loaded, Host host,
                             QObject* parent)
    : QObject(parent), combo_(combo), tree_(tree), list_(list), loaded_(loaded), host_(std::move(host)),
      sink_(tree) {
    tree_->setIndentation(12);
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* it, int) { TreeView2_NodeClick(it); });
    list_->onClick = [this] { List1_Click(); };
    onLostFocus(tree_, [this] { TreeView2_LostFocus(); });
    onLostFocus(list_, [this] { List1_LostFocus(); });
    // From the keyboard: Down opens the tree as Alt+Down and F4 do (the combo holds at most
    // the chosen mineral, so there is no list to step through); in the tree the arrows move
    // and open a class, Enter takes a mineral, Escape closes.
    onKeyPress(combo_, [this](QKeyEvent* e) {
        if (e->key() != Qt::Key_Down || e->modifiers() != Qt::NoModifier) return false;
        ChCBO_DropDown();
        return true;
    });
    onKeyPress(list_, [this](QKeyEvent* e) {
        if (!isEnterKey(e) && e->key() != Qt::Key_Escape) return false;
        list_->setVisible(false);
        combo_->setFocus(Qt::OtherFocusReason);
        return true;
    });
    onKeyPress(tree_, [this](QKeyEvent* e) {
        if (e->key() == Qt::Key_Escape) {
            closeTree();
            return true;
        }
        if (!isEnterKey(e)) return false;
        QTreeWidgetItem* node = tree_->currentItem();
        if (node && (node->childCount() > 0 || !node->parent())) {
            node->setExpanded(!node->isExpanded());
            return true;
        }
        if (node) TreeView2_NodeClick(node);
        closeTree();
        return true;
    });
}

void MineralPicker::closeTree() {
    tree_->setVisible(false);
    combo_->setFocus(Qt::OtherFocusReason);
}

void MineralPicker::ChCBO_DropDown() {
    if (!*loaded_) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        LoadMineralTree(sink_);
        QGuiApplication::restoreOverrideCursor();
        *loaded_ = true;
    }
    tree_->raise();
    tree_->setVisible(true);
    tree_->setFocus(Qt::OtherFocusReason);
}

void MineralPicker::TreeView2_NodeClick(QTreeWidgetItem* node) {
    // A class node, or the mineral the combo already shows: nothing; the tree stays open.
    if (!node || node->childCount() > 0 || !node->parent()) return;
    if (node->text(0) == combo_->currentText()) return;
    tree_->setVisible(false);
    combo_->setFieldItems({node->text(0)});
    combo_->setListIndex(0);   // runs the combo's click handler
    host_.markChanged();
}

void MineralPicker::ChCBO_Change() {
    const QString text = combo_->currentText();
    if (!qualifiesForMineralSearch(text)) {
        list_->setVisible(false);
        return;
    }
    list_->setFieldItems(mineralMatches(text, dictionary().mineralList()));
    if (list_->count() == 0) return;   // the typed text stays, no list
    list_->setListIndex(0);            // takes the first match into the combo at once
    list_->raise();
    list_->setVisible(true);
    list_->setFocus(Qt::OtherFocusReason);
}

void MineralPicker::List1_Click() {
    // Setting the combo's text runs its change handler, which hides the list: the text now
    // begins with the code.
    const bool focused = list_->hasFocus();
    combo_->setFieldText(vb::trim(list_->selectedText()));
    list_->setVisible(false);
    if (focused) combo_->setFocus(Qt::OtherFocusReason);
    // The labels follow the mineral picked from the list on every form.
    host_.comboClick();
}

void MineralPicker::TreeView2_LostFocus() { tree_->setVisible(false); }

void MineralPicker::List1_LostFocus() { list_->setVisible(false); }

} // namespace mf
