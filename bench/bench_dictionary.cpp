// Expanding every city of the region picker: the picker's own tree widget and expansion,
// against the same per-city range queries run bare on the SQLite C interface. Also the
// start-up's own dictionary costs, against fixed limits: opening the authority's dictionary
// of the shipped data's size (an Access file copied into memory, lists and maps loaded),
// and the check of the shipped database for damaged pages.
#include "bench.h"

#include "core/dictionary.h"
#include "core/ui/startup.h"
#include "forms/ui/region_picker.h"

#include <QApplication>
#include <QPushButton>
#include <QTreeWidget>
#include <sqlite3.h>

namespace {

// The counties of every city, each city one prepared range query, every value read, on a
// connection of its own with SQLite's defaults. Runs before the program opens the
// dictionary, so the two connections share no lock.
double BareQueries(const QString& dbPath, QList<int>* cities) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(dbPath.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "bench_dictionary: cannot open %s\n", qPrintable(dbPath));
        std::exit(2);
    }
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "select 代码 from 行政区代码 where 代码%100=0 and 代码%10000<>0 "
                           "and 代码/10000 not in (20,30) order by 代码", -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW) cities->append(sqlite3_column_int(st, 0));
    sqlite3_finalize(st);
    size_t bytes = 0;
    const double t = mfbench::MedianSeconds(15, [&] {
        for (int city : *cities) {
            sqlite3_prepare_v2(db, "select 代码,名称 from 行政区代码 where 代码 between ?1 and ?2 order by 代码", -1,
                               &st, nullptr);
            sqlite3_bind_int(st, 1, city + 1);
            sqlite3_bind_int(st, 2, city + 99);
            while (sqlite3_step(st) == SQLITE_ROW) {
                bytes += size_t(sqlite3_column_bytes(st, 0)) + size_t(sqlite3_column_bytes(st, 1));
                bytes += sqlite3_column_text(st, 1)[0];
            }
            sqlite3_finalize(st);
        }
    });
    sqlite3_close(db);
    if (bytes == 0) std::fprintf(stderr, "bench_dictionary: no counties read\n");
    return t;
}

// One picker, filled as on its first opening (not timed), then every city expanded.
double PickerExpansion(const QList<int>& cities) {
    QWidget host;
    bool loaded = false;
    std::vector<double> times;
    for (int rep = 0; rep < 15; ++rep) {
        auto* button = new QPushButton(&host);
        auto* tree = new QTreeWidget(&host);
        loaded = false;
        mf::RegionPicker picker(mf::RegionPickerSpec{}, button, tree, &loaded, {});
        picker.CommandXZQ_Click();
        QList<QTreeWidgetItem*> items;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            const QString key = mf::TreeWidgetSink::keyOf(*it);
            if (key.size() == 5 && key.startsWith(QLatin1Char('B'))) items << *it;
        }
        if (items.size() != cities.size()) {
            std::fprintf(stderr, "bench_dictionary: the tree has %d cities, the table %d\n", int(items.size()),
                         int(cities.size()));
            std::exit(2);
        }
        times.push_back(mfbench::TimeOnce([&] {
            for (QTreeWidgetItem* it : items) it->setExpanded(true);
        }));
        delete tree;
        delete button;
    }
    return mfbench::Median(times);
}

// Milliseconds of opening the shipped data as an Access dictionary, as the start-up does.
double AccessDictionaryOpen() {
    const QString mdb = QStringLiteral(MF_SOURCE_DIR "/tests/fixtures/dict/shipped-v2000.mdb");
    QString error;
    const double t = mfbench::MedianSeconds(15, [&] {
        mf::Dictionary dict;
        if (!dict.open(mdb, &error)) {
            std::fprintf(stderr, "bench_dictionary: %s\n", qPrintable(error));
            std::exit(2);
        }
    });
    return t * 1e3;
}

// Milliseconds of the check of the shipped database for damaged pages.
double ShippedCheck(const QString& dbPath) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(dbPath.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    const double t = mfbench::MedianSeconds(15, [&] {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &st, nullptr);
        if (sqlite3_step(st) != SQLITE_ROW || qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)), "ok")) {
            std::fprintf(stderr, "bench_dictionary: the shipped dictionary fails its check\n");
            std::exit(2);
        }
        sqlite3_finalize(st);
    });
    sqlite3_close(db);
    return t * 1e3;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString data = mf::findDataPath(QCoreApplication::applicationDirPath());
    QList<int> cities;
    const QString shipped = data + QStringLiteral("/DICT/系统词典.db");
    const double anchor = BareQueries(shipped, &cities);
    const double check = ShippedCheck(shipped);
    const double import = AccessDictionaryOpen();
    if (!mf::OpenDictionary(data)) {
        std::fprintf(stderr, "bench_dictionary: no dictionary under %s\n", qPrintable(data));
        return 2;
    }
    const double project = PickerExpansion(cities);
    mfbench::Goal("region-tree-all-cities", project * 1e3, anchor * 1e3, "ms", 1.5);
    mfbench::Goal("dictionary-import-mdb", import, 30, "ms", 1.0);
    mfbench::Goal("dictionary-check", check, 2, "ms", 1.0);
    return mfbench::Finish();
}
