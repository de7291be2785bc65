// The authority's Access dictionary: found before the shipped one, loaded as the shipped
// data loads, its field keys in the saved files, and every way it can be unusable named.
// The .mdb files are made by tests/fixtures/dict/make.sh (see the README there).
#include "core/dictionary.h"
#include "core/dictionary_mdb.h"
#include "core/exchange_xml.h"
#include "core/mdb_library.h"
#include "core/reserve_scale.h"
#include "core/text_submission.h"
#include "fake_form.h"
#include "platform/scripted_dialogs.h"
#include "platform/text_file.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>
#include <memory>

using namespace mf;

namespace {

QString fixture(const QString& name) { return test::sourceDir() + QStringLiteral("/tests/fixtures/dict/") + name; }

QByteArray fixtureBytes(const QString& name) {
    QFile f(fixture(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
    return f.readAll();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Every row of a table as text with its SQLite type, in stored order.
QStringList tableRows(const Dictionary& dict, const char* table) {
    QStringList out;
    sqlite3_stmt* st = nullptr;
    const QByteArray sql = QByteArray("select * from ") + table + " order by rowid";
    EXPECT_EQ(sqlite3_prepare_v2(dict.handle(), sql.constData(), -1, &st, nullptr), SQLITE_OK) << table;
    while (st && sqlite3_step(st) == SQLITE_ROW) {
        QString row;
        for (int c = 0; c < sqlite3_column_count(st); ++c)
            row += QStringLiteral("%1:%2|").arg(sqlite3_column_type(st, c))
                       .arg(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c))));
        out << row;
    }
    sqlite3_finalize(st);
    return out;
}

QStringList pairs(const KindFieldMap& map) {
    QStringList out;
    for (const FieldPair& p : map.Pairs) out << p.FieldName + QLatin1Char('=') + p.Value;
    return out;
}

// Points $XDG_DATA_HOME at a folder of the test while it lives.
class UserDataHome {
public:
    UserDataHome() : old_(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", dir_.path().toUtf8()); }
    ~UserDataHome() { qputenv("XDG_DATA_HOME", old_); }
    QString mdb() const { return dir_.path() + QStringLiteral("/mining-filer/DICT/系统词典.mdb"); }

private:
    QTemporaryDir dir_;
    QByteArray old_;
};

// A form with every field of a map once: text boxes, the mineral combo, check boxes, the grid.
std::unique_ptr<test::FakeForm> formOfMap(const KindFieldMap& map) {
    auto f = std::make_unique<test::FakeForm>();
    f->kindValue = map.Kind;
    for (const FieldPair& p : map.Pairs)
        if (p.FieldName == kTogetherField) f->hasTogether = true;
        else if (p.FieldName == kChangeTypeField) f->changeTypes = QList<bool>(5, false);
        else if (p.FieldName == kBoundaryField) f->grid = std::make_unique<test::FakeGrid>();
        else if (!FindControlByFieldName(*f, p.FieldName))
            f->arrays[p.FieldName == kMainMineralField ? ControlArray::ChCBO : ControlArray::ChTXT].append({p.FieldName});
    return f;
}

} // namespace

// Every field of every kind goes out under other keys and names and comes back whole; read
// with the shipped dictionary, every key it does not know is named.
TEST(DictionaryMdb, EveryKindRoundTripsUnderOtherKeysAndUnknownKeysAreNamed) {
    ScriptedDialogs dialogs;
    dialogs.install();
    Dictionary other, shipped;
    ASSERT_TRUE(other.open(fixture(QStringLiteral("other-keys-v2003.mdb"))) && shipped.open(test::shippedDictionary()));
    EXPECT_EQ(other.textKeyMap(2).byValue(QStringLiteral("BG_矿山𠀀名称"))->FieldName, other.xmlNameMap(2).byValue("EL_KSMC𠀀")->FieldName);
    EXPECT_EQ(other.GetRegionFullName(QStringLiteral("130102")), QStringLiteral("河北省石家庄市长安𠀀区"));
    EXPECT_EQ(other.GetMineralName(QStringLiteral("11001")), QStringLiteral("煤𠀀"));
    QTemporaryDir dir;
    for (int kind = 1; kind <= 7; ++kind)
        for (bool xml : {false, true}) {
            SCOPED_TRACE(QStringLiteral("kind %1 %2").arg(kind).arg(xml ? "xml" : "txt").toStdString());
            const KindFieldMap& map = xml ? other.xmlNameMap(kind) : other.textKeyMap(kind);
            auto source = formOfMap(map);
            for (int i : source->indexes(ControlArray::ChTXT)) source->setText(ControlArray::ChTXT, i, QStringLiteral("值%1 a=b").arg(i));
            for (int i : source->indexes(ControlArray::ChCBO)) source->setComboItems(i, {QStringLiteral("11001 煤𠀀")}), source->setComboCurrentIndex(i, 0);
            source->together = source->hasTogether;
            for (int i = 0; i < source->changeTypes.size(); ++i) source->changeTypes[i] = i != 1;
            if (source->grid) source->grid->shown = test::sampleBoundary();
            const QString path = dir.filePath(QStringLiteral("k%1.%2").arg(kind).arg(xml ? "xml" : "txt"));
            ASSERT_TRUE(xml ? WriteExchangeXml(path, collectFormValues(*source), map) : WriteTextSubmission(path, collectFormValues(*source), map));
            auto mineral = [&other](const QString& code) { return other.GetMineralName(code); };
            auto back = formOfMap(map), cleared = formOfMap(shipped.textKeyMap(kind));
            EXPECT_EQ(ReadSubmissionFile(path, *back, other.textKeyMap(kind), other.xmlNameMap(kind), mineral), -1);
            EXPECT_EQ(test::fieldTexts(*back), test::fieldTexts(*source));
            EXPECT_EQ(std::tuple(back->together, back->changeTypes, back->grid ? back->grid->ZB_String() : QString()),
                      std::tuple(source->together, source->changeTypes, source->grid ? test::sampleBoundary() : QString()));
            EXPECT_TRUE(dialogs.messages().isEmpty());
            QStringList written, unknown;   // every key written but the literal count line
            for (const FieldPair& p : map.Pairs) if (xml || p.FieldName != kBoundaryField) written << p.Value;
            EXPECT_EQ(ReadSubmissionFile(path, *cleared, shipped.textKeyMap(kind), shipped.xmlNameMap(kind), mineral, nullptr, &unknown), -1);
            EXPECT_EQ(dialogs.lastMessage().text, QStringLiteral("文件中以下字段不在当前数据词典中，未读入：%1\n该文件可能是用另一数据词典保存的；当前使用的数据词典：%2")
                                                      .arg(unknown.join(u'、'), dictionary().path()));
            EXPECT_EQ(QSet(unknown.begin(), unknown.end()), QSet(written.begin(), written.end()));
            dialogs.clear();
        }
}

TEST(DictionaryMdb, TheShippedDataAsAnAccessFileLoadsRowForRow) {
    Dictionary db;
    ASSERT_TRUE(db.open(test::shippedDictionary()));
    // V2000 with numbers as numbers; V2003 with codes, 类别 and SSX as text, TRANCODE.类别
    // as a number and region names as long text.
    for (const char* name : {"shipped-v2000.mdb", "shipped-v2003.mdb"}) {
        SCOPED_TRACE(name);
        Dictionary mdb;
        QString error;
        ASSERT_TRUE(mdb.open(fixture(QString::fromLatin1(name)), &error))
            << error.toStdString() << " (after a change of data/dict run tests/fixtures/dict/make.sh)";
        for (const char* table : {"行政区代码", "矿产代码词表", "矿类词表", "综合词表", "TRANCODE", "储量规模词表"})
            EXPECT_EQ(tableRows(mdb, table), tableRows(db, table)) << table;
        ASSERT_EQ(mdb.codeList().size(), db.codeList().size());
        for (int i = 0; i < db.codeList().size(); ++i) {
            EXPECT_EQ(mdb.codeList()[i].Category, db.codeList()[i].Category);
            EXPECT_EQ(mdb.codeList()[i].Code, db.codeList()[i].Code);
            EXPECT_EQ(mdb.codeList()[i].Name, db.codeList()[i].Name);
        }
        ASSERT_EQ(mdb.mineralList().size(), db.mineralList().size());
        for (int i = 0; i < db.mineralList().size(); ++i) {
            EXPECT_EQ(mdb.mineralList()[i].ClassCode, db.mineralList()[i].ClassCode);
            EXPECT_EQ(mdb.mineralList()[i].Code, db.mineralList()[i].Code);
            EXPECT_EQ(mdb.mineralList()[i].Name, db.mineralList()[i].Name);
        }
        ASSERT_EQ(mdb.mineralClassList().size(), db.mineralClassList().size());
        for (int i = 0; i < db.mineralClassList().size(); ++i)
            EXPECT_EQ(mdb.mineralClassList()[i].Name, db.mineralClassList()[i].Name);
        for (int kind = 1; kind <= 7; ++kind) {
            EXPECT_EQ(pairs(mdb.textKeyMap(kind)), pairs(db.textKeyMap(kind))) << kind;
            EXPECT_EQ(pairs(mdb.xmlNameMap(kind)), pairs(db.xmlNameMap(kind))) << kind;
        }
        EXPECT_EQ(mdb.GetRegionFullName(QStringLiteral("130102")), QStringLiteral("河北省石家庄市长安区"));
        EXPECT_EQ(mdb.GetReserveUnit(QStringLiteral("85670")), QStringLiteral("万吨"));
        EXPECT_EQ(ClassifyReserveScale(QStringLiteral("11001"), QStringLiteral("60"), QStringLiteral("原煤(井田)"), mdb),
                  ClassifyReserveScale(QStringLiteral("11001"), QStringLiteral("60"), QStringLiteral("原煤(井田)"), db));
        // The in-memory copy is as read-only as the file.
        EXPECT_NE(sqlite3_exec(mdb.handle(), "DELETE FROM 综合词表", nullptr, nullptr, nullptr), SQLITE_OK);
    }
}

TEST(DictionaryMdb, TheAuthoritysKeysGoIntoTheSavedFilesAndReadBack) {
    ScriptedDialogs dialogs;
    dialogs.install();
    for (const char* name : {"small-base.mdb", "small-base.accdb"}) {
        SCOPED_TRACE(name);
        Dictionary dict;
        QString error;
        ASSERT_TRUE(dict.open(fixture(QString::fromLatin1(name)), &error)) << error.toStdString();
        FormValues values;
        values.kind = 4;
        values.fields = {{QStringLiteral("申请人"), QStringLiteral("张三"), ControlArray::ChTXT, 0},
                         {QStringLiteral("矿山名称"), QStringLiteral("东山铁矿"), ControlArray::ChTXT, 1}};
        QTemporaryDir dir;
        const QString txt = dir.filePath(QStringLiteral("a.txt")), xml = dir.filePath(QStringLiteral("a.xml"));
        ASSERT_TRUE(WriteTextSubmission(txt, values, dict.textKeyMap(4), &error)) << error.toStdString();
        ASSERT_TRUE(WriteExchangeXml(xml, values, dict.xmlNameMap(4), &error)) << error.toStdString();
        QFile t(txt), x(xml);
        ASSERT_TRUE(t.open(QIODevice::ReadOnly) && x.open(QIODevice::ReadOnly));
        const QString text = decodeGb18030(t.readAll());
        const QByteArray doc = x.readAll();
        EXPECT_TRUE(text.contains(QStringLiteral("ZX_SQR=张三\r\nZX_KSMC=东山铁矿\r\n"))) << text.toStdString();
        EXPECT_TRUE(doc.contains("<APPLICANT>") && doc.contains("<MINE_NAME>")) << doc.constData();
        for (bool fromXml : {false, true}) {
            FormValues back;
            ASSERT_TRUE(fromXml ? ReadExchangeXml(xml, dict.xmlNameMap(4), &back) : ReadTextSubmission(txt, dict.textKeyMap(4), &back));
            ASSERT_EQ(back.fields.size(), 2) << fromXml;
            EXPECT_EQ(back.fields[0].fieldName + back.fields[0].value, QStringLiteral("申请人张三"));
            EXPECT_EQ(back.fields[1].fieldName + back.fields[1].value, QStringLiteral("矿山名称东山铁矿"));
        }
        // Boron under class 7 with its source code; thresholds stored in single precision.
        EXPECT_EQ(dict.GetMineralName(QStringLiteral("85670")), QStringLiteral("硼矿"));
        EXPECT_EQ(dict.mineralList().last().ClassCode, 7);
        EXPECT_EQ(ClassifyReserveScale(QStringLiteral("11001"), QStringLiteral("100"), QStringLiteral("原煤"), dict), QStringLiteral("大型"));
        EXPECT_EQ(ClassifyReserveScale(QStringLiteral("11001"), QStringLiteral("9.5"), QStringLiteral("原煤"), dict), QStringLiteral("小型"));
    }
}

TEST(DictionaryMdb, TheUsersThenTheProgramsAccessFileComesBeforeTheShippedOne) {
    UserDataHome home;
    QTemporaryDir data;
    const QString programMdb = data.path() + QStringLiteral("/DICT/系统词典.mdb");
    const QString shipped = data.path() + QStringLiteral("/DICT/系统词典.db");
    ASSERT_TRUE(QDir().mkpath(data.path() + QStringLiteral("/DICT")));
    ASSERT_TRUE(QFile::copy(test::shippedDictionary(), shipped));
    EXPECT_EQ(dictionaryFile(data.path()), shipped);
    ASSERT_TRUE(writeFile(programMdb, fixtureBytes(QStringLiteral("small-base.mdb"))));
    EXPECT_EQ(dictionaryFile(data.path()), programMdb);
    ASSERT_TRUE(writeFile(home.mdb(), fixtureBytes(QStringLiteral("small-base.mdb"))));
    EXPECT_EQ(dictionaryFile(data.path()), home.mdb());
    QString error, file;
    EXPECT_TRUE(OpenDictionary(data.path(), &error, &file)) << error.toStdString();
    EXPECT_EQ(file, home.mdb());
    EXPECT_EQ(dictionary().textKeyMap(4).Pairs.first().Value, QStringLiteral("ZX_SQR"));
    dictionary().close();
}

// A present but unusable Access dictionary fails the start, naming the file and the reason,
// even with the shipped dictionary beside it.
TEST(DictionaryMdb, AnUnusableAccessFileFailsWithItsReasonAndNothingReplacesIt) {
    const QByteArray base = fixtureBytes(QStringLiteral("small-base.mdb"));
    ASSERT_GT(base.size(), 40960);
    // The data page that holds the region names, overwritten.
    QByteArray overwritten = base;
    const QString name = QStringLiteral("石家庄市");
    const QByteArray utf16(reinterpret_cast<const char*>(name.utf16()), name.size() * 2);
    const qsizetype at = base.indexOf(utf16);
    ASSERT_GT(at, 0);
    overwritten.replace(at / 4096 * 4096, 4096, QByteArray(4096, '\xA5'));
    QByteArray lonePair = fixtureBytes(QStringLiteral("other-keys-v2003.mdb"));   // 𠀀 loses its second half
    const qsizetype pair = lonePair.indexOf(QByteArray("\x40\xD8\x00\xDC", 4));
    ASSERT_GT(pair, 0);
    lonePair.replace(pair + 2, 2, QByteArray("A\0", 2));
    QByteArray compound(4096 * 4, '\0');
    compound.replace(0, 8, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"not an Access file", QByteArray("Standard Jet DB? no, a text file\n"), "不是 Access 数据库"},
        {"truncated inside a page", base.left(base.size() - 1000), "文件不完整"},
        {"truncated after a page", base.left(12 * 4096), "文件已损坏"},
        {"encrypted", compound, "已加密"},
        {"a data page overwritten", overwritten, "表 行政区代码 读出"},
        // A table whose page map libmdb cannot find: it would walk a null map.
        {"a page map lost", fixtureBytes(QStringLiteral("fuzz-lost-page-map.mdb")), "无法读取表 综合词表 的定义，文件已损坏"},
        {"a table missing", fixtureBytes(QStringLiteral("small-no-table.mdb")), "缺少表 储量规模词表"},
        {"a column missing", fixtureBytes(QStringLiteral("small-no-column.mdb")), "表 行政区代码 缺少列 名称"},
        {"a column of no text or number", fixtureBytes(QStringLiteral("small-bad-type.mdb")), "列 名称 的类型（是/否）"},
        {"an empty TRANCODE", fixtureBytes(QStringLiteral("small-empty-trancode.mdb")), "表 TRANCODE 没有数据"},
        {"a text that is no Unicode", lonePair, "的文字无法解码（不是有效的 Unicode 文字）"},
        {"a mineral code that is no number", fixtureBytes(QStringLiteral("small-bad-number.mdb")),
         "矿产代码词表.矿产代码 第 2 行不是有效的数值"},
    };
    UserDataHome home;
    QTemporaryDir data;
    ASSERT_TRUE(QDir().mkpath(data.path() + QStringLiteral("/DICT")));
    ASSERT_TRUE(QFile::copy(test::shippedDictionary(), data.path() + QStringLiteral("/DICT/系统词典.db")));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(writeFile(home.mdb(), c.bytes));
        QString error, file;
        EXPECT_FALSE(OpenDictionary(data.path(), &error, &file));
        EXPECT_FALSE(dictionary().isOpen());
        EXPECT_EQ(file, home.mdb());
        EXPECT_TRUE(error.startsWith(QStringLiteral("数据词典 ") + home.mdb())) << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.reason))) << error.toStdString();
    }
}

