// Copying the authority's Access dictionary into the SQLite schema of the shipped one,
// through libmdb: its file is checked first, then every table and column the program reads
// is looked up by name, each row read once and inserted with the value converted to the
// column's kind (number or text) as the shipped dictionary stores it.
#include "core/dictionary_mdb.h"

#include "core/mdb_library.h"

#include <QRegularExpression>
#include <QStringList>
#include <cerrno>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <memory>
#include <sqlite3.h>
#include <vector>

namespace mf {

namespace {

enum class Kind { Integer, Real, Text };

struct ColumnLayout {
    const char* name;
    Kind kind;
};

struct TableLayout {
    const char* name;
    std::vector<ColumnLayout> columns;
};

// The tables and columns the program reads, with the kind the shipped schema gives them.
const std::vector<TableLayout>& tableLayouts() {
    static const std::vector<TableLayout> layouts = {
        {"行政区代码", {{"代码", Kind::Integer}, {"名称", Kind::Text}}},
        {"矿产代码词表",
         {{"矿类", Kind::Integer}, {"矿产代码", Kind::Integer}, {"矿产名称", Kind::Text}, {"设计规模", Kind::Text}}},
        {"矿类词表", {{"代码", Kind::Integer}, {"矿类名称", Kind::Text}}},
        {"综合词表", {{"类别", Kind::Integer}, {"代码", Kind::Integer}, {"名称", Kind::Text}}},
        {"TRANCODE",
         {{"类别", Kind::Text}, {"字段名", Kind::Text}, {"英文名", Kind::Text}, {"新立", Kind::Text},
          {"变更", Kind::Text}, {"延续", Kind::Text}, {"注销", Kind::Text}}},
        {"储量规模词表",
         {{"矿产代码", Kind::Integer}, {"储量单位", Kind::Text}, {"说明", Kind::Text}, {"SST", Kind::Real},
          {"SSX", Kind::Real}}},
    };
    return layouts;
}

// More rows than any dictionary holds: a table definition counting more is damaged.
constexpr unsigned kMaxRows = 1000000;

bool fail(QString* reason, const QString& text) {
    if (reason) *reason = text;
    return false;
}

struct MdbCloser {
    const MdbLibrary* lib;
    void operator()(MdbHandle* mdb) const { lib->close(mdb); }
};
struct TableFree {
    const MdbLibrary* lib;
    void operator()(MdbTableDef* t) const { lib->freeTabledef(t); }
};

// One value as it goes into SQLite.
struct Value {
    enum Type { Null, Int, Real, Text } type = Null;
    qint64 i = 0;
    double d = 0;
    QByteArray text;   // UTF-8
};

// A number for a column of the kind given: a whole number for an integer column when it is
// one, a real otherwise.
Value numberValue(double d, Kind kind) {
    Value v;
    if (kind == Kind::Integer && d == std::floor(d) && std::fabs(d) < 9.0e15) {
        v.type = Value::Int;
        v.i = qint64(d);
    } else {
        v.type = Value::Real;
        v.d = d;
    }
    return v;
}

// The value of a text as a number where it is one (blanks around it allowed): a whole
// number becomes an integer, any other a real; text that is no number stays text.
Value fromText(const QByteArray& utf8, Kind kind) {
    Value v;
    if (kind == Kind::Text) {
        if (!utf8.isEmpty()) {
            v.type = Value::Text;
            v.text = utf8;
        }
        return v;
    }
    const QString t = QString::fromUtf8(utf8).trimmed();
    if (t.isEmpty()) return v;
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    bool ok = number.match(t).hasMatch();
    const double d = ok ? t.toDouble(&ok) : 0.0;
    if (!ok || !std::isfinite(d)) {
        v.type = Value::Text;
        v.text = utf8;
        return v;
    }
    return numberValue(d, kind);
}

Value fromNumber(double d, int significant, Kind kind) {
    if (kind != Kind::Text) return numberValue(d, kind);
    Value v;
    v.type = Value::Text;
    v.text = QByteArray::number(d, 'g', significant);
    return v;
}

Value fromInteger(qint64 i, Kind kind) {
    Value v;
    if (kind == Kind::Text) {
        v.type = Value::Text;
        v.text = QByteArray::number(i);
    } else {
        v.type = Value::Int;
        v.i = i;
    }
    return v;
}

// The bytes a fixed-size number of this type takes in a row; 0 for types read as text.
int fixedSize(int type) {
    switch (type) {
    case MDB_BYTE: return 1;
    case MDB_INT: return 2;
    case MDB_LONGINT: return 4;
    case MDB_FLOAT: return 4;
    case MDB_DOUBLE: return 8;
    default: return 0;
    }
}

bool readAsText(int type) {
    return type == MDB_TEXT || type == MDB_MEMO || type == MDB_NUMERIC || type == MDB_MONEY;
}

const char* typeName(int type) {
    switch (type) {
    case MDB_BOOL: return "是/否";
    case MDB_DATETIME: return "日期/时间";
    case MDB_BINARY: return "二进制";
    case MDB_OLE: return "OLE 对象";
    case MDB_REPID: return "同步复制 ID";
    case MDB_COMPLEX: return "多值字段";
    default: return "未知类型";
    }
}

// A column of a table being copied: where its value comes from and where it goes.
struct Source {
    MdbColumn* col = nullptr;
    int number = 0;   // 1-based, as libmdb binds
    Kind kind = Kind::Text;
    std::vector<char> buffer;   // bound text, for the types libmdb converts to text
    int length = 0;
};

// The stored bytes of a text value as Unicode: Access 97 text in code page 936, later text
// in UTF-16LE (surrogate pairs included), "compressed" when it begins FF FE (runs of one
// byte per character, switched by a 0 byte). False when the bytes make no valid text.
bool decodeStoredText(bool jet3, const char* data, int size, QByteArray* utf8) {
    if (jet3) {
        // One conversion for the thread's whole import, not one per value.
        struct Cp936 {
            iconv_t cd = iconv_open("UTF-8", "CP936");
            ~Cp936() { if (cd != iconv_t(-1)) iconv_close(cd); }
        };
        static thread_local Cp936 cp936;
        if (cp936.cd == iconv_t(-1)) return false;
        iconv(cp936.cd, nullptr, nullptr, nullptr, nullptr);
        QByteArray out(size * 2 + 4, '\0');
        char* in = const_cast<char*>(data);
        char* to = out.data();
        size_t left = size_t(size), room = size_t(out.size());
        if (iconv(cp936.cd, &in, &left, &to, &room) == size_t(-1) || left != 0) return false;
        out.truncate(out.size() - qsizetype(room));
        *utf8 = out;
        return true;
    }
    QList<char16_t> units;
    const auto* b = reinterpret_cast<const unsigned char*>(data);
    if (size >= 2 && b[0] == 0xFF && b[1] == 0xFE) {
        bool compressed = true;
        for (int i = 2; i < size;) {
            if (b[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                units.append(char16_t(b[i++]));
            } else if (i + 1 < size) {
                units.append(char16_t(b[i] | (b[i + 1] << 8)));
                i += 2;
            } else {
                return false;
            }
        }
    } else {
        if (size % 2 != 0) return false;
        for (int i = 0; i < size; i += 2) units.append(char16_t(b[i] | (b[i + 1] << 8)));
    }
    for (qsizetype i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (QChar::isHighSurrogate(u)) {
            if (i + 1 >= units.size() || !QChar::isLowSurrogate(units[i + 1])) return false;
            ++i;
        } else if (QChar::isLowSurrogate(u)) {
            return false;
        }
    }
    *utf8 = QString(reinterpret_cast<const QChar*>(units.constData()), units.size()).toUtf8();
    return true;
}

// Reads the current row's value of one column. False when the value cannot be read; an
// invalid text sets *badText as well.
bool readValue(const MdbLibrary& lib, MdbHandle* mdb, const Source& s, Value* out, bool* badText = nullptr) {
    const int type = s.col->col_type;
    if (type == MDB_TEXT) {
        // Decoded here from the row's bytes: libmdb puts "?" for what it cannot convert, and
        // a dictionary key must never change unnoticed.
        const int len = s.col->cur_value_len;
        const int start = s.col->cur_value_start;
        if (len == 0) {
            *out = fromText(QByteArray(), s.kind);
            return true;
        }
        if (len < 0 || start < 0 || start + len > int(mdb->fmt->pg_size)) return false;
        QByteArray utf8;
        if (!decodeStoredText(mdb->f->jet_version == MDB_VER_JET3,
                              reinterpret_cast<const char*>(mdb->pg_buf) + start, len, &utf8)) {
            if (badText) *badText = true;
            return false;
        }
        *out = fromText(utf8, s.kind);
        return true;
    }
    if (readAsText(type)) {
        const int n = std::max(0, std::min(s.length, int(s.buffer.size()) - 1));
        *out = fromText(QByteArray(s.buffer.data(), n), s.kind);
        return true;
    }
    const int size = fixedSize(type);
    const int len = s.col->cur_value_len;
    if (len == 0) {
        *out = Value{};
        return true;
    }
    const int start = s.col->cur_value_start;
    if (len != size || start < 0 || start + size > int(mdb->fmt->pg_size)) return false;
    switch (type) {
    case MDB_BYTE: *out = fromInteger(lib.getByte(mdb->pg_buf, start), s.kind); break;
    case MDB_INT: *out = fromInteger(qint16(lib.getInt16(mdb->pg_buf, start)), s.kind); break;
    case MDB_LONGINT: *out = fromInteger(qint32(lib.getInt32(mdb->pg_buf, start)), s.kind); break;
    case MDB_FLOAT: *out = fromNumber(double(lib.getSingle(mdb->pg_buf, start)), 7, s.kind); break;
    default: *out = fromNumber(lib.getDouble(mdb->pg_buf, start), 15, s.kind); break;
    }
    return true;
}

bool bindValue(sqlite3_stmt* st, int index, const Value& v) {
    switch (v.type) {
    case Value::Null: return sqlite3_bind_null(st, index) == SQLITE_OK;
    case Value::Int: return sqlite3_bind_int64(st, index, v.i) == SQLITE_OK;
    case Value::Real: return sqlite3_bind_double(st, index, v.d) == SQLITE_OK;
    case Value::Text:
        return sqlite3_bind_text(st, index, v.text.constData(), int(v.text.size()), SQLITE_TRANSIENT) == SQLITE_OK;
    }
    return false;
}

// The tables of the file: name and the page of its definition.
using Catalog = std::vector<std::unique_ptr<MdbCatalogEntry>>;

// The table of the catalog with this name (Access compares names without case).
MdbCatalogEntry* findTable(const Catalog& catalog, const QString& name) {
    for (const auto& entry : catalog) {
        if (QString::fromUtf8(entry->object_name).compare(name, Qt::CaseInsensitive) == 0)
            return entry.get();
    }
    return nullptr;
}

// Whether libmdb can walk the table's pages: it reads the page map of a table without
// checking that the map was found or is long enough for its header, and ends the process
// when a map page it names lies beyond the end of the file.
bool hasPageMap(const MdbLibrary& lib, const MdbTableDef* def, quint32 pages) {
    if (!def->usage_map || def->map_sz < 5) return false;
    if (def->usage_map[0] == 1) {
        for (size_t at = 1; at + 4 <= def->map_sz; at += 4) {
            const quint32 page = quint32(lib.getInt32(def->usage_map, int(at)));
            if (page >= pages) return false;
        }
    }
    return true;
}

bool copyTable(const MdbLibrary& lib, MdbHandle* mdb, const Catalog& catalog, const TableLayout& layout, sqlite3* target, quint32 pages,
               QString* reason) {
    const QString table = QString::fromUtf8(layout.name);
    MdbCatalogEntry* entry = findTable(catalog, table);
    if (!entry) return fail(reason, QStringLiteral("缺少表 %1").arg(table));
    if (entry->table_pg >= pages) return fail(reason, QStringLiteral("无法读取表 %1 的定义，文件已损坏").arg(table));
    std::unique_ptr<MdbTableDef, TableFree> def(lib.readTable(entry), TableFree{&lib});
    if (!def || !hasPageMap(lib, def.get(), pages) || !lib.readColumns(def.get()))
        return fail(reason, QStringLiteral("无法读取表 %1 的定义，文件已损坏").arg(table));
    if (def->num_rows > kMaxRows)
        return fail(reason, QStringLiteral("表 %1 的行数 %2 不可信，文件已损坏").arg(table).arg(def->num_rows));

    std::vector<Source> sources(layout.columns.size());
    for (size_t c = 0; c < layout.columns.size(); ++c) {
        const QString column = QString::fromUtf8(layout.columns[c].name);
        Source& s = sources[c];
        s.kind = layout.columns[c].kind;
        for (unsigned i = 0; i < def->num_cols && !s.col; ++i) {
            auto* col = static_cast<MdbColumn*>(g_ptr_array_index(def->columns, i));
            if (col && QString::fromUtf8(col->name).compare(column, Qt::CaseInsensitive) == 0) {
                s.col = col;
                s.number = int(i) + 1;
            }
        }
        if (!s.col) return fail(reason, QStringLiteral("表 %1 缺少列 %2").arg(table, column));
        const int type = s.col->col_type;
        if (!readAsText(type) && fixedSize(type) == 0)
            return fail(reason, QStringLiteral("表 %1 的列 %2 的类型（%3）不是文本或数字")
                                    .arg(table, column, QString::fromUtf8(typeName(type))));
        if (readAsText(type)) {
            s.buffer.assign(mdb->bind_size + 1, '\0');
            if (lib.bindColumn(def.get(), s.number, s.buffer.data(), &s.length) < 0)
                return fail(reason, QStringLiteral("无法读取表 %1 的列 %2").arg(table, column));
        }
    }

    QStringList names, marks;
    for (size_t c = 0; c < layout.columns.size(); ++c) {
        names << QString::fromUtf8(layout.columns[c].name);
        marks << QStringLiteral("?%1").arg(c + 1);
    }
    const QByteArray sql = QStringLiteral("INSERT OR IGNORE INTO %1 (%2) VALUES (%3)")
                               .arg(table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')))
                               .toUtf8();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(target, sql.constData(), -1, &st, nullptr) != SQLITE_OK) {
        sqlite3_finalize(st);
        return fail(reason, QStringLiteral("无法写入表 %1: %2").arg(table, QString::fromUtf8(sqlite3_errmsg(target))));
    }
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> stmt(st, sqlite3_finalize);
    // The region code is the key of its table: a row without one is never found, and one
    // that is not a whole number cannot be compared as the look-ups compare it.
    const bool regions = table == QLatin1String("行政区代码");

    lib.rewindTable(def.get());
    unsigned rows = 0;
    std::vector<Value> values(sources.size());
    while (rows <= def->num_rows && lib.fetchRow(def.get())) {
        ++rows;
        for (size_t c = 0; c < sources.size(); ++c) {
            bool badText = false;
            if (!readValue(lib, mdb, sources[c], &values[c], &badText))
                return fail(reason, badText ? QStringLiteral("表 %1 第 %2 行的列 %3 的文字无法解码（不是有效的%4文字）")
                                                  .arg(table)
                                                  .arg(rows)
                                                  .arg(QString::fromUtf8(layout.columns[c].name),
                                                       mdb->f->jet_version == MDB_VER_JET3 ? QStringLiteral("代码页 936 ")
                                                                                          : QStringLiteral(" Unicode "))
                                            : QStringLiteral("表 %1 第 %2 行的列 %3 无法读取，文件已损坏")
                                                  .arg(table).arg(rows).arg(QString::fromUtf8(layout.columns[c].name)));
        }
        if (regions) {
            if (values[0].type == Value::Null) continue;
            if (values[0].type != Value::Int)
                return fail(reason, QStringLiteral("表 %1 第 %2 行的代码“%3”不是整数")
                                        .arg(table)
                                        .arg(rows)
                                        .arg(values[0].type == Value::Text ? QString::fromUtf8(values[0].text)
                                                                           : QString::number(values[0].d)));
        }
        sqlite3_reset(st);
        for (size_t c = 0; c < values.size(); ++c) {
            if (!bindValue(st, int(c) + 1, values[c]))
                return fail(reason, QStringLiteral("无法写入表 %1").arg(table));
        }
        if (sqlite3_step(st) != SQLITE_DONE)
            return fail(reason, QStringLiteral("无法写入表 %1 第 %2 行: %3")
                                    .arg(table)
                                    .arg(rows)
                                    .arg(QString::fromUtf8(sqlite3_errmsg(target))));
    }
    // libmdb passes over a row or page it cannot read; the count the table keeps tells.
    if (rows != def->num_rows)
        return fail(reason, QStringLiteral("表 %1 读出 %2 行，应有 %3 行，文件已损坏").arg(table).arg(rows).arg(def->num_rows));
    if (rows == 0 && table == QLatin1String("TRANCODE")) return fail(reason, QStringLiteral("表 TRANCODE 没有数据"));
    return true;
}

// The user tables of the file, read from the system table MSysObjects. libmdb's own
// catalog reader also parses every object's properties, which in a damaged file can cost
// minutes of warnings; the tables need only their names and pages.
bool readCatalog(const MdbLibrary& lib, MdbHandle* mdb, quint32 pages, Catalog* catalog, QString* reason) {
    const QString damaged = QStringLiteral("无法读取表的目录，文件已损坏");
    MdbCatalogEntry objects{};
    objects.mdb = mdb;
    objects.object_type = MDB_TABLE;
    objects.table_pg = 2;
    std::strcpy(objects.object_name, "MSysObjects");
    std::unique_ptr<MdbTableDef, TableFree> def(lib.readTable(&objects), TableFree{&lib});
    if (!def || !hasPageMap(lib, def.get(), pages) || !lib.readColumns(def.get())) return fail(reason, damaged);
    if (def->num_rows > kMaxRows) return fail(reason, damaged);
    // Id (the page of the definition, in its low three bytes), Name and Type (1: a table).
    const ColumnLayout wanted[] = {{"Id", Kind::Integer}, {"Name", Kind::Text}, {"Type", Kind::Integer}};
    Source sources[3];
    for (int c = 0; c < 3; ++c) {
        Source& s = sources[c];
        s.kind = wanted[c].kind;
        for (unsigned i = 0; i < def->num_cols && !s.col; ++i) {
            auto* col = static_cast<MdbColumn*>(g_ptr_array_index(def->columns, i));
            if (col && qstricmp(col->name, wanted[c].name) == 0) {
                s.col = col;
                s.number = int(i) + 1;
            }
        }
        const bool text = c == 1;
        if (!s.col || (text ? s.col->col_type != MDB_TEXT : fixedSize(s.col->col_type) == 0))
            return fail(reason, damaged);
        if (text) {
            s.buffer.assign(mdb->bind_size + 1, '\0');
            if (lib.bindColumn(def.get(), s.number, s.buffer.data(), &s.length) < 0) return fail(reason, damaged);
        }
    }
    lib.rewindTable(def.get());
    unsigned rows = 0;
    Value id, name, type;
    while (rows <= def->num_rows && lib.fetchRow(def.get())) {
        ++rows;
        if (!readValue(lib, mdb, sources[0], &id) || !readValue(lib, mdb, sources[1], &name) || !readValue(lib, mdb, sources[2], &type))
            return fail(reason, damaged);
        if (type.type != Value::Int || (type.i & 0x7F) != MDB_TABLE || id.type != Value::Int) continue;
        auto entry = std::make_unique<MdbCatalogEntry>();
        entry->mdb = mdb;
        entry->object_type = MDB_TABLE;
        entry->table_pg = (unsigned long)(id.i & 0x00FFFFFF);
        std::strncpy(entry->object_name, name.text.constData(), MDB_MAX_OBJ_NAME);
        catalog->push_back(std::move(entry));
    }
    // libmdb passes over a row it cannot read: a table lost so would show as missing.
    if (rows != def->num_rows)
        return fail(reason, QStringLiteral("表的目录读出 %1 项，应有 %2 项，文件已损坏").arg(rows).arg(def->num_rows));
    return true;
}

// What the first page of the file says, before libmdb reads it: an Access database of a
// known version, whole pages only.
bool checkHeader(const QByteArray& file, QString* reason) {
    static const char kCompound[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    if (file.startsWith(QByteArray::fromRawData(kCompound, 8)))
        return fail(reason, QStringLiteral("文件已加密（或是其他程序的文档），不是可读的 Access 数据库"));
    if (file.size() < 0x20 || file.mid(0, 4) != QByteArray("\x00\x01\x00\x00", 4) ||
        (file.mid(4, 16) != QByteArray("Standard Jet DB\0", 16) && file.mid(4, 16) != QByteArray("Standard ACE DB\0", 16)))
        return fail(reason, QStringLiteral("不是 Access 数据库"));
    const int version = quint8(file.at(0x14));
    if (version > MDB_VER_ACCDB_2019) return fail(reason, QStringLiteral("Access 数据库的版本未知"));
    const qint64 page = version == MDB_VER_JET3 ? 2048 : 4096;
    // The catalog of the tables lies on the third page.
    if (file.size() % page != 0 || file.size() < 3 * page)
        return fail(reason, QStringLiteral("文件不完整（%1 字节，不是整页）").arg(file.size()));
    return true;
}

} // namespace

bool setMdbTextDecoding(MdbHandle* mdb) {
    const MdbLibrary* lib = mdbLibrary();
    if (!lib) return false;
    const char* stored = mdb->f->jet_version == MDB_VER_JET3 ? "CP936" : "UTF-16LE";
    iconv_t in = iconv_open("UTF-8", stored);
    iconv_t out = iconv_open(stored, "UTF-8");
    if (in == iconv_t(-1) || out == iconv_t(-1)) {
        if (in != iconv_t(-1)) iconv_close(in);
        if (out != iconv_t(-1)) iconv_close(out);
        return false;
    }
    lib->iconvClose(mdb);
    mdb->iconv_in = in;
    mdb->iconv_out = out;
    return true;
}

namespace {

// Standard error diverted to a temporary file while libmdb works: it writes its warnings
// about a damaged file there directly, dozens of lines that would bury the program's own.
// The lines are counted when the diversion ends.
class QuietStderr {
public:
    QuietStderr() {
        std::fflush(stderr);
        file_ = std::tmpfile();
        saved_ = file_ ? ::dup(STDERR_FILENO) : -1;
        if (saved_ < 0 || ::dup2(fileno(file_), STDERR_FILENO) < 0) restore();
    }
    ~QuietStderr() { restore(); }
    // Ends the diversion; the number of lines written meanwhile.
    int finish() {
        if (saved_ < 0) return 0;
        std::fflush(stderr);
        int lines = 0;
        std::rewind(file_);
        char buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, file_)) > 0)
            lines += int(std::count(buffer, buffer + n, '\n'));
        restore();
        return lines;
    }

private:
    void restore() {
        if (saved_ >= 0) {
            std::fflush(stderr);
            ::dup2(saved_, STDERR_FILENO);
            ::close(saved_);
            saved_ = -1;
        }
        if (file_) std::fclose(file_);
        file_ = nullptr;
    }
    std::FILE* file_ = nullptr;
    int saved_ = -1;
};

bool importTables(const QByteArray& file, sqlite3* target, QString* reason) {
    QString loadError;
    const MdbLibrary* lib = mdbLibrary(&loadError);
    if (!lib) return fail(reason, loadError);
    // libmdb reads the bytes in place and never writes them.
    const quint32 pages = quint32(file.size() / (quint8(file.at(0x14)) == MDB_VER_JET3 ? 2048 : 4096));
    std::unique_ptr<MdbHandle, MdbCloser> mdb(
        lib->openBuffer(const_cast<char*>(file.constData()), size_t(file.size()), MDB_NOFLAGS), MdbCloser{lib});
    if (!mdb) return fail(reason, QStringLiteral("无法作为 Access 数据库打开"));
    if (!setMdbTextDecoding(mdb.get())) return fail(reason, QStringLiteral("系统不能转换 Access 数据库的文字编码"));
    Catalog catalog;
    if (!readCatalog(*lib, mdb.get(), pages, &catalog, reason)) return false;
    if (sqlite3_exec(target, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(reason, QString::fromUtf8(sqlite3_errmsg(target)));
    for (const TableLayout& layout : tableLayouts()) {
        if (!copyTable(*lib, mdb.get(), catalog, layout, target, pages, reason)) {
            sqlite3_exec(target, "ROLLBACK", nullptr, nullptr, nullptr);
            return false;
        }
    }
    if (sqlite3_exec(target, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(reason, QString::fromUtf8(sqlite3_errmsg(target)));
    return true;
}

} // namespace

bool importMdbDictionary(const QByteArray& file, sqlite3* target, QString* reason, int* warnings) {
    if (!checkHeader(file, reason)) return false;
    if (!warnings) return importTables(file, target, reason);
    QuietStderr quiet;
    const bool ok = importTables(file, target, reason);
    *warnings = quiet.finish();
    return ok;
}

} // namespace mf
