#include "forms/ui/region_picker.h"

#include "forms/ui/field_widgets.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>

namespace mf {

RegionPicker::RegionPicker(const RegionPickerSpec& table, QPushButton* button, QTreeWidget* tree,
                           bool* loaded, Host host, QObject* parent)
    : QObject(parent), table_(table), button_(button), tree_(tree), loaded_(loaded), host_(std::move(host)),
      sink_(tree) {
    // The tree is narrow (caption to button): a small indentation keeps the names readable.
    tree_->setIndentation(10);
    connect(button_, &QPushButton::clicked, this, [this] { CommandXZQ_Click(); });
    connect(tree_, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* it) { TreeView_Expand(TreeWidgetSink::keyOf(it)); });
    connect(tree_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* it, int) { TreeView_NodeClick(TreeWidgetSink::keyOf(it)); });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem*, int) { TreeView_DblClick(); });
    onLostFocus(tree_, [this] { TreeView_LostFocus(); });
    // From the keyboard: Enter or Space on ">>" opens the tree, as do Alt+Down and F4 in the
    // field; in the tree the arrows move and open, Enter takes the node, Escape closes.
    onKeyPress(button_, [this](QKeyEvent* e) {
        if (!isEnterKey(e)) return false;
        CommandXZQ_Click();
        return true;
    });
    onKeyPress(tree_, [this](QKeyEvent* e) {
        if (e->key() == Qt::Key_Escape) {
            TreeView_DblClick();   // closes, the caret back in the field
            return true;
        }
        if (!isEnterKey(e)) return false;
        if (QTreeWidgetItem* it = tree_->currentItem()) TreeView_NodeClick(TreeWidgetSink::keyOf(it));
        TreeView_DblClick();
        return true;
    });
}

void RegionPicker::watchField(QWidget* field) {
    onKeyPress(field, [this](QKeyEvent* e) {
        if (!isDropDownKey(e)) return false;
        CommandXZQ_Click();
        return true;
    });
}

void RegionPicker::CommandXZQ_Click() {
    tree_->setVisible(true);
    tree_->setFocus(Qt::OtherFocusReason);
    tree_->raise();
    // The flag is set only after the fill; the guard keeps a second press from filling twice.
    if (!*loaded_ && !filling_) {
        filling_ = true;
        if (table_.authority)
            LoadRegionTree2(sink_);
        else
            LoadRegionTree(sink_);
        filling_ = false;
        *loaded_ = true;
    }
}

void RegionPicker::TreeView_Expand(const QString& key) {
    // Replaces a city's placeholder by its counties, once; any other node reads nothing.
    ExpandRegionNode(sink_, key);
}

void RegionPicker::TreeView_NodeClick(const QString& key) {
    // The root carries no code, and a placeholder no region: such a click writes nothing.
    if (key.isEmpty() || key == QLatin1String("root")) return;
    const QTreeWidgetItem* it = sink_.item(key);
    if (it && it->text(0) == QLatin1String(kRegionPlaceholderText) && it->childCount() == 0 &&
        key.size() != 7)
        return;
    host_.writeTarget(key.mid(1));
    host_.markChanged();
}

void RegionPicker::TreeView_DblClick() {
    tree_->setVisible(false);
    host_.focusTarget();
}

void RegionPicker::TreeView_LostFocus() { tree_->setVisible(false); }

} // namespace mf
