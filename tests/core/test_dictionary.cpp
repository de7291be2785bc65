// Loading the dictionary: the lists, the field maps, the row limits and every way the
// load can fail.
#include "core/dictionary.h"
#include "dict_fixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace mf;
using mf::test::baseDictRows;
using mf::test::DictFixture;
using mf::test::repeatRows;

namespace {

// Opens a fixture made of the base rows plus extra rows; fails the test when it does not load.
struct Loaded {
    explicit Loaded(const QString& extra) : fixture(baseDictRows() + extra) {
        EXPECT_TRUE(fixture.error().isEmpty()) << fixture.error().toStdString();
        QString error;
        ok = dict.open(fixture.path(), &error);
        EXPECT_TRUE(ok) << error.toStdString();
    }
    DictFixture fixture;
    Dictionary dict;
    bool ok = false;
};

QString trancodeRow(const QString& category, const QString& field, const QString& xml,
                    const QString& newKey, const QString& changeKey = {},
                    const QString& renewKey = {}, const QString& cancelKey = {}) {
    auto lit = [](const QString& s) { return s.isNull() ? QStringLiteral("NULL") : "'" + s + "'"; };
    return QStringLiteral("INSERT INTO TRANCODE VALUES (%1,%2,%3,%4,%5,%6,%7);")
        .arg(lit(category), lit(field), lit(xml), lit(newKey), lit(changeKey), lit(renewKey), lit(cancelKey));
}

QStringList fieldNames(const KindFieldMap& map) {
    QStringList out;
    for (const FieldPair& p : map.Pairs)
        out << p.FieldName;
    return out;
}

QStringList values(const KindFieldMap& map) {
    QStringList out;
    for (const FieldPair& p : map.Pairs)
        out << p.Value;
    return out;
}

// Loads a dictionary whose base rows are replaced by the given SQL; returns the error.
QString loadError(const QString& rows, bool withSchema = true) {
    DictFixture f(rows, withSchema);
    EXPECT_TRUE(f.error().isEmpty()) << f.error().toStdString();
    Dictionary d;
    QString error;
    EXPECT_FALSE(d.open(f.path(), &error));
    EXPECT_FALSE(d.isOpen());
    return error;
}

} // namespace

TEST(DictionaryLoad, ListsComeInTheirOrderWithNamesTrimmedAndClassNamesAsStored) {
    Loaded l(QStringLiteral(
        "INSERT INTO 矿类词表 VALUES (3,' 有色金属矿产');"
        "INSERT INTO 矿产代码词表 VALUES (3,32006,'  铜矿 ','万吨/年');"
        "INSERT INTO 矿产代码词表 VALUES (1,11003,'石油','万吨/年');"
        "INSERT INTO 矿产代码词表 VALUES (1,11003,'石油','万吨/年');"   // grouped away
        "INSERT INTO 综合词表 VALUES (4,2,' 地下开采 ');"
        "INSERT INTO 综合词表 VALUES (4,1,'露天开采');"));
    ASSERT_TRUE(l.ok);
    const auto& minerals = l.dict.mineralList();
    ASSERT_EQ(minerals.size(), 3);
    EXPECT_EQ(minerals[0].Code, 11001);
    EXPECT_EQ(minerals[1].Code, 11003);
    EXPECT_EQ(minerals[2].Code, 32006);
    EXPECT_EQ(minerals[2].ClassCode, 3);
    EXPECT_EQ(minerals[2].Name, QStringLiteral("铜矿"));
    ASSERT_EQ(l.dict.mineralClassList().size(), 2);
    EXPECT_EQ(l.dict.mineralClassList()[1].Name, QStringLiteral(" 有色金属矿产"));
    const auto& codes = l.dict.codeList();
    ASSERT_EQ(codes.size(), 3);
    EXPECT_EQ(codes[1].Category, 4);
    EXPECT_EQ(codes[1].Code, 1);
    EXPECT_EQ(codes[2].Name, QStringLiteral("地下开采"));
}

