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

void TreeWidgetSink::replaceLeaf(const QString& key, const QList<TreeNode>& nodes) {
    QTreeWidgetItem* leaf = items_.value(key);
    QTreeWidgetItem* parent = leaf ? leaf->parent() : nullptr;
    if (!parent || leaf->childCount() > 0) {
        TreeSink::replaceLeaf(key, nodes);
        return;
    }
    items_.remove(key);
    QList<QTreeWidgetItem*> added;
    for (const TreeNode& n : nodes) {
        if (items_.contains(n.key) || n.parentKey != keyOf(parent)) continue;
        QTreeWidgetItem* it = leaf;
        if (leaf) {
            leaf = nullptr;
        } else {
            it = new QTreeWidgetItem;
            added.append(it);
        }
        it->setText(0, n.text);
        it->setData(0, Qt::UserRole, n.key);
        items_.insert(n.key, it);
    }
    delete leaf;   // no node took its place
    parent->addChildren(added);
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