// libmdb is loaded at the first import; a system without it (or with another library under
// its name) names what is missing as the reason the dictionary is unusable.
TEST(DictionaryMdb, AMissingAccessLibraryIsNamed) {
    struct Case {
        const char* soname;
        const char* says;
    };
    const Case cases[] = {
        {"libmdb-not-installed.so.3", "无法加载 Access 数据库库 libmdb-not-installed.so.3："},
        {"libc.so.6", "Access 数据库库缺少函数 mdb_open_buffer"},
    };
    for (const Case& c : cases) {
        MdbLibrary lib{};
        QString error;
        EXPECT_FALSE(loadMdbLibrary(c.soname, &lib, &error)) << c.soname;
        EXPECT_TRUE(error.startsWith(QString::fromUtf8(c.says))) << error.toStdString();
    }
}

// The shipped dictionary: a damaged page fails the start instead of reading as a missing
// row; a database kept in WAL mode opens read-only.
TEST(DictionaryDatabase, ADamagedFileFailsAndAnyJournalModeOpens) {
    QTemporaryDir dir;
    // What is damaged: tables the start-up does not read, or an index of one.
    const std::map<QByteArray, QByteArray> damage = {
        {"damaged", "'行政区代码','储量规模词表'"}, {"damaged index", "'储量规模词表_矿产代码_说明'"}, {"wal", "''"}};
    for (const auto& [what, names] : damage) {
        SCOPED_TRACE(what.constData());
        const QString path = dir.filePath(QString::fromLatin1(what) + QStringLiteral(".db"));
        ASSERT_TRUE(QFile::copy(test::shippedDictionary(), path));
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        sqlite3* h = nullptr;
        ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &h), SQLITE_OK);
        int pageSize = 0;
        std::vector<int> roots;
        sqlite3_stmt* st = nullptr;
        const QByteArray rootsSql = "select rootpage from sqlite_master where name in (" + names + ")";
        sqlite3_prepare_v2(h, rootsSql.constData(), -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) roots.push_back(sqlite3_column_int(st, 0));
        sqlite3_finalize(st);
        sqlite3_prepare_v2(h, "pragma page_size", -1, &st, nullptr);
        if (sqlite3_step(st) == SQLITE_ROW) pageSize = sqlite3_column_int(st, 0);
        sqlite3_finalize(st);
        if (what == "wal") EXPECT_EQ(sqlite3_exec(h, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(h);
        ASSERT_EQ(roots.empty(), what == "wal");
        if (!roots.empty()) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            for (int root : roots) {
                f.seek(qint64(root - 1) * pageSize);
                f.write(QByteArray(pageSize, '\x5A'));
            }
        }
        Dictionary dict;
        QString error;
        const bool ok = dict.open(path, &error);
        EXPECT_EQ(ok, what == "wal") << error.toStdString();
        if (ok) {
            EXPECT_EQ(dict.GetRegionFullName(QStringLiteral("130102")), QStringLiteral("河北省石家庄市长安区"));
        } else {
            EXPECT_TRUE(error.startsWith(QStringLiteral("数据库已损坏"))) << error.toStdString();
        }
    }
}

