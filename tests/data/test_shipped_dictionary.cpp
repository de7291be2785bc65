// Rules the program relies on in the dictionary database that the build generates from
// data/dict: code shapes, row limits, reachability of every region, unit and note texts
// that survive the "unit note" split, and a field-map pair for every field of every form.
#include "core/dict_trees.h"
#include "core/dictionary.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

#include <optional>
#include <vector>

namespace {

using Row = std::vector<std::optional<QString>>;   // nullopt: NULL

// The shipped database, opened read-only once for all tests.
class ShippedDb : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const QByteArray path = mf::test::shippedDictionary().toUtf8();
        ASSERT_EQ(sqlite3_open_v2(path.constData(), &db_, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK)
            << path.constData();
    }
    static void TearDownTestSuite() {
        sqlite3_close(db_);
        db_ = nullptr;
    }

    static std::vector<Row> rows(const char* sql) {
        std::vector<Row> out;
        sqlite3_stmt* st = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db_, sql, -1, &st, nullptr), SQLITE_OK) << sql;
        if (!st) return out;
        while (sqlite3_step(st) == SQLITE_ROW) {
            Row r;
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                if (sqlite3_column_type(st, c) == SQLITE_NULL)
                    r.emplace_back(std::nullopt);
                else
                    r.emplace_back(QString::fromUtf8(
                        reinterpret_cast<const char*>(sqlite3_column_text(st, c))));
            }
            out.push_back(std::move(r));
        }
        sqlite3_finalize(st);
        return out;
    }
    static qint64 count(const char* sql) {
        auto r = rows(sql);
        return r.empty() || !r[0][0] ? -1 : r[0][0]->toLongLong();
    }

    static sqlite3* db_;
};
sqlite3* ShippedDb::db_ = nullptr;

QString val(const Row& r, size_t i) { return r[i].value_or(QString()); }

bool trimmedNonEmpty(const QString& s) { return !s.isEmpty() && s == s.trimmed(); }

// ---------------------------------------------------------------- regions

TEST_F(ShippedDb, RegionCodesHaveSixDigitsAndNames) {
    EXPECT_GT(count("select count(*) from 行政区代码"), 3000);
    EXPECT_EQ(count("select count(*) from 行政区代码 where typeof(代码)<>'integer' "
                    "or 代码<100000 or 代码>999999"), 0);
    for (const Row& r : rows("select 代码,名称 from 行政区代码"))
        EXPECT_TRUE(trimmedNonEmpty(val(r, 1))) << val(r, 0).toStdString();
}

TEST_F(ShippedDb, RegionTreeHasItsRootAndNoSkippedRows) {
    // The tree root; without it no province or city would be shown.
    EXPECT_EQ(count("select count(*) from 行政区代码 where 代码=100000"), 1);
    // Rows the tree skips would be dead entries.
    EXPECT_EQ(count("select count(*) from 行政区代码 where substr(代码,-2)='00' "
                    "and substr(代码,1,2) in ('20','30')"), 0);
}

TEST_F(ShippedDb, EveryCountyIsReachableThroughItsCity) {
    QSet<QString> all;
    for (const Row& r : rows("select 代码 from 行政区代码")) all.insert(val(r, 0));

    // Cities and provinces as the tree query selects them; each city under its province.
    QStringList cities;
    for (const Row& r : rows("select 代码 from 行政区代码 where substr(代码,-2)='00' order by 代码")) {
        const QString code = val(r, 0);
        if (code.endsWith(QLatin1String("0000"))) continue;
        cities << code;
        EXPECT_TRUE(all.contains(code.left(2) + QLatin1String("0000"))) << code.toStdString();
    }
    // Counties as the picker loads them on expanding each city.
    QSet<QString> reached;
    for (const QString& city : cities) {
        const QByteArray sql = "select 代码 from 行政区代码 where substr(代码,-2)<>'00' and substr(代码,1,4)='"
                               + city.left(4).toUtf8() + "'";
        for (const Row& r : rows(sql.constData())) reached.insert(val(r, 0));
    }
    for (const QString& code : all) {
        if (code.endsWith(QLatin1String("00"))) continue;
        EXPECT_TRUE(reached.contains(code)) << "county " << code.toStdString() << " has no city row";
    }
}

