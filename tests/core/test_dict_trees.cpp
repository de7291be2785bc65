// Region and mineral trees: keys, placeholders, skipped rows and the county load on
// expansion.
#include "core/dict_trees.h"
#include "dict_fixture.h"

#include <gtest/gtest.h>

using namespace mf;
using mf::test::baseDictRows;
using mf::test::DictFixture;

namespace {

QStringList keys(const QList<TreeNode>& nodes) {
    QStringList out;
    for (const TreeNode& n : nodes)
        out << n.key;
    return out;
}

QStringList texts(const QList<TreeNode>& nodes) {
    QStringList out;
    for (const TreeNode& n : nodes)
        out << n.text;
    return out;
}

const char* kRegions =
    "INSERT INTO 行政区代码 VALUES (410100,'郑州市');"          // stored before its province
    "INSERT INTO 行政区代码 VALUES (100000,'国家');"
    "INSERT INTO 行政区代码 VALUES (110000,'北京市');"
    "INSERT INTO 行政区代码 VALUES (110100,'市辖区');"
    "INSERT INTO 行政区代码 VALUES (110102,'西城区');"
    "INSERT INTO 行政区代码 VALUES (110101,'东城区');"
    "INSERT INTO 行政区代码 VALUES (200000,'二十');"
    "INSERT INTO 行政区代码 VALUES (200100,'二十一');"
    "INSERT INTO 行政区代码 VALUES (300100,'三十一');"
    "INSERT INTO 行政区代码 VALUES (410000,'河南省');"
    "INSERT INTO 行政区代码 VALUES (410102,'中原区');"
    "INSERT INTO 行政区代码 VALUES (410200,'开封市');"
    "INSERT INTO 行政区代码 VALUES (420100,'武汉市');";      // no province row

class RegionTree : public mf::test::OpenedDictTest {
protected:
    RegionTree() : OpenedDictTest(baseDictRows() + QString::fromUtf8(kRegions)) {}
    MemoryTree tree;
};

} // namespace

TEST_F(RegionTree, RootProvincesAndCitiesWithOnePlaceholderEach) {
    ASSERT_TRUE(LoadRegionTree(tree, dict));
    EXPECT_EQ(tree.children(""), (QList<TreeNode>{{"", "root", "澄岭署"}}));
    EXPECT_EQ(keys(tree.children("root")), (QStringList{"A11", "A41"}));
    EXPECT_EQ(texts(tree.children("root")), (QStringList{"北京市", "河南省"}));
    EXPECT_EQ(keys(tree.children("A11")), QStringList{"B1101"});
    EXPECT_EQ(keys(tree.children("A41")), (QStringList{"B4101", "B4102"}));
    // Placeholders numbered across provinces in code order; the city without a province
    // still uses up its number.
    EXPECT_EQ(tree.children("B1101"), (QList<TreeNode>{{"B1101", "C0", "NULL"}}));
    EXPECT_EQ(tree.children("B4101"), (QList<TreeNode>{{"B4101", "C1", "NULL"}}));
    EXPECT_EQ(tree.children("B4102"), (QList<TreeNode>{{"B4102", "C2", "NULL"}}));
    EXPECT_FALSE(tree.contains("B4201"));
    EXPECT_FALSE(tree.contains("C3"));
    // Rows beginning 20 or 30 never enter; counties are not loaded yet.
    for (const TreeNode& n : tree.nodes()) {
        EXPECT_FALSE(n.text.startsWith(QStringLiteral("二十")) || n.text.startsWith(QStringLiteral("三十")));
        EXPECT_NE(n.text, QStringLiteral("东城区"));
    }
    EXPECT_EQ(tree.size(), 1 + 2 + 3 + 3);
}

TEST_F(RegionTree, CountiesLoadOnFirstExpansionWithOneQuery) {
    ASSERT_TRUE(LoadRegionTree(tree, dict));
    int before = dict.queryCount();
    EXPECT_TRUE(ExpandRegionNode(tree, "B1101", dict));
    EXPECT_EQ(dict.queryCount(), before + 1);
    EXPECT_EQ(tree.children("B1101"),
              (QList<TreeNode>{{"B1101", "C110101", "东城区"}, {"B1101", "C110102", "西城区"}}));

    before = dict.queryCount();
    EXPECT_FALSE(ExpandRegionNode(tree, "B1101", dict));   // already loaded
    EXPECT_FALSE(ExpandRegionNode(tree, "A11", dict));
    EXPECT_FALSE(ExpandRegionNode(tree, "root", dict));
    EXPECT_FALSE(ExpandRegionNode(tree, "C110101", dict));
    EXPECT_EQ(dict.queryCount(), before);
    EXPECT_EQ(tree.children("B1101").size(), 2);

    // A city without counties loses its placeholder and has no children.
    EXPECT_TRUE(ExpandRegionNode(tree, "B4102", dict));
    EXPECT_TRUE(tree.children("B4102").isEmpty());
    EXPECT_FALSE(tree.contains("C2"));
    EXPECT_EQ(keys(tree.children("B4101")), QStringList{"C1"});   // others untouched
}

