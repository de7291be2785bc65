// Expanding every city of the region picker: the picker's own tree widget and expansion,
// against the best plan for the same tree on the SQLite C interface: one query of every
// county, its rows added under their cities in a bare tree widget, every city expanded.
// Also the start-up's own dictionary costs: opening the authority's dictionary of the
// shipped data's size (an Access file copied into memory, lists and maps loaded) against
// mdbtools' plain road copying the same columns into SQLite, and the check of the shipped
// database for damaged pages against SQLite's quick_check. Project and anchor alternate
// round by round; each goal is the median of the rounds' ratios.
#include "bench.h"

#include "core/dictionary.h"
#include "core/ui/startup.h"
#include "forms/ui/region_picker.h"

#include <QApplication>
#include <QHash>
#include <QPushButton>
#include <QTreeWidget>
#include <mdbtools.h>
#include <sqlite3.h>
#include <vector>

namespace {

// The bare plan on a connection of its own with SQLite's defaults, opened before the
// program opens the dictionary, so the two connections share no lock.
class BarePlan {
public:
    explicit BarePlan(const QString& dbPath) {
        if (sqlite3_open_v2(dbPath.toUtf8().constData(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "bench_dictionary: cannot open %s\n", qPrintable(dbPath));
            std::exit(2);
        }
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db_, "select 代码 from 行政区代码 where 代码%100=0 and 代码%10000<>0 "
                                "and 代码/10000 not in (20,30) order by 代码", -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) cities_.append(sqlite3_column_int(st, 0));
        sqlite3_finalize(st);
    }
    ~BarePlan() { sqlite3_close(db_); }
    int cityCount() const { return int(cities_.size()); }

    // One round: the cities' items made untimed, then the timed query, items and expansion.
    double round() {
        QTreeWidget tree;
        QHash<int, QTreeWidgetItem*> byCity;
        for (int city : cities_) {
            auto* item = new QTreeWidgetItem(&tree, QStringList(QString::number(city)));
            byCity.insert(city / 100, item);
        }
        return mfbench::TimeOnce([&] {
            sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v2(db_, "select 代码,名称 from 行政区代码 where 代码%100<>0 order by 代码", -1, &st, nullptr);
            while (sqlite3_step(st) == SQLITE_ROW) {
                const int code = sqlite3_column_int(st, 0);
                if (QTreeWidgetItem* city = byCity.value(code / 100)) {
                    const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
                    auto* county = new QTreeWidgetItem(city);
                    county->setText(0, QString::fromUtf8(name, sqlite3_column_bytes(st, 1)));
                    county->setData(0, Qt::UserRole, QStringLiteral("C%1").arg(code));
                }
            }
            sqlite3_finalize(st);
            for (QTreeWidgetItem* it : std::as_const(byCity)) it->setExpanded(true);
        });
    }

private:
    sqlite3* db_ = nullptr;
    QList<int> cities_;
};

// One round: a picker filled as on its first opening (not timed), then every city expanded.
double PickerRound(int cityCount) {
    QWidget host;
    auto* button = new QPushButton(&host);
    auto* tree = new QTreeWidget(&host);
    bool loaded = false;
    mf::RegionPicker picker(mf::RegionPickerSpec{}, button, tree, &loaded, {});
    picker.CommandXZQ_Click();
    QList<QTreeWidgetItem*> items;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QString key = mf::TreeWidgetSink::keyOf(*it);
        if (key.size() == 5 && key.startsWith(QLatin1Char('B'))) items << *it;
    }
    if (items.size() != cityCount) {
        std::fprintf(stderr, "bench_dictionary: the tree has %d cities, the table %d\n", int(items.size()), cityCount);
        std::exit(2);
    }
    return mfbench::TimeOnce([&] {
        for (QTreeWidgetItem* it : items) it->setExpanded(true);
    });
}

const char* const kMdbFixture = MF_SOURCE_DIR "/tests/fixtures/dict/shipped-v2000.mdb";

// Seconds per opening of the shipped data as an Access dictionary, as the start-up does.
double AccessDictionaryOpen() {
    QString error;
    return mfbench::PerCall(mfbench::kRoundSeconds, [&] {
        mf::Dictionary dict;
        if (!dict.open(QString::fromUtf8(kMdbFixture), &error)) {
            std::fprintf(stderr, "bench_dictionary: %s\n", qPrintable(error));
            std::exit(2);
        }
    });
}