TEST(DictionaryLoad, OpensReadOnly) {
    Loaded l{QString()};
    ASSERT_TRUE(l.ok);
    char* msg = nullptr;
    EXPECT_NE(sqlite3_exec(l.dict.handle(), "DELETE FROM 综合词表", nullptr, nullptr, &msg), SQLITE_OK);
    sqlite3_free(msg);
}

TEST(DictionaryLoad, OpenDictionaryUsesTheDictFolderOfTheDataPath) {
    // Every kind has its field: categories 1, 3, 4 and the four keys of category 2.
    const QString everyKind = trancodeRow("1", "甲", "A", "甲") + trancodeRow("2", "乙", "B", "乙", "乙", "乙", "乙") +
                              trancodeRow("3", "丙", "C", "丙") + trancodeRow("4", "丁", "D", "丁");
    // Without category 4 the start goes on; without any pair, saves would write nothing.
    const QString withoutKind7 = everyKind.left(everyKind.lastIndexOf("INSERT"));
    for (const QString& rows : {everyKind, withoutKind7, QString()}) {
        const bool starts = !rows.isEmpty();
        DictFixture f(baseDictRows() + rows);
        QTemporaryDir data;
        ASSERT_TRUE(QDir(data.path()).mkdir(QStringLiteral("DICT")));
        ASSERT_TRUE(QFile::copy(f.path(), data.path() + QStringLiteral("/DICT/系统词典.db")));
        QString error;
        EXPECT_EQ(OpenDictionary(data.path(), &error), starts) << error.toStdString();
        EXPECT_EQ(dictionary().isOpen(), starts);
        if (starts) EXPECT_EQ(dictionary().mineralList().size(), 1);
        else EXPECT_EQ(error, QStringLiteral("数据词典 %1/DICT/系统词典.db：TRANCODE 中没有任何一类申请的字段").arg(data.path()));
        EXPECT_EQ(kindWithoutFields(7).isEmpty(), rows == everyKind);
        dictionary().close();
    }
    QString error;
    EXPECT_FALSE(OpenDictionary(QStringLiteral("/nowhere"), &error));
    EXPECT_FALSE(error.isEmpty());
}

// ---------------------------------------------------------------------------------------
// Field maps

TEST(DictionaryFieldMaps, ARowEntersEveryKindWhoseKeyColumnHoldsText) {
    Loaded l(trancodeRow("2", "矿山名称", "KSMC", "矿山名称", "", "矿山名", QString()));
    ASSERT_TRUE(l.ok);
    for (int kind : {1, 3}) {
        EXPECT_EQ(l.dict.textKeyMap(kind).Kind, kind);
        EXPECT_EQ(fieldNames(l.dict.textKeyMap(kind)), QStringList{"矿山名称"});
        EXPECT_EQ(fieldNames(l.dict.xmlNameMap(kind)), QStringList{"矿山名称"});
        EXPECT_EQ(values(l.dict.xmlNameMap(kind)), QStringList{"KSMC"});
    }
    EXPECT_EQ(values(l.dict.textKeyMap(1)), QStringList{"矿山名称"});
    EXPECT_EQ(values(l.dict.textKeyMap(3)), QStringList{"矿山名"});
    for (int kind : {2, 4, 5, 6, 7, 0, 8, -1}) {
        EXPECT_EQ(l.dict.textKeyMap(kind).count(), 0) << kind;
        EXPECT_EQ(l.dict.xmlNameMap(kind).count(), 0) << kind;
    }
}

TEST(DictionaryFieldMaps, CategoriesMapToKindsAndOthersAreIgnored) {
    Loaded l(trancodeRow("1", "划定", "HD", "划定键", "变更键", "延续键", "注销键") +
             trancodeRow("3", "转让", "ZR", "转让键") +
             trancodeRow("4", "年检", "NJ", "年检键") +
             trancodeRow("5", "其他", "QT", "其他键", "其他键", "其他键", "其他键") +
             trancodeRow("", "空", "K", "空键") +
             trancodeRow("02", "零二", "LE", "零二键") +
             trancodeRow("2", "注销", "ZX", "", "", "", "注销键"));
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(values(l.dict.textKeyMap(5)), QStringList{"划定键"});   // 新立 only, not the others
    EXPECT_EQ(values(l.dict.textKeyMap(6)), QStringList{"转让键"});
    EXPECT_EQ(values(l.dict.textKeyMap(7)), QStringList{"年检键"});
    EXPECT_EQ(values(l.dict.xmlNameMap(7)), QStringList{"NJ"});
    EXPECT_EQ(values(l.dict.textKeyMap(4)), QStringList{"注销键"});
    for (int kind : {1, 2, 3})
        EXPECT_EQ(l.dict.textKeyMap(kind).count(), 0) << kind;
}

