// Region and mineral tree fills.
#include "core/dict_trees.h"

#include <QCursor>
#include <QGuiApplication>
#include <QSet>

namespace mf {

void TreeSink::replaceLeaf(const QString& key, const QList<TreeNode>& nodes) {
    removeNode(key);
    for (const TreeNode& n : nodes)
        addNode(n.parentKey, n.key, n.text);
}

// ---------------------------------------------------------------------------------------
// MemoryTree

bool MemoryTree::addNode(const QString& parentKey, const QString& key, const QString& text) {
    if (index_.contains(key) || (!parentKey.isEmpty() && !index_.contains(parentKey)))
        return false;
    index_.insert(key, int(nodes_.size()));
    nodes_.append(TreeNode{parentKey, key, text});
    return true;
}

void MemoryTree::removeNode(const QString& key) {
    if (!index_.contains(key))
        return;
    QSet<QString> gone{key};
    // Parents come before their children, so one pass finds every descendant.
    for (const TreeNode& n : nodes_) {
        if (gone.contains(n.parentKey))
            gone.insert(n.key);
    }
    nodes_.removeIf([&](const TreeNode& n) { return gone.contains(n.key); });
    reindex();
}

void MemoryTree::clear() {
    nodes_.clear();
    index_.clear();
}

std::optional<TreeNode> MemoryTree::firstChild(const QString& key) const {
    for (const TreeNode& n : nodes_) {
        if (n.parentKey == key && !key.isEmpty())
            return n;
    }
    return std::nullopt;
}

std::optional<TreeNode> MemoryTree::node(const QString& key) const {
    const auto it = index_.find(key);
    if (it == index_.end())
        return std::nullopt;
    return nodes_[*it];
}

QList<TreeNode> MemoryTree::children(const QString& parentKey) const {
    QList<TreeNode> out;
    for (const TreeNode& n : nodes_) {
        if (n.parentKey == parentKey)
            out.append(n);
    }
    return out;
}

void MemoryTree::reindex() {
    index_.clear();
    for (int i = 0; i < nodes_.size(); ++i)
        index_.insert(nodes_[i].key, i);
}

// ---------------------------------------------------------------------------------------

namespace {

// Shows the wait cursor while a fill runs, when there is a window system to show it.
class WaitCursor {
public:
    WaitCursor() : active_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        if (active_)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~WaitCursor() {
        if (active_)
            QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool active_;
};

} // namespace

bool LoadRegionTree(TreeSink& tree, const Dictionary& dict) {
    WaitCursor wait;
    DictQuery q(dict, "select 代码,名称 from 行政区代码 where substr(代码,-2)='00' order by 代码");
    int placeholder = 0;
    while (q.next()) {
        const QString code = q.text(0);
        const QString head = code.left(2);
        if (head == QLatin1String("20") || head == QLatin1String("30"))
            continue;
        const QString name = q.text(1);
        if (code.right(4) == QLatin1String("0000")) {
            if (head == QLatin1String("10"))
                tree.addNode(QString(), QStringLiteral("root"), QStringLiteral("澄岭署"));
            else
                tree.addNode(QStringLiteral("root"), QLatin1Char('A') + head, name);
        } else if (code.right(2) == QLatin1String("00")) {
            const QString cityKey = QLatin1Char('B') + code.left(4);
            tree.addNode(QLatin1Char('A') + head, cityKey, name);
            tree.addNode(cityKey, QLatin1Char('C') + QString::number(placeholder),
                         QLatin1String(kRegionPlaceholderText));
            ++placeholder;
        }
    }
    return !q.failed();
}

std::optional<QList<TreeNode>> RegionCounties(const QString& cityKey, const Dictionary& dict) {
    QList<TreeNode> out;
    bool ok = false;
    const int city = cityKey.mid(1).toInt(&ok);
    if (!ok || cityKey.size() != 5)
        return out;
    DictQuery q(dict, kCountyQuery);
    q.bind(1, qint64(city) * 100 + 1);
    q.bind(2, qint64(city) * 100 + 99);
    while (q.next())
        out.append(TreeNode{cityKey, QLatin1Char('C') + q.text(0), q.text(1)});
    if (q.failed())
        return std::nullopt;
    return out;
}

bool ExpandRegionNode(TreeSink& tree, const QString& key, const Dictionary& dict) {
    const std::optional<TreeNode> first = tree.firstChild(key);
    if (!first || first->text != QLatin1String(kRegionPlaceholderText))
        return false;
    const std::optional<QList<TreeNode>> counties = RegionCounties(key, dict);
    if (!counties)
        return false;
    tree.replaceLeaf(first->key, *counties);   // a key already in the tree is left out
    return true;
}

void LoadMineralTree(TreeSink& tree, const Dictionary& dict) {
    tree.clear();
    const QList<MineralClassRow>& classes = dict.mineralClassList();
    const QList<MineralRow>& minerals = dict.mineralList();
    for (int i = 0; i < classes.size(); ++i) {
        const QString classKey = QLatin1Char('A') + QString::number(i);
        tree.addNode(QString(), classKey, classes[i].Name);
        bool found = false;
        int n = 0;
        for (const MineralRow& m : minerals) {
            if (m.ClassCode == classes[i].Code) {
                found = true;
                tree.addNode(classKey,
                             QStringLiteral("B%1_%2").arg(i).arg(n),
                             QString::number(m.Code) + QLatin1Char(' ') + m.Name);
                ++n;
            } else if (found) {
                break;   // the minerals of one class stand together
            }
        }
    }
}

} // namespace mf