// The anchor of the import: mdbtools' plain road for the same work. The file opened with
// its catalog, and every row of the columns the dictionary takes bound as text and inserted
// into tables of an in-memory SQLite database in one transaction. Seconds per import.
double BareMdbImport() {
    static const std::vector<std::pair<const char*, std::vector<const char*>>> tables = {
        {"行政区代码", {"代码", "名称"}},
        {"矿产代码词表", {"矿类", "矿产代码", "矿产名称", "设计规模"}},
        {"矿类词表", {"代码", "矿类名称"}},
        {"综合词表", {"类别", "代码", "名称"}},
        {"TRANCODE", {"类别", "字段名", "英文名", "新立", "变更", "延续", "注销"}},
        {"储量规模词表", {"矿产代码", "储量单位", "说明", "SST", "SSX"}},
    };
    return mfbench::PerCall(mfbench::kRoundSeconds, [&] {
        MdbHandle* mdb = mdb_open(kMdbFixture, MDB_NOFLAGS);
        if (!mdb || !mdb_read_catalog(mdb, MDB_TABLE)) std::exit(2);
        sqlite3* db = nullptr;
        sqlite3_open(":memory:", &db);
        sqlite3_exec(db, "begin", nullptr, nullptr, nullptr);
        for (const auto& [name, columns] : tables) {
            MdbTableDef* t = mdb_read_table_by_name(mdb, const_cast<char*>(name), MDB_TABLE);
            if (!t || !mdb_read_columns(t)) std::exit(2);
            std::vector<std::vector<char>> buffers(columns.size(), std::vector<char>(mdb->bind_size + 1));
            std::vector<int> lengths(columns.size());
            QByteArray create = QByteArray("create table \"") + name + "\"(";
            QByteArray insert = QByteArray("insert into \"") + name + "\" values(";
            for (size_t c = 0; c < columns.size(); ++c) {
                if (mdb_bind_column_by_name(t, const_cast<char*>(columns[c]), buffers[c].data(), &lengths[c]) < 0)
                    std::exit(2);
                create += QByteArray(c ? "," : "") + '"' + columns[c] + '"';
                insert += c ? ",?" : "?";
            }
            sqlite3_exec(db, (create + ')').constData(), nullptr, nullptr, nullptr);
            sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v2(db, (insert + ')').constData(), -1, &st, nullptr);
            mdb_rewind_table(t);
            while (mdb_fetch_row(t)) {
                for (size_t c = 0; c < columns.size(); ++c)
                    sqlite3_bind_text(st, int(c) + 1, buffers[c].data(), lengths[c], SQLITE_TRANSIENT);
                sqlite3_step(st);
                sqlite3_reset(st);
            }
            sqlite3_finalize(st);
            mdb_free_tabledef(t);
        }
        sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        mdb_close(mdb);
    });
}

// The check of the shipped database for damaged pages against SQLite's quick_check, on one
// connection.
mfbench::Rounds ShippedCheck(const QString& dbPath) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(dbPath.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    auto ours = [&] {
        return mfbench::PerCall(mfbench::kRoundSeconds, [&] {
            if (!mf::databaseDamage(db).isEmpty()) {
                std::fprintf(stderr, "bench_dictionary: the shipped dictionary fails its check\n");
                std::exit(2);
            }
        });
    };
    auto quickCheck = [&] {
        return mfbench::PerCall(mfbench::kRoundSeconds, [&] {
            if (sqlite3_exec(db, "PRAGMA quick_check", nullptr, nullptr, nullptr) != SQLITE_OK) std::exit(2);
        });
    };
    ours();
    quickCheck();
    const mfbench::Rounds r = mfbench::Alternate(11, ours, quickCheck);
    sqlite3_close(db);
    return r;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString data = mf::findDataPath(QCoreApplication::applicationDirPath());
    BarePlan bare(data + QStringLiteral("/DICT/系统词典.db"));
    // Access text in CP936 for the anchor, as the program decodes it.
    qputenv("MDB_JET3_CHARSET", "CP936");
    const mfbench::Rounds check = ShippedCheck(data + QStringLiteral("/DICT/系统词典.db"));
    const mfbench::Rounds import = mfbench::Alternate(9, AccessDictionaryOpen, BareMdbImport);
    if (!mf::OpenDictionary(data)) {
        std::fprintf(stderr, "bench_dictionary: no dictionary under %s\n", qPrintable(data));
        return 2;
    }
    std::vector<double> project, anchor;
    PickerRound(bare.cityCount());   // warms both
    bare.round();
    for (int i = 0; i < 11; ++i) {
        project.push_back(mfbench::PerTimedCall(mfbench::kRoundSeconds, [&] { return PickerRound(bare.cityCount()); }));
        anchor.push_back(mfbench::PerTimedCall(mfbench::kRoundSeconds, [&] { return bare.round(); }));
    }
    mfbench::Goal("region-tree-all-cities", mfbench::Scaled(mfbench::FromRounds(project, anchor), 1e3), "ms", 1.5);
    mfbench::Goal("dictionary-import-mdb", mfbench::Scaled(import, 1e3), "ms", 1.5);
    mfbench::Goal("dictionary-check", mfbench::Scaled(check, 1e3), "ms", 1.0);
    return mfbench::Finish();
}