TEST_F(ShippedDb, CountiesComeFromOneIndexedRangeQueryWithTheRowsOfTheCityPrefixQuery) {
    // The county query searches the code key; it scans no table.
    const QByteArray plan = QByteArray("explain query plan ") + mf::kCountyQuery;
    const std::vector<Row> steps = rows(plan.constData());
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_TRUE(val(steps[0], 3).startsWith(QLatin1String("SEARCH"))) << val(steps[0], 3).toStdString();

    mf::Dictionary dict;
    ASSERT_TRUE(dict.open(mf::test::shippedDictionary()));
    int cities = 0;
    for (const Row& c : rows("select 代码 from 行政区代码 where substr(代码,-2)='00' and substr(代码,-4)<>'0000'")) {
        const QString city = val(c, 0).left(4);
        const QByteArray sql = "select 代码,名称 from 行政区代码 where substr(代码,-2)<>'00' and substr(代码,1,4)='" +
                               city.toUtf8() + "' order by 代码";
        QList<mf::TreeNode> expected;
        for (const Row& r : rows(sql.constData()))
            expected.append(mf::TreeNode{"B" + city, "C" + val(r, 0), val(r, 1)});
        const int before = dict.queryCount();
        EXPECT_EQ(mf::RegionCounties("B" + city, dict), expected) << city.toStdString();
        EXPECT_EQ(dict.queryCount(), before + 1);
        ++cities;
    }
    EXPECT_GT(cities, 300);
}

// One county (or the province itself) of every province, with the full name the forms
// show; the list names the codes changed since 2021.
TEST_F(ShippedDb, KnownRegionsOfEveryProvince) {
    const std::vector<std::pair<const char*, const char*>> known = {
        {"110101", "北京市东城区"}, {"120101", "天津市和平区"}, {"130102", "河北省石家庄市长安区"},
        {"140105", "山西省太原市小店区"}, {"150102", "内蒙古自治区呼和浩特市新城区"},
        {"210102", "辽宁省沈阳市和平区"}, {"220102", "吉林省长春市南关区"}, {"230102", "黑龙江省哈尔滨市道里区"},
        {"310101", "上海市黄浦区"}, {"320102", "江苏省南京市玄武区"}, {"330113", "浙江省杭州市临平区"},
        {"340102", "安徽省合肥市瑶海区"}, {"350405", "福建省三明市沙县区"}, {"360102", "江西省南昌市东湖区"},
        {"370102", "山东省济南市历下区"}, {"410308", "河南省洛阳市孟津区"}, {"419001", "河南省济源市"},
        {"420102", "湖北省武汉市江岸区"}, {"430102", "湖南省长沙市芙蓉区"}, {"440103", "广东省广州市荔湾区"},
        {"450181", "广西壮族自治区南宁市横州市"}, {"460105", "海南省海口市秀英区"}, {"500229", "重庆市城口县"},
        {"513402", "四川省凉山彝族自治州会理市"}, {"520581", "贵州省毕节市黔西市"}, {"530102", "云南省昆明市五华区"},
        {"540481", "西藏自治区林芝市米林市"}, {"540581", "西藏自治区山南市错那市"},
        {"610102", "陕西省西安市新城区"}, {"620102", "甘肃省兰州市城关区"}, {"630102", "青海省西宁市城东区"},
        {"640104", "宁夏回族自治区银川市兴庆区"}, {"659012", "新疆维吾尔自治区白杨市"},
        {"653228", "新疆维吾尔自治区和田地区和安县"}, {"710000", "台湾省"}, {"810000", "香港特别行政区"},
        {"820000", "澳门特别行政区"}};
    mf::Dictionary dict;
    ASSERT_TRUE(dict.open(mf::test::shippedDictionary()));
    QSet<QString> provinces;
    for (const auto& [code, name] : known) {
        EXPECT_EQ(dict.GetRegionFullName(QString::fromLatin1(code)), QString::fromUtf8(name)) << code;
        provinces.insert(QString::fromLatin1(code).left(2));
    }
    for (const Row& r : rows("select 代码 from 行政区代码 where 代码 % 10000 = 0 and 代码 <> 100000"))
        EXPECT_TRUE(provinces.contains(val(r, 0).left(2))) << "no known region of " << val(r, 0).toStdString();
    EXPECT_EQ(provinces.size(), 34);
}