TEST(RegionTreeFailures, NoRootRowGivesAnEmptyTreeAndNoTableFailsQuietly) {
    DictFixture noRoot(baseDictRows() + QStringLiteral(
        "INSERT INTO 行政区代码 VALUES (110000,'北京市');"
        "INSERT INTO 行政区代码 VALUES (110100,'市辖区');"));
    Dictionary d;
    ASSERT_TRUE(d.open(noRoot.path()));
    MemoryTree tree;
    EXPECT_TRUE(LoadRegionTree(tree, d));
    EXPECT_EQ(tree.size(), 0);

    DictFixture noTable(baseDictRows() + QStringLiteral("DROP TABLE 行政区代码;"));
    Dictionary d2;
    ASSERT_TRUE(d2.open(noTable.path()));
    EXPECT_FALSE(LoadRegionTree(tree, d2));
    EXPECT_EQ(tree.size(), 0);
    // A placeholder stays when its counties cannot be read.
    ASSERT_TRUE(tree.addNode("", "B1101", "市辖区"));
    ASSERT_TRUE(tree.addNode("B1101", "C0", "NULL"));
    EXPECT_FALSE(ExpandRegionNode(tree, "B1101", d2));
    EXPECT_EQ(keys(tree.children("B1101")), QStringList{"C0"});
}

TEST(MineralTree, ClassesWithTheirMineralsAndUniqueKeys) {
    // Twelve classes; class 1 has twelve minerals and class 11 has two, so the keys the
    // plain join would give (B1 11 and B11 1) would collide.
    QString rows = QStringLiteral("DELETE FROM 矿类词表; DELETE FROM 矿产代码词表;");
    for (int c = 0; c < 12; ++c)
        rows += QStringLiteral("INSERT INTO 矿类词表 VALUES (%1,'类%1');").arg(c + 1);
    for (int m = 0; m < 12; ++m)
        rows += QStringLiteral("INSERT INTO 矿产代码词表 VALUES (2,%1,'矿%1','吨');").arg(20001 + m);
    rows += QStringLiteral("INSERT INTO 矿产代码词表 VALUES (12,12002,'乙矿','吨');"
                           "INSERT INTO 矿产代码词表 VALUES (12,12001,'甲矿','吨');"
                           "INSERT INTO 矿产代码词表 VALUES (4,40001,' 丁矿','吨');"
                           "INSERT INTO 矿产代码词表 VALUES (99,99001,'无类矿','吨');");
    DictFixture f(baseDictRows() + rows);
    ASSERT_TRUE(f.error().isEmpty()) << f.error().toStdString();
    Dictionary d;
    ASSERT_TRUE(d.open(f.path()));

    MemoryTree tree;
    tree.addNode("", "old", "旧节点");
    LoadMineralTree(tree, d);
    EXPECT_FALSE(tree.contains("old"));
    const QList<TreeNode> classes = tree.children("");
    ASSERT_EQ(classes.size(), 12);
    EXPECT_EQ(classes[3].key, QStringLiteral("A3"));
    EXPECT_EQ(classes[3].text, QStringLiteral("类4"));
    EXPECT_EQ(texts(tree.children("A3")), QStringList{"40001 丁矿"});
    EXPECT_TRUE(tree.children("A3").first().key.startsWith(QLatin1Char('B')));
    EXPECT_EQ(tree.children("A1").size(), 12);
    EXPECT_EQ(tree.children("A1").first().text, QStringLiteral("20001 矿20001"));
    EXPECT_EQ(texts(tree.children("A11")), (QStringList{"12001 甲矿", "12002 乙矿"}));
    EXPECT_TRUE(tree.children("A0").isEmpty());   // class 1 has no minerals here
    EXPECT_EQ(tree.size(), 12 + 12 + 2 + 1);      // the mineral of no class is in no tree

    // Filling again leaves only the new nodes.
    LoadMineralTree(tree, d);
    EXPECT_EQ(tree.size(), 12 + 12 + 2 + 1);
}

TEST(MemoryTreeSink, RejectsTakenKeysAndMissingParentsAndRemovesSubtrees) {
    MemoryTree t;
    EXPECT_TRUE(t.addNode("", "a", "A"));
    EXPECT_FALSE(t.addNode("", "a", "again"));
    EXPECT_FALSE(t.addNode("missing", "b", "B"));
    EXPECT_TRUE(t.addNode("a", "b", "B"));
    EXPECT_TRUE(t.addNode("b", "c", "C"));
    EXPECT_TRUE(t.addNode("", "d", "D"));
    EXPECT_EQ(t.firstChild("a")->key, QStringLiteral("b"));
    t.removeNode("b");
    EXPECT_EQ(keys(t.nodes()), (QStringList{"a", "d"}));
    EXPECT_FALSE(t.firstChild("a"));
    EXPECT_TRUE(t.addNode("a", "c", "again"));
}
