// Expanding every city of the region picker: the picker's own tree widget and expansion,
// against the best plan for the same tree on the SQLite C interface: one query of every
// county, its rows added under their cities in a bare tree widget, every city expanded.
// The two alternate round by round. Also the start-up's own dictionary costs, against fixed
// limits: opening the authority's dictionary of the shipped data's size (an Access file
// copied into memory, lists and maps loaded), and the check of the shipped database for
// damaged pages.
#include "bench.h"

#include "core/dictionary.h"
#include "core/ui/startup.h"
#include "forms/ui/region_picker.h"

#include <QApplication>
#include <QHash>
#include <QPushButton>
#include <QTreeWidget>
#include <sqlite3.h>

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
        if (!mf::databaseDamage(db).isEmpty()) {
            std::fprintf(stderr, "bench_dictionary: the shipped dictionary fails its check\n");
            std::exit(2);
        }
    });
    sqlite3_close(db);
    return t * 1e3;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString data = mf::findDataPath(QCoreApplication::applicationDirPath());
    BarePlan bare(data + QStringLiteral("/DICT/系统词典.db"));
    const double check = ShippedCheck(data + QStringLiteral("/DICT/系统词典.db"));
    const double import = AccessDictionaryOpen();
    if (!mf::OpenDictionary(data)) {
        std::fprintf(stderr, "bench_dictionary: no dictionary under %s\n", qPrintable(data));
        return 2;
    }
    std::vector<double> project, anchor;
    PickerRound(bare.cityCount());   // warms both
    bare.round();
    for (int i = 0; i < 21; ++i) {
        project.push_back(PickerRound(bare.cityCount()));
        anchor.push_back(bare.round());
    }
    mfbench::Goal("region-tree-all-cities", mfbench::Median(project) * 1e3, mfbench::Median(anchor) * 1e3, "ms", 1.5);
    mfbench::Goal("dictionary-import-mdb", import, 30, "ms", 1.0);
    mfbench::Goal("dictionary-check", check, 2, "ms", 1.0);
    return mfbench::Finish();
}