TEST(DictionaryFieldMaps, AnEmptyKeyColumnKeepsTheRowOutEvenWithAnElementName) {
    Loaded l(trancodeRow("1", "甲", "JIA", "") + trancodeRow("1", "乙", "YI", QString()) +
             trancodeRow("1", "丙", "BING", "丙键"));
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(fieldNames(l.dict.textKeyMap(5)), QStringList{"丙"});
    EXPECT_EQ(fieldNames(l.dict.xmlNameMap(5)), QStringList{"丙"});
    EXPECT_EQ(values(l.dict.xmlNameMap(5)), QStringList{"BING"});
}

// A key or element name that a saved file cannot carry back, or that another field of the
// kind has (row 1, 乙), fails the load, saying where and why.
TEST(DictionaryFieldMaps, KeysThatCannotBeWrittenAndReadBackFailTheLoad) {
    const struct { const char *key, *element, *reason; } cases[] = {   // reason "": the row loads
        {"甲=乙", "JIA", "文本键“甲=乙”含有“=”"}, {"甲\n乙", "JIA", "文本键含有换行"}, {"甲\r", "JIA", "文本键含有换行"},
        {" 甲", "JIA", "首尾有空白"}, {"甲 ", "JIA", "首尾有空白"}, {"***甲", "JIA", "续行标记"},
        {"矿区范围拐点坐标与标高的总行数", "JIA", "只能属于字段 区域坐标"}, {"甲", "", "英文名“”不是有效的 XML 元素名"},
        {"甲", "1JIA", "不是有效的 XML 元素名"}, {"甲", "JI A", "不是有效"}, {"甲", "JIA<", "不是有效"}, {"甲 乙𠀀", "字段𠀀.名-1", ""},
        {"乙", "JIA", "第 1 行与第 2 行的文本键相同：乙"}, {"甲", "YI", "第 1 行与第 2 行的英文名相同：YI"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        DictFixture f(baseDictRows() + trancodeRow("4", "乙", "YI", "乙") +
                      trancodeRow("4", "矿山名称", QString::fromUtf8(c.element), QString::fromUtf8(c.key)));
        Dictionary d;
        QString error;
        EXPECT_EQ(d.open(f.path(), &error), !*c.reason) << error.toStdString();
        EXPECT_TRUE(!*c.reason || (error.startsWith(QStringLiteral("TRANCODE 第 2 行（字段 矿山名称，第 7 类申请）：")) &&
                                   error.contains(QString::fromUtf8(c.reason)))) << error.toStdString();
    }
}

TEST(DictionaryFieldMaps, PairsKeepTheStoredOrderWithinAKind) {
    Loaded l(trancodeRow("2", "乙", "YI", "乙") + trancodeRow("4", "年", "N", "年") +
             trancodeRow("2", "甲", "JIA", "甲") + trancodeRow("2", "丙", "BING", "丙"));
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(fieldNames(l.dict.textKeyMap(1)), (QStringList{"乙", "甲", "丙"}));
    EXPECT_EQ(values(l.dict.xmlNameMap(1)), (QStringList{"YI", "JIA", "BING"}));
}

TEST(DictionaryFieldMaps, AKindTakes101PairsAndA102ndFailsTheLoad) {
    auto rows = [](int n, const char* category) {
        return repeatRows(n, [&](int i) {
            return trancodeRow(category, QStringLiteral("字段%1").arg(i), QStringLiteral("F%1").arg(i),
                               QStringLiteral("键%1").arg(i));
        });
    };
    {
        Loaded l(rows(101, "1") + rows(101, "3"));
        ASSERT_TRUE(l.ok);
        EXPECT_EQ(l.dict.textKeyMap(5).count(), 101);
        EXPECT_EQ(l.dict.xmlNameMap(5).count(), 101);
        EXPECT_EQ(l.dict.textKeyMap(5).Pairs[100].Value, QStringLiteral("键100"));
    }
    {
        // 101 rows with a 新立 key and 101 more with a 变更 key: two kinds, each at its limit.
        QString sql = rows(101, "2") + repeatRows(101, [](int i) {
            return trancodeRow("2", QStringLiteral("变%1").arg(i), QStringLiteral("B%1").arg(i), "", QStringLiteral("变键%1").arg(i));
        });
        Loaded l(sql);
        ASSERT_TRUE(l.ok);
        EXPECT_EQ(l.dict.textKeyMap(1).count(), 101);
        EXPECT_EQ(l.dict.textKeyMap(2).count(), 101);
    }
    const QString error = loadError(baseDictRows() + rows(102, "4"));
    EXPECT_TRUE(error.contains(QStringLiteral("TRANCODE"))) << error.toStdString();
}

// ---------------------------------------------------------------------------------------
// Row limits

TEST(DictionaryLimits, RowsBeyondTheLimitsAreNotLoaded) {
    // 综合词表: 500 rows after the base row, so the one with the highest (类别, 代码) is left out.
    Loaded l(repeatRows(500, [](int i) { return QStringLiteral("INSERT INTO 综合词表 VALUES (9,%1,'项%1');").arg(i + 1); }) +
             repeatRows(100, [](int i) { return QStringLiteral("INSERT INTO 矿类词表 VALUES (%1,'类%1');").arg(i + 2); }) +
             repeatRows(500, [](int i) {
                 return QStringLiteral("INSERT INTO 矿产代码词表 VALUES (2,%1,'矿%1','吨');").arg(20001 + i);
             }));
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.dict.codeList().size(), kMaxCodeRows);
    const QStringList items = l.dict.codeItems(9, true);
    EXPECT_EQ(items.size(), 499);
    EXPECT_EQ(items.last(), QStringLiteral("499. 项499"));
    EXPECT_EQ(l.dict.mineralClassList().size(), kMaxMineralClassRows);
    EXPECT_EQ(l.dict.mineralClassList().last().Code, 100);
    EXPECT_EQ(l.dict.mineralList().size(), kMaxMineralRows);
    EXPECT_EQ(l.dict.GetMineralName("20499"), QStringLiteral("矿20499"));
    EXPECT_EQ(l.dict.GetMineralName("20500"), QStringLiteral("未知"));
}

