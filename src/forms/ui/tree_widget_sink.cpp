#include "forms/ui/tree_widget_sink.h"

#include <QTreeWidget>

namespace mf {

TreeWidgetSink::TreeWidgetSink(QTreeWidget* tree) : tree_(tree) {}

bool TreeWidgetSink::addNode(const QString& parentKey, const QString& key, const QString& text) {
    if (items_.contains(key)) return false;
    QTreeWidgetItem* parent = nullptr;
    if (!parentKey.isEmpty()) {
        parent = items_.value(parentKey);
        if (!parent) return false;
    }
    auto* it = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
    it->setText(0, text);
    it->setData(0, Qt::UserRole, key);
    items_.insert(key, it);
    return true;
}

void TreeWidgetSink::forget(QTreeWidgetItem* item) {
    for (int i = 0; i < item->childCount(); ++i) forget(item->child(i));
    items_.remove(keyOf(item));
}

void TreeWidgetSink::removeNode(const QString& key) {
    QTreeWidgetItem* it = items_.value(key);
    if (!it) return;
    forget(it);
    delete it;   // takes its children along and leaves its parent
}

void TreeWidgetSink::clear() {
    tree_->clear();
    items_.clear();
}

std::optional<TreeNode> TreeWidgetSink::firstChild(const QString& key) const {
    const QTreeWidgetItem* it = items_.value(key);
    if (!it || it->childCount() == 0) return std::nullopt;
    const QTreeWidgetItem* c = it->child(0);
    return TreeNode{key, keyOf(c), c->text(0)};
}

QString TreeWidgetSink::keyOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

} // namespace mf
