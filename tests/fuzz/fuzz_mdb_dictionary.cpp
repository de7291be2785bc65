// Fuzzes the import of an Access dictionary with mutated files: the import either copies
// the tables or fails with a reason, and what it copied loads or fails like any dictionary.
// Seeds: the .mdb files of tests/fixtures/dict. Files are large: run with -max_len=600000.
#include "core/dictionary_mdb.h"

#include <QByteArray>
#include <QFile>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

using namespace mf;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One in-memory database with the schema for all runs, emptied after each.
    static sqlite3* db = [] {
        QFile f(QStringLiteral(MF_SOURCE_DIR "/data/dict/00_schema.sql"));
        sqlite3* h = nullptr;
        if (!f.open(QIODevice::ReadOnly) || sqlite3_open(":memory:", &h) != SQLITE_OK ||
            sqlite3_exec(h, f.readAll().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            std::abort();
        return h;
    }();
    QString reason;
    const QByteArray file = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!importMdbDictionary(file, db, &reason) && reason.isEmpty()) {
        std::fprintf(stderr, "property violated: a failed import without a reason\n");
        std::abort();
    }
    if (sqlite3_exec(db, "DELETE FROM 行政区代码; DELETE FROM 矿产代码词表; DELETE FROM 矿类词表; DELETE FROM 综合词表;"
                         "DELETE FROM TRANCODE; DELETE FROM 储量规模词表;",
                     nullptr, nullptr, nullptr) != SQLITE_OK)
        std::abort();
    return 0;
}