// ---------------------------------------------------------------------------------------
// Code-list items

TEST(DictionaryCodeItems, ItemsWithAndWithoutCode) {
    Loaded l(QStringLiteral(
        "INSERT INTO 综合词表 VALUES (20,7,'转让取得');"
        "INSERT INTO 综合词表 VALUES (20,12,'其他');"
        "INSERT INTO 综合词表 VALUES (20,0,'零');"
        "INSERT INTO 综合词表 VALUES (20,NULL,'空代码');"
        "INSERT INTO 综合词表 VALUES (21,1,'出售');"
        "INSERT INTO 综合词表 VALUES (NULL,5,'无类别');"));
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.dict.codeItems(20, true), (QStringList{"7. 转让取得", "12. 其他"}));
    EXPECT_EQ(l.dict.codeItems(20, false), (QStringList{"转让取得", "其他"}));
    EXPECT_EQ(l.dict.codeItems(20, true), l.dict.codeItems(20, true));
    EXPECT_EQ(l.dict.codeItems(21, true), QStringList{"1. 出售"});
    EXPECT_EQ(l.dict.codeItems(0, false), QStringList{"无类别"});
    EXPECT_TRUE(l.dict.codeItems(99, true).isEmpty());
    EXPECT_EQ(l.dict.codeItems(1, true), QStringList{"110. 国有企业"});
}

// ---------------------------------------------------------------------------------------
// Failures

