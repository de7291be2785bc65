#pragma once
// A tree widget seen as a TreeSink: each item carries its node key (Qt::UserRole), and
// keys are unique within the tree, as the tree loaders expect.
#include "core/dict_trees.h"

#include <QHash>

class QTreeWidget;
class QTreeWidgetItem;

namespace mf {

class TreeWidgetSink : public TreeSink {
public:
    explicit TreeWidgetSink(QTreeWidget* tree);

    bool addNode(const QString& parentKey, const QString& key, const QString& text) override;
    void removeNode(const QString& key) override;
    void clear() override;
    // Reuses the leaf's item for the first node and adds the others in one insertion, so a
    // tree with many expanded nodes does not walk them for each county.
    void replaceLeaf(const QString& key, const QList<TreeNode>& nodes) override;
    std::optional<TreeNode> firstChild(const QString& key) const override;

    QTreeWidgetItem* item(const QString& key) const { return items_.value(key); }
    static QString keyOf(const QTreeWidgetItem* item);
    int size() const { return int(items_.size()); }

private:
    void forget(QTreeWidgetItem* item);
    QTreeWidget* tree_;
    QHash<QString, QTreeWidgetItem*> items_;
};

} // namespace mf
