#pragma once
// Filling the region and mineral trees of the pickers. The loaders talk to a TreeSink, so
// the same logic serves the tree widget (through a thin adapter) and the tests.
#include "core/dictionary.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace mf {

struct TreeNode {
    QString parentKey;   // "" for a top-level node
    QString key;
    QString text;
    bool operator==(const TreeNode&) const = default;
};

// A tree of nodes addressed by unique keys, as a tree view keeps them.
class TreeSink {
public:
    virtual ~TreeSink() = default;
    // Adds a node as the last child of parentKey ("" = top level). False, and nothing
    // added, when the key is already in the tree or the parent is not.
    virtual bool addNode(const QString& parentKey, const QString& key, const QString& text) = 0;
    // Removes a node with its descendants; nothing when the key is not in the tree.
    virtual void removeNode(const QString& key) = 0;
    virtual void clear() = 0;
    // Replaces the childless node `key` by the nodes given, added under its parent as
    // addNode adds them (a node whose key is taken is left out).
    virtual void replaceLeaf(const QString& key, const QList<TreeNode>& nodes);
    // The first child of a node, if it has one.
    virtual std::optional<TreeNode> firstChild(const QString& key) const = 0;
};

// A TreeSink held in memory: the nodes in insertion order.
class MemoryTree : public TreeSink {
public:
    bool addNode(const QString& parentKey, const QString& key, const QString& text) override;
    void removeNode(const QString& key) override;
    void clear() override;
    std::optional<TreeNode> firstChild(const QString& key) const override;

    bool contains(const QString& key) const { return index_.contains(key); }
    std::optional<TreeNode> node(const QString& key) const;
    QList<TreeNode> children(const QString& parentKey) const;
    const QList<TreeNode>& nodes() const { return nodes_; }
    int size() const { return int(nodes_.size()); }

private:
    void reindex();
    QList<TreeNode> nodes_;
    QHash<QString, int> index_;
};

// The region tree: root "root" ("澄岭署"), provinces "A"+2 digits, cities "B"+4 digits,
// each city with one placeholder child "C"+running number whose text is "NULL". Codes
// beginning "20" or "30" stay out. Adds to the tree without emptying it; a node whose key
// is taken or whose parent is missing is left out. False when the query cannot run.
bool LoadRegionTree(TreeSink& tree, const Dictionary& dict = dictionary());
// The authority tree of the annual report: the same fill.
inline bool LoadRegionTree2(TreeSink& tree, const Dictionary& dict = dictionary()) {
    return LoadRegionTree(tree, dict);
}

// Text of the placeholder child of a city whose counties are not loaded yet.
inline constexpr const char* kRegionPlaceholderText = "NULL";

// The counties of a city PPCC: the codes PPCC01 to PPCC99 (the six-digit codes that begin
// with PPCC and do not end in 00), one range query on the code column, in code order.
inline constexpr const char* kCountyQuery =
    "select 代码,名称 from 行政区代码 where 代码 between ?1 and ?2 order by 代码";

// The counties of the city whose node key is cityKey ("B" + 4 digits), in code order, as
// children of that node with keys "C" + six-digit code. One query (none for a key that is
// no city key); empty when it fails.
std::optional<QList<TreeNode>> RegionCounties(const QString& cityKey, const Dictionary& dict = dictionary());

// Expansion of a region node: when its first child is the placeholder, replaces it by the
// city's counties (one query) and returns true. Any other node is left alone, without a
// query. When the query cannot run, the placeholder stays.
bool ExpandRegionNode(TreeSink& tree, const QString& key, const Dictionary& dict = dictionary());

// The mineral tree, built from the lists in memory after emptying the tree: one top-level
// node "A"+class index per class of MineralClassList, under it its minerals with the text
// "code name". Mineral keys are "B" + class index + "_" + running number, so they cannot
// collide.
void LoadMineralTree(TreeSink& tree, const Dictionary& dict = dictionary());

} // namespace mf