TEST(DictionaryFailures, MissingUnreadableAndCorruptFilesFail) {
    Dictionary d;
    QString error;
    QTemporaryDir dir;
    EXPECT_FALSE(d.open(dir.path() + QStringLiteral("/none.db"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/none.db")));   // not created

    const QString text = dir.path() + QStringLiteral("/text.db");
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    error.clear();
    EXPECT_FALSE(d.open(text, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(d.isOpen());

    // A real database with its pages overwritten after the header.
    DictFixture good(baseDictRows());
    const QString corrupt = dir.path() + QStringLiteral("/corrupt.db");
    ASSERT_TRUE(QFile::copy(good.path(), corrupt));
    {
        QFile f(corrupt);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        const qint64 size = f.size();
        ASSERT_GT(size, 200);
        f.seek(100);
        f.write(QByteArray(int(size - 100), char(0xA5)));
    }
    error.clear();
    EXPECT_FALSE(d.open(corrupt, &error));
    EXPECT_FALSE(error.isEmpty());

    // A truncated database.
    const QString truncated = dir.path() + QStringLiteral("/truncated.db");
    ASSERT_TRUE(QFile::copy(good.path(), truncated));
    {
        QFile f(truncated);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.resize(1500));
    }
    EXPECT_FALSE(d.open(truncated, &error));
}

TEST(DictionaryFailures, MissingOrEmptyTablesFail) {
    for (const char* table : {"矿产代码词表", "矿类词表", "综合词表", "TRANCODE"}) {
        const QString error = loadError(baseDictRows() + QStringLiteral("DROP TABLE %1;").arg(QString::fromUtf8(table)));
        EXPECT_TRUE(error.contains(QString::fromUtf8(table))) << error.toStdString();
    }
    for (const char* table : {"矿产代码词表", "矿类词表", "综合词表"}) {
        const QString error = loadError(baseDictRows() + QStringLiteral("DELETE FROM %1;").arg(QString::fromUtf8(table)));
        EXPECT_TRUE(error.contains(QString::fromUtf8(table))) << error.toStdString();
    }
    // An empty TRANCODE loads with empty maps.
    Loaded l{QString()};
    EXPECT_TRUE(l.ok);
    EXPECT_EQ(l.dict.textKeyMap(1).count(), 0);
}

TEST(DictionaryFailures, ValuesThatAreNotNumbersFail) {
    const char* bad[] = {
        "INSERT INTO 矿产代码词表 VALUES ('甲',11002,'油页岩','');",
        "INSERT INTO 矿产代码词表 VALUES (NULL,11002,'油页岩','');",
        "INSERT INTO 矿产代码词表 VALUES (1,'11002x','油页岩','');",
        "INSERT INTO 矿产代码词表 VALUES (1,NULL,'油页岩','');",
        "INSERT INTO 矿产代码词表 VALUES (1,99999999999,'油页岩','');",
        "INSERT INTO 矿类词表 VALUES ('二','黑色金属矿产');",
        "INSERT INTO 矿类词表 VALUES (NULL,'黑色金属矿产');",
        "INSERT INTO 矿类词表 VALUES (2,NULL);",
        "INSERT INTO 矿类词表 VALUES (2,'');",
        "INSERT INTO 综合词表 VALUES ('四',1,'露天开采');",
        "INSERT INTO 综合词表 VALUES (4,'一','露天开采');",
        "INSERT INTO 综合词表 VALUES (40000,1,'露天开采');",
    };
    for (const char* row : bad) {
        const QString error = loadError(baseDictRows() + QString::fromUtf8(row));
        EXPECT_FALSE(error.isEmpty()) << row;
    }
    // Numbers stored as text or as whole reals are numbers.
    Loaded l(QStringLiteral("INSERT INTO 综合词表 VALUES (' 4 ',2.0,'地下开采');"));
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.dict.codeItems(4, true), QStringList{"2. 地下开采"});
}

TEST(DictionaryFailures, ClosedDictionaryAnswersEmpty) {
    Dictionary d;
    EXPECT_EQ(d.GetRegionFullName("110101"), QString());
    EXPECT_EQ(d.GetMineralName("11001"), QStringLiteral("未知"));
    EXPECT_EQ(d.GetMineralDesignScale("11001"), QString());
    EXPECT_EQ(d.GetReserveUnit("11001"), QString());
    EXPECT_TRUE(d.codeItems(1, true).isEmpty());
}