// Every line of the reviewed corrections is in the database: a set code with its name, a
// dropped code gone.
TEST_F(ShippedDb, RegionCorrectionsAreApplied) {
    QFile f(mf::test::sourceDir() + QStringLiteral("/data/dict/region_corrections.tsv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&f);
    int lines = 0;
    while (!in.atEnd()) {
        const QStringList cols = in.readLine().split(QLatin1Char('\t'));
        if (cols.size() < 6 || cols[0].startsWith(QLatin1Char('#')) || cols[0] == QLatin1String("action")) continue;
        ++lines;
        const auto found = rows(QByteArray("select 名称 from 行政区代码 where 代码=" + cols[1].toLatin1()).constData());
        if (cols[0] == QLatin1String("set")) {
            ASSERT_EQ(found.size(), 1u) << cols[1].toStdString();
            EXPECT_EQ(val(found[0], 0), cols[2]);
        } else {
            EXPECT_TRUE(found.empty()) << cols[1].toStdString();
        }
    }
    EXPECT_GT(lines, 0);
}

// ---------------------------------------------------------------- minerals

TEST_F(ShippedDb, MineralClassesStayWithinTheLimitAndAreNamed) {
    const auto classes = rows("select 代码,矿类名称 from 矿类词表");
    ASSERT_FALSE(classes.empty());
    // Fewer than 11 classes keep the mineral tree keys "B"+class+number unique.
    EXPECT_LE(classes.size(), 10u);
    EXPECT_LE(classes.size(), size_t(mf::kMaxMineralClassRows));
    for (const Row& r : classes) EXPECT_TRUE(trimmedNonEmpty(val(r, 1)));
    EXPECT_EQ(count("select count(*) from (select 代码 from 矿类词表 group by 代码 having count(*)>1)"), 0);
}

TEST_F(ShippedDb, MineralCodesHaveFiveDigitsAndAKnownClass) {
    const auto minerals = rows("select 矿类,矿产代码,矿产名称,设计规模 from 矿产代码词表");
    ASSERT_FALSE(minerals.empty());
    EXPECT_LE(minerals.size(), size_t(mf::kMaxMineralRows));
    QSet<QString> classes;
    for (const Row& r : rows("select 代码 from 矿类词表")) classes.insert(val(r, 0));
    QSet<QString> codes, names;
    for (const Row& r : minerals) {
        const QString code = val(r, 1), name = val(r, 2);
        SCOPED_TRACE(code.toStdString());
        // The forms take the first five characters of "code name" as the code.
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[1-9][0-9]{4}$")).match(code).hasMatch());
        EXPECT_TRUE(classes.contains(val(r, 0)));
        // The class is the code's first digit; boron keeps its source code under class 7.
        EXPECT_EQ(val(r, 0), code == QLatin1String("85670") ? QStringLiteral("7") : code.left(1));
        // The search runs on typed text without a leading number.
        EXPECT_TRUE(trimmedNonEmpty(name));
        EXPECT_FALSE(name.at(0).isDigit());
        EXPECT_TRUE(trimmedNonEmpty(val(r, 3))) << "设计规模";
        EXPECT_FALSE(codes.contains(code)) << "repeated code";
        EXPECT_FALSE(names.contains(name)) << "repeated name";
        codes.insert(code);
        names.insert(name);
    }
}

// ---------------------------------------------------------------- reserve scale

TEST_F(ShippedDb, ReserveRowsSplitBackIntoUnitAndNote) {
    const auto reserve = rows("select 矿产代码,储量单位,说明,SST,SSX from 储量规模词表");
    QSet<QString> minerals;
    for (const Row& r : rows("select 矿产代码 from 矿产代码词表")) minerals.insert(val(r, 0));
    QSet<QString> seen;
    for (const Row& r : reserve) {
        const QString code = val(r, 0), unit = val(r, 1), note = val(r, 2);
        SCOPED_TRACE((code + QLatin1Char(' ') + unit + QLatin1Char(' ') + note).toStdString());
        EXPECT_TRUE(minerals.contains(code));
        // "unit note" is split at its first blank.
        EXPECT_FALSE(unit.isEmpty());
        EXPECT_FALSE(unit.contains(QLatin1Char(' ')));
        // The note selects the row for the scale: present, unique per mineral, no quote.
        EXPECT_TRUE(trimmedNonEmpty(note));
        EXPECT_FALSE(note.contains(QLatin1Char('\'')));
        const QString key = code + QLatin1Char('|') + note.toLower();
        EXPECT_FALSE(seen.contains(key)) << "repeated note";
        seen.insert(key);
        if (r[3] && r[4]) EXPECT_GT(r[3]->toDouble(), r[4]->toDouble());
        if (r[3]) EXPECT_GT(r[3]->toDouble(), 0.0);
        if (!r[3]) EXPECT_FALSE(r[4].has_value()) << "SSX without SST is never used";
    }
    // Every mineral offers at least one unit.
    for (const QString& code : minerals) {
        bool found = false;
        for (const Row& r : reserve) found = found || val(r, 0) == code;
        EXPECT_TRUE(found) << code.toStdString();
    }
}

// The minerals applications name most often: code, name, unit of the design capacity and
// main reserve unit.
TEST_F(ShippedDb, CommonMineralsWithTheirCodesAndUnits) {
    struct Known {
        const char *code, *name, *capacity, *reserve;
    };
    const std::vector<Known> known = {
        {"11001", "煤", "万吨/年", "亿吨"}, {"11003", "石油", "万吨/年", "万吨"},
        {"11004", "天然气", "亿立方米/年", "亿立方米"}, {"11005", "煤层气", "亿立方米/年", "亿立方米"},
        {"17050", "地热", "万立方米/年", "兆瓦"}, {"22001", "铁矿", "万吨/年", "亿吨"},
        {"22002", "锰矿", "万吨/年", "万吨"}, {"32006", "铜矿", "万吨/年", "万吨"},
        {"32007", "铅矿", "万吨/年", "万吨"}, {"32008", "锌矿", "万吨/年", "万吨"},
        {"32009", "铝土矿", "万吨/年", "万吨"}, {"32012", "镍矿", "万吨/年", "万吨"},
        {"32014", "钨矿", "万吨/年", "万吨"}, {"32017", "钼矿", "万吨/年", "万吨"},
        {"42200", "砂金", "万立方米/年", "吨"}, {"42201", "金矿", "万吨/年", "吨"},
        {"42202", "银矿", "万吨/年", "吨"}, {"52402", "锂矿", "万吨/年", "万吨"},
        {"52600", "轻稀土矿", "万吨/年", "吨"}, {"63640", "菱镁矿", "万吨/年", "亿吨"},
        {"63701", "萤石(普通)", "万吨/年", "万吨"}, {"73070", "硫铁矿", "万吨/年", "万吨"},
        {"75550", "钾盐", "万吨/年", "万吨"}, {"85670", "硼矿", "万吨/年", "万吨"},
        {"75690", "磷矿", "万吨/年", "亿吨"}, {"83020", "石墨", "万吨/年", "万吨"},
        {"83906", "水泥用灰岩", "万吨/年", "亿吨"}, {"83907", "建筑石料用灰岩", "万立方米/年", "万吨"},
        {"84712", "饰面用花岗岩", "万立方米/年", "万立方米"}, {"97010", "矿泉水", "万吨/年", "立方米/日"}};
    mf::Dictionary dict;
    ASSERT_TRUE(dict.open(mf::test::shippedDictionary()));
    for (const Known& k : known) {
        SCOPED_TRACE(k.code);
        EXPECT_EQ(dict.GetMineralName(QString::fromLatin1(k.code)), QString::fromUtf8(k.name));
        EXPECT_EQ(dict.GetMineralDesignScale(QString::fromLatin1(k.code)), QString::fromUtf8(k.capacity));
        EXPECT_EQ(dict.GetReserveUnit(QString::fromLatin1(k.code)), QString::fromUtf8(k.reserve));
    }
    // Boron is a chemical raw material.
    EXPECT_EQ(count("select 矿类 from 矿产代码词表 where 矿产名称='硼矿'"), 7);
}

// Scale thresholds (lower bounds of a large and a medium deposit) corrected after the 2000
// scale standard.
TEST_F(ShippedDb, CorrectedScaleThresholds) {
    struct Known {
        const char *code, *unit, *note;
        double sst, ssx;
    };
    for (const Known& k : std::vector<Known>{{"63640", "亿吨", "矿石", 0.5, 0.1},
                                             {"75690", "亿吨", "矿石", 5, 0.5},
                                             {"73510", "万吨", "Na2SO4(芒硝)", 1000, 100},
                                             {"73510", "亿吨", "Na2SO4(钙芒硝)", 10, 1},
                                             {"84712", "万立方米", "矿石", 1000, 200},
                                             {"84414", "万吨", "矿石", 2000, 500},
                                             {"73901", "亿吨", "矿石", 0.5, 0.1}}) {
        const QByteArray sql = QByteArray("select 储量单位,SST,SSX from 储量规模词表 where 矿产代码=") + k.code
                               + " and 说明='" + k.note + "'";
        const auto found = rows(sql.constData());
        ASSERT_EQ(found.size(), 1u) << k.code << " " << k.note;
        EXPECT_EQ(val(found[0], 0), QString::fromUtf8(k.unit)) << k.code;
        EXPECT_DOUBLE_EQ(val(found[0], 1).toDouble(), k.sst) << k.code;
        EXPECT_DOUBLE_EQ(val(found[0], 2).toDouble(), k.ssx) << k.code;
    }
}

// ---------------------------------------------------------------- code lists

const QList<int> kWithCode = {1, 20, 21, 22, 53};
const QList<int> kNamesOnly = {4, 5, 6, 7, 20, 22, 50};

TEST_F(ShippedDb, CodeListsCoverEveryCategoryOfTheForms) {
    EXPECT_LE(count("select count(*) from 综合词表"), mf::kMaxCodeRows);
    EXPECT_EQ(count("select count(*) from 综合词表 where 类别 is null or 代码 is null or 代码=0 "
                    "or typeof(类别)<>'integer' or typeof(代码)<>'integer'"), 0);
    EXPECT_EQ(count("select count(*) from (select 1 from 综合词表 group by 类别,代码 having count(*)>1)"), 0);
    for (int cat : {1, 4, 5, 6, 7, 20, 21, 22, 50, 53})
        EXPECT_GT(count(QByteArray("select count(*) from 综合词表 where 类别=" + QByteArray::number(cat)).constData()), 0)
            << "类别 " << cat;
    for (const Row& r : rows("select 名称 from 综合词表")) EXPECT_TRUE(trimmedNonEmpty(val(r, 0)));
}

TEST_F(ShippedDb, CodedItemsCannotBeMistakenForOneAnother) {
    // A stored code is matched back by the start of an item, so 11 must not meet "111. ...".
    for (int cat : kWithCode) {
        QSet<int> widths;
        for (const Row& r : rows(QByteArray("select 代码 from 综合词表 where 类别=" + QByteArray::number(cat)).constData()))
            widths.insert(int(val(r, 0).size()));
        EXPECT_EQ(widths.size(), 1) << "类别 " << cat;
    }
    // A stored name is matched back by containment: no digits or blanks, and a name that is
    // part of another name comes first.
    for (int cat : kNamesOnly) {
        const auto items = rows(QByteArray("select 代码,名称 from 综合词表 where 类别=" + QByteArray::number(cat)
                                           + " order by 代码").constData());
        for (size_t i = 0; i < items.size(); ++i) {
            const QString name = val(items[i], 1);
            EXPECT_FALSE(name.contains(QRegularExpression(QStringLiteral("[\\s0-9]")))) << name.toStdString();
            for (size_t j = 0; j < i; ++j)
                EXPECT_FALSE(name != val(items[j], 1) && val(items[j], 1).contains(name))
                    << name.toStdString() << " is part of an earlier item";
        }
    }
}

// ---------------------------------------------------------------- field maps

struct FormField {
    int kind;
    QString array;
    QString field;
};

std::vector<FormField> formFields() {
    std::vector<FormField> out;
    QFile f(mf::test::sourceDir() + QStringLiteral("/data/dict/form_fields.tsv"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&f);
    in.readLine();   // header
    while (!in.atEnd()) {
        const QStringList cols = in.readLine().split(QLatin1Char('\t'));
        if (cols.size() < 4) continue;
        out.push_back({cols[0].toInt(), cols[1], cols[3]});
    }
    return out;
}

// The pairs of one kind as the program loads them: 类别 "1" kind 5, "2" kinds 1-4 (one key
// column each), "3" kind 6, "4" kind 7; a row enters when its key column is not empty.
struct Pair {
    QString field, key, element;
};
QMap<int, QList<Pair>> loadMaps(const std::vector<Row>& trancode) {
    QMap<int, QList<Pair>> maps;
    for (const Row& r : trancode) {
        const QString cat = val(r, 0);
        auto add = [&](int kind, size_t col) {
            if (!val(r, col).isEmpty()) maps[kind].append({val(r, 1), val(r, col), val(r, 2)});
        };
        if (cat == QLatin1String("1")) add(5, 3);
        if (cat == QLatin1String("2")) { add(1, 3); add(2, 4); add(3, 5); add(4, 6); }
        if (cat == QLatin1String("3")) add(6, 3);
        if (cat == QLatin1String("4")) add(7, 3);
    }
    return maps;
}

class ShippedFieldMaps : public ShippedDb {
protected:
    void SetUp() override {
        trancode = rows("select 类别,字段名,英文名,新立,变更,延续,注销 from TRANCODE order by 类别, rowid");
        maps = loadMaps(trancode);
        fields = formFields();
    }
    std::vector<Row> trancode;
    QMap<int, QList<Pair>> maps;
    std::vector<FormField> fields;
};

TEST_F(ShippedFieldMaps, CategoriesAreTextAndEveryKindHasItsMap) {
    EXPECT_EQ(count("select count(*) from TRANCODE where typeof(类别)<>'text' or 类别 not in ('1','2','3','4')"), 0);
    for (int kind = 1; kind <= 7; ++kind) {
        EXPECT_GT(maps[kind].size(), 0) << kind;
        EXPECT_LE(maps[kind].size(), mf::kMaxFieldPairs) << kind;
    }
}

TEST_F(ShippedFieldMaps, KeysAndElementsAreUniqueAndWellFormed) {
    const QRegularExpression xmlName(QStringLiteral("^[A-Z][A-Z0-9]*$"));
    const QSet<QString> header = {QStringLiteral("APP"), QStringLiteral("HEADER"), QStringLiteral("DATA"),
                                  QStringLiteral("CLIENT")};
    for (int kind = 1; kind <= 7; ++kind) {
        QSet<QString> names, keys, elements;
        for (const Pair& p : maps[kind]) {
            SCOPED_TRACE(QStringLiteral("kind %1 %2").arg(kind).arg(p.field).toStdString());
            EXPECT_FALSE(names.contains(p.field));
            EXPECT_FALSE(keys.contains(p.key));
            EXPECT_FALSE(elements.contains(p.element));
            names.insert(p.field);
            keys.insert(p.key);
            elements.insert(p.element);
            // A text-file line is split at its first "=" and the key trimmed.
            EXPECT_FALSE(p.key.contains(QLatin1Char('=')));
            EXPECT_TRUE(trimmedNonEmpty(p.key));
            EXPECT_TRUE(xmlName.match(p.element).hasMatch());
            EXPECT_FALSE(p.element.startsWith(QLatin1String("XML")));
            EXPECT_FALSE(header.contains(p.element));
        }
    }
}

TEST_F(ShippedFieldMaps, EveryWrittenFieldOfEveryFormHasItsPair) {
    ASSERT_FALSE(fields.empty());
    QMap<int, QSet<QString>> expected;
    for (const FormField& f : fields) {
        if (f.array == QLatin1String("ChTXT") || f.array == QLatin1String("ChMEMO")
            || f.array == QLatin1String("ChCBO")) {
            expected[f.kind].insert(f.field);
            bool found = false;
            for (const Pair& p : maps[f.kind])
                found = found || (p.field == f.field && p.key == f.field);
            EXPECT_TRUE(found) << "kind " << f.kind << " " << f.field.toStdString();
        }
        if (f.array == QLatin1String("CheckTogether")) expected[f.kind].insert(QStringLiteral("共伴生类型"));
        if (f.array == QLatin1String("CbCHK")) expected[f.kind].insert(QStringLiteral("变更类型"));
    }
    // Field names the file code recognises literally.
    auto keyOf = [&](int kind, const QString& field) {
        for (const Pair& p : maps[kind])
            if (p.field == field) return p.key;
        return QString();
    };
    for (int kind : {1, 2, 5}) {
        EXPECT_EQ(keyOf(kind, QStringLiteral("共伴生类型")), QStringLiteral("共伴生类型")) << kind;
        EXPECT_EQ(keyOf(kind, QStringLiteral("区域坐标")), QStringLiteral("矿区范围拐点坐标与标高的总行数")) << kind;
        expected[kind].insert(QStringLiteral("区域坐标"));
    }
    EXPECT_EQ(keyOf(2, QStringLiteral("变更类型")), QStringLiteral("变更类型"));
    // Nothing beyond the fields of the form.
    for (int kind = 1; kind <= 7; ++kind)
        for (const Pair& p : maps[kind])
            EXPECT_TRUE(expected[kind].contains(p.field)) << "kind " << kind << " stray " << p.field.toStdString();
}

// ---------------------------------------------------------------- loaded by the program

TEST(ShippedDictionaryLoad, LoadsWholeAndAnswersLookUps) {
    mf::Dictionary dict;
    QString error;
    ASSERT_TRUE(dict.open(mf::test::shippedDictionary(), &error)) << error.toStdString();

    // No row is cut off by the load limits.
    sqlite3* db = dict.handle();
    auto tableCount = [db](const char* sql) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
        int n = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int(st, 0) : -1;
        sqlite3_finalize(st);
        return n;
    };
    EXPECT_EQ(dict.mineralList().size(), tableCount("select count(*) from 矿产代码词表"));
    EXPECT_EQ(dict.mineralClassList().size(), tableCount("select count(*) from 矿类词表"));
    EXPECT_EQ(dict.codeList().size(), tableCount("select count(*) from 综合词表"));
    for (int kind = 1; kind <= 7; ++kind) {
        EXPECT_GT(dict.textKeyMap(kind).count(), 0);
        EXPECT_EQ(dict.textKeyMap(kind).count(), dict.xmlNameMap(kind).count());
    }

    ASSERT_FALSE(dict.codeItems(1, true).isEmpty());
    EXPECT_EQ(dict.codeItems(1, true).first(), QStringLiteral("110. 国有企业"));
    EXPECT_EQ(dict.codeItems(4, false).first(), QStringLiteral("露天开采"));

    // Full names join province, city and county, without the placeholder city levels.
    for (const auto& [code, name] : std::vector<std::pair<const char*, const char*>>{
             {"110101", "北京市东城区"}, {"120101", "天津市和平区"}, {"310101", "上海市黄浦区"},
             {"500101", "重庆市万州区"}, {"500229", "重庆市城口县"}, {"419001", "河南省济源市"},
             {"429004", "湖北省仙桃市"}, {"469001", "海南省五指山市"}, {"659001", "新疆维吾尔自治区石河子市"},
             {"450181", "广西壮族自治区南宁市横州市"}, {"130102", "河北省石家庄市长安区"}})
        EXPECT_EQ(dict.GetRegionFullName(QString::fromUtf8(code)), QString::fromUtf8(name)) << code;
    EXPECT_EQ(dict.GetRegionName(QStringLiteral("100000")), QStringLiteral("澄岭署"));

    EXPECT_EQ(dict.GetMineralName(QStringLiteral("11001")), QStringLiteral("煤"));
    EXPECT_EQ(dict.GetMineralDesignScale(QStringLiteral("11004")), QStringLiteral("亿立方米/年"));
    // The main unit is the first row of the mineral, whatever the order of its notes.
    EXPECT_EQ(dict.GetReserveUnit(QStringLiteral("52600")), QStringLiteral("吨"));
    EXPECT_EQ(dict.GetReserveUnit(QStringLiteral("11001")), QStringLiteral("亿吨"));
}

} // namespace