// Text of an Access 97 file is in the system's code page (936); later files hold Unicode.
// The fixture tool writes no Access 97 file, so the decoding libmdb is given is tried on
// stored bytes directly.
TEST(DictionaryMdb, TextIsDecodedByTheFilesVersion) {
    struct Case {
        guint32 version;
        QByteArray stored;
    };
    const QString name = QStringLiteral("硼矿 B2O3"), outside = QStringLiteral("硼𠀀矿");   // UTF-16: 𠀀 as its pair
    const QByteArray ucs2(reinterpret_cast<const char*>(outside.utf16()), outside.size() * 2);
    for (const Case& c : {Case{MDB_VER_JET3, QByteArray("\xC5\xF0\xBF\xF3 B2O3")}, Case{MDB_VER_JET4, ucs2}}) {
        SCOPED_TRACE(c.version);
        MdbFile file{};
        file.jet_version = c.version;
        auto mdb = std::make_unique<MdbHandle>();
        mdb->f = &file;
        mdb->iconv_in = mdb->iconv_out = iconv_t(-1);
        ASSERT_TRUE(setMdbTextDecoding(mdb.get()));
        char out[64] = {};
        const int n = mdb_unicode2ascii(mdb.get(), c.stored.constData(), size_t(c.stored.size()), out, sizeof out);
        EXPECT_EQ(QString::fromUtf8(out, n), c.version == MDB_VER_JET3 ? name : outside);
        mdb_iconv_close(mdb.get());
    }
}
