#pragma once
// A small dictionary database made by a test: the shipped schema plus the rows it gives.
#include "core/dictionary.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <sqlite3.h>

namespace mf::test {

// Rows every fixture needs so that the dictionary loads: one mineral with its class and
// one code-list row.
inline QString baseDictRows() {
    return QStringLiteral(
        "INSERT INTO 矿类词表 VALUES (1,'能源矿产');"
        "INSERT INTO 矿产代码词表 VALUES (1,11001,'煤','万吨/年');"
        "INSERT INTO 综合词表 VALUES (1,110,'国有企业');");
}

class DictFixture {
public:
    // Builds the database from the schema file (unless withSchema is false) and the SQL
    // text of rows. error() tells what failed.
    explicit DictFixture(const QString& rows, bool withSchema = true) {
        path_ = dir_.path() + QStringLiteral("/系统词典.db");
        QString sql;
        if (withSchema) {
            QFile schema(sourceDir() + QStringLiteral("/data/dict/00_schema.sql"));
            if (!schema.open(QIODevice::ReadOnly)) {
                error_ = QStringLiteral("schema file missing");
                return;
            }
            sql = QString::fromUtf8(schema.readAll());
        }
        sql += rows;
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(path_.toUtf8().constData(), &db,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
            error_ = QString::fromUtf8(sqlite3_errmsg(db));
        } else {
            char* msg = nullptr;
            const QByteArray all = "BEGIN;" + sql.toUtf8() + "\nCOMMIT;";
            if (sqlite3_exec(db, all.constData(), nullptr, nullptr, &msg) != SQLITE_OK)
                error_ = QString::fromUtf8(msg);
            sqlite3_free(msg);
        }
        sqlite3_close(db);
    }

    const QString& path() const { return path_; }
    const QString& error() const { return error_; }
    QString dirPath() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString path_;
    QString error_;
};

// A test with a dictionary opened on the schema and the given rows.
class OpenedDictTest : public ::testing::Test {
protected:
    explicit OpenedDictTest(const QString& rows) : fixture(rows) {}
    void SetUp() override {
        ASSERT_TRUE(fixture.error().isEmpty()) << fixture.error().toStdString();
        QString error;
        ASSERT_TRUE(dict.open(fixture.path(), &error)) << error.toStdString();
    }
    DictFixture fixture;
    Dictionary dict;
};

// SQL text inserting count rows produced by make(i), i from 0.
template <typename F>
QString repeatRows(int count, F make) {
    QString sql;
    for (int i = 0; i < count; ++i)
        sql += make(i);
    return sql;
}

} // namespace mf::test
