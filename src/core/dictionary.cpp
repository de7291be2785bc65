// The dictionary database: opening, the lists and field maps held in memory, and the
// small look-ups of the editors and file readers. Every query binds its values.
#include "core/dictionary.h"

#include "core/dict_schema.h"
#include "core/dictionary_mdb.h"
#include "core/exchange_xml.h"
#include "core/text_submission.h"
#include "platform/vb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <cmath>
#include <limits>
#include <sqlite3.h>

namespace mf {

// ---------------------------------------------------------------------------------------
// DictQuery

DictQuery::DictQuery(const Dictionary& dict, const char* sql)
    : dict_(&dict), sql_(sql), db_(dict.db_), counter_(&dict.queryCount_) {
    if (!db_) {
        failed_ = true;
        error_ = QStringLiteral("数据词典未打开");
        return;
    }
    stmt_ = dict.statements_.take(sql_);
    if (stmt_)
        return;
    if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr) != SQLITE_OK) {
        fail("prepare");
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
    }
}

DictQuery::~DictQuery() { release(); }

void DictQuery::release() {
    if (!stmt_)
        return;
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    if (dict_->db_ == db_ && !dict_->statements_.contains(sql_))
        dict_->statements_.insert(sql_, stmt_);
    else
        sqlite3_finalize(stmt_);
    stmt_ = nullptr;
}

void DictQuery::fail(const char* what) {
    failed_ = true;
    error_ = QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromUtf8(sqlite3_errmsg(db_)));
}

void DictQuery::bind(int index, qint64 value) {
    if (stmt_ && sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK)
        fail("bind");
}

void DictQuery::bind(int index, const QString& value) {
    if (!stmt_)
        return;
    const QByteArray utf8 = value.toUtf8();
    if (sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        fail("bind");
}

bool DictQuery::bindNumber(int index, const QString& code) {
    // A number literal as the query text would hold it: sign, digits, one optional point.
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    const QString t = code.trimmed();
    bool ok = number.match(t).hasMatch();
    double v = ok ? t.toDouble(&ok) : 0.0;
    if (!ok || !std::isfinite(v)) {
        // Not a number: such a query matches no row.
        release();
        return false;
    }
    if (!stmt_)
        return true;
    int rc;
    if (v == std::floor(v) && std::fabs(v) < 9.0e15)
        rc = sqlite3_bind_int64(stmt_, index, qint64(v));
    else
        rc = sqlite3_bind_double(stmt_, index, v);
    if (rc != SQLITE_OK)
        fail("bind");
    return true;
}

bool DictQuery::next() {
    if (!stmt_ || failed_)
        return false;
    if (!stepped_) {
        stepped_ = true;
        ++*counter_;
    }
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        fail("step");
    release();
    return false;
}

bool DictQuery::isNull(int column) const {
    return !stmt_ || sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

QString DictQuery::text(int column) const {
    if (isNull(column))
        return {};
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return QString::fromUtf8(p, sqlite3_column_bytes(stmt_, column));
}

double DictQuery::real(int column) const {
    return stmt_ ? sqlite3_column_double(stmt_, column) : 0.0;
}

std::optional<qint64> DictQuery::whole(int column, qint64 lo, qint64 hi) const {
    if (!stmt_)
        return std::nullopt;
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_INTEGER: {
        const qint64 v = sqlite3_column_int64(stmt_, column);
        if (v < lo || v > hi)
            return std::nullopt;
        return v;
    }
    case SQLITE_FLOAT:
        return vb::roundEven(sqlite3_column_double(stmt_, column), lo, hi);
    case SQLITE_TEXT: {
        bool ok = false;
        const double v = text(column).trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(v))
            return std::nullopt;
        return vb::roundEven(v, lo, hi);
    }
    default:
        return std::nullopt;
    }
}

// ---------------------------------------------------------------------------------------
// Dictionary

namespace {

// Where each kind takes its text-file key from: TRANCODE.类别 and the key column.
struct KindSource {
    const char* category;
    int kind;
    int keyColumn;   // column of the TRANCODE query below
};
// Query columns: 0 类别, 1 字段名, 2 英文名, 3 新立, 4 变更, 5 延续, 6 注销.
constexpr KindSource kKindSources[] = {
    {"1", 5, 3}, {"2", 1, 3}, {"2", 2, 4}, {"2", 3, 5}, {"2", 4, 6}, {"3", 6, 3}, {"4", 7, 3},
};

bool setError(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

// Why a field pair could not be written to a file and read back from it; "" when it can. A
// text line is split at its first "=" and trimmed; a line beginning "***" continues the one
// before; the count line of the coordinates goes by its own key.
QString unusablePair(const QString& field, const QString& key, const QString& element) {
    if (key.contains(u'='))
        return QStringLiteral("文本键“%1”含有“=”").arg(key);
    if (key.contains(u'\n') || key.contains(u'\r'))
        return QStringLiteral("文本键含有换行");
    if (key.front().isSpace() || key.back().isSpace())
        return QStringLiteral("文本键“%1”首尾有空白").arg(key);
    if (key.startsWith(QStringLiteral("***")))
        return QStringLiteral("文本键“%1”以续行标记“***”开头").arg(key);
    if (key == kCoordinateCountKey && field != kBoundaryField)
        return QStringLiteral("文本键“%1”是坐标总行数的键，只能属于字段 %2").arg(key, kBoundaryField);
    if (!isXmlName(element))
        return QStringLiteral("英文名“%1”不是有效的 XML 元素名").arg(element);
    return {};
}

} // namespace

bool isXmlName(const QString& name) {
    // XML 1.0 (fifth edition), production Name.
    auto start = [](char32_t c) {
        return c == U':' || c == U'_' || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') ||
               (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) ||
               (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) ||
               (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
               (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
    };
    auto other = [](char32_t c) {
        return c == U'-' || c == U'.' || (c >= U'0' && c <= U'9') || c == 0xB7 || (c >= 0x300 && c <= 0x36F) ||
               (c >= 0x203F && c <= 0x2040);
    };
    if (name.isEmpty())
        return false;
    bool first = true;
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(name.at(i), name.at(i + 1));
            ++i;
        } else if (QChar::isSurrogate(c)) {
            return false;
        }
        if (!(start(c) || (!first && other(c))))
            return false;
        first = false;
    }
    return true;
}

Dictionary::~Dictionary() { close(); }

void Dictionary::close() {
    for (sqlite3_stmt* st : std::as_const(statements_))
        sqlite3_finalize(st);
    statements_.clear();
    if (db_)
        sqlite3_close_v2(db_);
    db_ = nullptr;
}

namespace {

bool isAccessFile(const QString& path) {
    return path.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".accdb"), Qt::CaseInsensitive);
}

} // namespace

// Counting the entries of each b-tree reads every page without decoding a row, which makes
// it cheaper than quick_check at every start.
QString databaseDamage(sqlite3* db) {
    const auto lastError = [db] { return QString::fromUtf8(sqlite3_errmsg(db)); };
    if (sqlite3_exec(db, "PRAGMA cell_size_check=ON", nullptr, nullptr, nullptr) != SQLITE_OK) return lastError();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, "select type, name, tbl_name from sqlite_master where type in ('table', 'index') and rootpage > 0",
                           -1, &st, nullptr) != SQLITE_OK)
        return lastError();
    const auto quoted = [st](int column) {
        return '"' + QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(st, column))).replace('"', "\"\"") + '"';
    };
    QByteArray walk;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        const bool index = qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)), "index") == 0;
        walk += (walk.isEmpty() ? "select " : ", ") + QByteArray("(select count(*) from ") + quoted(2) +
                (index ? " indexed by " + quoted(1) : QByteArray(" not indexed")) + ')';
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) return lastError();
    if (walk.isEmpty()) return {};
    st = nullptr;
    QString problem;
    if (sqlite3_prepare_v2(db, walk.constData(), int(walk.size()), &st, nullptr) != SQLITE_OK || sqlite3_step(st) != SQLITE_ROW)
        problem = lastError();
    sqlite3_finalize(st);
    return problem;
}

namespace {

// Opens a dictionary database file read-only in whatever journal mode it was written. One
// that has no write-ahead log to read is opened immutable: nothing writes the dictionary,
// so no query needs to lock the file or look for a journal, and a folder the user cannot
// write (an installed program) still opens a database kept in WAL mode.
sqlite3* openDatabaseFile(const QString& path, QString* reason) {
    const QFileInfo wal(path + QStringLiteral("-wal"));
    const bool immutable = !(wal.exists() && wal.size() > 0);
    QByteArray name = path.toUtf8();
    int flags = SQLITE_OPEN_READONLY;
    if (immutable) {
        name = "file:" + QUrl::toPercentEncoding(path, "/") + "?immutable=1";
        flags |= SQLITE_OPEN_URI;
    }
    sqlite3* db = nullptr;
    if (!QFileInfo(path).isFile()) {
        *reason = QStringLiteral("文件不存在");
        return nullptr;
    }
    if (sqlite3_open_v2(name.constData(), &db, flags, nullptr) != SQLITE_OK) {
        *reason = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
        sqlite3_close_v2(db);
        return nullptr;
    }
    // A damaged page would otherwise show later as a missing row: a region without its
    // name, a mineral without its unit.
    const QString problem = databaseDamage(db);
    if (!problem.isEmpty()) {
        *reason = QStringLiteral("数据库已损坏（%1）").arg(problem);
        sqlite3_close_v2(db);
        return nullptr;
    }
    return db;
}

// An in-memory database with the shipped schema, holding the tables of an Access
// dictionary file; read-only once filled.
sqlite3* openAccessFile(const QString& path, QString* reason, int* warnings) {
    QFile file(path);
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        *reason = info.exists() ? QStringLiteral("不是文件") : QStringLiteral("文件不存在");
        return nullptr;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = QStringLiteral("无法读取文件：%1").arg(file.errorString());
        return nullptr;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size()) {
        *reason = QStringLiteral("无法读取文件：%1").arg(file.errorString());
        return nullptr;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK ||
        sqlite3_exec(db, kDictSchemaSql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        *reason = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
        sqlite3_close_v2(db);
        return nullptr;
    }
    if (!importMdbDictionary(bytes, db, reason, warnings)) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    sqlite3_exec(db, "PRAGMA query_only=1", nullptr, nullptr, nullptr);
    return db;
}

} // namespace

bool Dictionary::open(const QString& path, QString* error) {
    close();
    queryCount_ = 0;
    codeList_.clear();
    mineralList_.clear();
    mineralClassList_.clear();
    for (int kind = 0; kind < int(textKeyMap_.size()); ++kind) {
        textKeyMap_[kind] = KindFieldMap{kind, {}};
        xmlNameMap_[kind] = KindFieldMap{kind, {}};
    }

    QString reason;
    path_ = path;
    libraryWarnings_ = 0;
    db_ = isAccessFile(path) ? openAccessFile(path, &reason, &libraryWarnings_) : openDatabaseFile(path, &reason);
    if (!db_)
        return setError(error, reason);

    // Every failure below closes the connection again; the rows loaded so far stay.
    auto failWith = [&](const QString& text) {
        close();
        return setError(error, text);
    };
    auto queryFailed = [&](const DictQuery& q, const char* table) {
        return failWith(QStringLiteral("读取 %1 失败: %2").arg(QString::fromUtf8(table), q.errorText()));
    };
    auto notNumber = [&](const char* table, const char* column, int row) {
        return failWith(QStringLiteral("%1.%2 第 %3 行不是有效的数值")
                            .arg(QString::fromUtf8(table), QString::fromUtf8(column)).arg(row + 1));
    };
    auto noRows = [&](const char* table) {
        return failWith(QStringLiteral("%1 没有数据").arg(QString::fromUtf8(table)));
    };
    constexpr qint64 kMin32 = std::numeric_limits<qint32>::min();
    constexpr qint64 kMax32 = std::numeric_limits<qint32>::max();

    // Minerals, grouped and ordered by class so that the minerals of a class stand together.
    {
        DictQuery q(*this, "select 矿类,矿产代码,矿产名称 from 矿产代码词表 "
                           "group by 矿类,矿产代码,矿产名称 order by 矿类,矿产代码,矿产名称");
        while (mineralList_.size() < kMaxMineralRows && q.next()) {
            const int row = int(mineralList_.size());
            const auto cls = q.whole(0, kMin32, kMax32);
            if (!cls)
                return notNumber("矿产代码词表", "矿类", row);
            const auto code = q.whole(1, kMin32, kMax32);
            if (!code)
                return notNumber("矿产代码词表", "矿产代码", row);
            mineralList_.append(MineralRow{qint32(*cls), qint32(*code), vb::trim(q.text(2))});
        }
        if (q.failed())
            return queryFailed(q, "矿产代码词表");
        if (mineralList_.isEmpty())
            return noRows("矿产代码词表");
    }

    // Mineral classes.
    {
        DictQuery q(*this, "select 代码,矿类名称 from 矿类词表 group by 代码,矿类名称 order by 代码,矿类名称");
        while (mineralClassList_.size() < kMaxMineralClassRows && q.next()) {
            const int row = int(mineralClassList_.size());
            const auto code = q.whole(0, kMin32, kMax32);
            if (!code)
                return notNumber("矿类词表", "代码", row);
            if (q.isNull(1) || q.text(1).isEmpty())
                return failWith(QStringLiteral("矿类词表.矿类名称 第 %1 行为空").arg(row + 1));
            mineralClassList_.append(MineralClassRow{qint32(*code), q.text(1)});
        }
        if (q.failed())
            return queryFailed(q, "矿类词表");
        if (mineralClassList_.isEmpty())
            return noRows("矿类词表");
    }

    // Code lists of the combos; an empty 类别 or 代码 counts as 0.
    {
        DictQuery q(*this, "select 类别,代码,名称 from 综合词表 order by 类别,代码");
        while (codeList_.size() < kMaxCodeRows && q.next()) {
            const int row = int(codeList_.size());
            CodeRow r;
            if (!q.isNull(0)) {
                const auto cat = q.whole(0, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
                if (!cat)
                    return notNumber("综合词表", "类别", row);
                r.Category = qint16(*cat);
            }
            if (!q.isNull(1)) {
                const auto code = q.whole(1, kMin32, kMax32);
                if (!code)
                    return notNumber("综合词表", "代码", row);
                r.Code = qint32(*code);
            }
            r.Name = vb::trim(q.text(2));
            codeList_.append(r);
        }
        if (q.failed())
            return queryFailed(q, "综合词表");
        if (codeList_.isEmpty())
            return noRows("综合词表");
    }

    // Field maps. Within one 类别 the rows keep the order in which they were stored.
    {
        // The TRANCODE row of each pair, to name both rows of a key given twice.
        std::array<QStringList, 8> rowOf{};
        DictQuery q(*this, "select 类别,字段名,英文名,新立,变更,延续,注销,rowid from TRANCODE order by 类别, rowid");
        while (q.next()) {
            const QString category = q.text(0);
            for (const KindSource& src : kKindSources) {
                if (category != QLatin1String(src.category))
                    continue;
                const QString key = q.text(src.keyColumn);
                if (key.isEmpty())
                    continue;
                KindFieldMap& text = textKeyMap_[src.kind];
                KindFieldMap& xml = xmlNameMap_[src.kind];
                if (text.count() >= kMaxFieldPairs)
                    return failWith(QStringLiteral("TRANCODE 中第 %1 类申请的字段超过 %2 个")
                                        .arg(src.kind).arg(kMaxFieldPairs));
                const QString field = q.text(1);
                const QString element = q.text(2);
                // A key that cannot be written and read back would lose its field on reopening;
                // a key or element name of two fields would read one field's value into the other.
                QString why = unusablePair(field, key, element);
                for (int i = 0; i < text.count() && why.isEmpty(); ++i) {
                    const bool sameKey = text.Pairs[i].Value == key;
                    if (sameKey || xml.Pairs[i].Value == element)
                        why = QStringLiteral("第 %1 行与第 %2 行的%3相同：%4")
                                  .arg(rowOf[src.kind][i], q.text(7), sameKey ? QStringLiteral("文本键") : QStringLiteral("英文名"),
                                       sameKey ? key : element);
                }
                if (!why.isEmpty())
                    return failWith(QStringLiteral("TRANCODE 第 %1 行（字段 %2，第 %3 类申请）：%4")
                                        .arg(q.text(7), field).arg(src.kind).arg(why));
                text.Pairs.append(FieldPair{field, key});
                xml.Pairs.append(FieldPair{field, element});
                rowOf[src.kind].append(q.text(7));
            }
        }
        if (q.failed())
            return queryFailed(q, "TRANCODE");
    }
    if (error)
        error->clear();
    return true;
}

QStringList Dictionary::codeItems(int category, bool withCode) const {
    QStringList items;
    for (const CodeRow& r : codeList_) {
        if (r.Category == category) {
            if (r.Code != 0)
                items.append(withCode ? QString::number(r.Code) + QStringLiteral(". ") + r.Name : r.Name);
        } else if (!items.isEmpty()) {
            break;   // the list is ordered by 类别: the category's run has ended
        }
    }
    return items;
}

QString Dictionary::GetRegionName(const QString& code) const {
    DictQuery q(*this, "select 名称 from 行政区代码 where 代码=?1");
    if (!q.bindNumber(1, code) || !q.next())
        return {};
    return q.text(0);
}

namespace {
// City-level rows that only group the districts of a municipality or the county-level
// units a province governs directly; they name no place, so a full name leaves them out
// ("北京市东城区", not "北京市市辖区东城区").
bool isPlaceholderLevel(const QString& name) {
    static const QStringList kNames = {QStringLiteral("市辖区"), QStringLiteral("县"),
                                       QStringLiteral("省直辖县级行政区划"),
                                       QStringLiteral("自治区直辖县级行政区划")};
    return kNames.contains(name);
}
} // namespace

QString Dictionary::GetRegionFullName(const QString& code) const {
    if (code.right(4) == QLatin1String("0000"))
        return GetRegionName(code);
    QString name = GetRegionName(code.left(2) + QStringLiteral("0000"));
    const QString city = GetRegionName(code.left(4) + QStringLiteral("00"));
    if (!isPlaceholderLevel(city))
        name += city;
    if (code.right(2) != QLatin1String("00"))
        name += GetRegionName(code);
    return name;
}

QString Dictionary::GetMineralName(const QString& code) const {
    const double v = vb::val(code);
    for (const MineralRow& r : mineralList_) {
        if (r.Code == v)
            return vb::trim(r.Name);
    }
    return QStringLiteral("未知");
}

QString Dictionary::GetMineralDesignScale(const QString& code) const {
    if (vb::trim(code).isEmpty())
        return {};
    DictQuery q(*this, "select 设计规模 from 矿产代码词表 where 矿产代码=?1 order by rowid limit 1");
    if (!q.bindNumber(1, code) || !q.next())
        return {};
    return q.text(0);
}

QString Dictionary::GetReserveUnit(const QString& code) const {
    if (vb::trim(code).isEmpty())
        return {};
    DictQuery q(*this, "select 储量单位 from 储量规模词表 where 矿产代码=?1 order by rowid limit 1");
    if (!q.bindNumber(1, code) || !q.next())
        return {};
    return q.text(0);
}

// ---------------------------------------------------------------------------------------

Dictionary& dictionary() {
    static Dictionary instance;
    return instance;
}

QString dictionaryFile(const QString& dataPath) {
    // The user's data folder: an installed program's own folder is not the user's to write.
    QString userData = qEnvironmentVariable("XDG_DATA_HOME");
    if (userData.isEmpty() || !QDir::isAbsolutePath(userData))
        userData = QDir::homePath() + QStringLiteral("/.local/share");
    for (const QString& mdb : {userData + QStringLiteral("/mining-filer/DICT/系统词典.mdb"),
                               dataPath + QStringLiteral("/DICT/系统词典.mdb")}) {
        // A file there, usable or not, is the one the user means: never passed over.
        const QFileInfo info(mdb);
        if (info.exists() || info.isSymLink())
            return mdb;
    }
    return dataPath + QStringLiteral("/DICT/系统词典.db");
}

bool OpenDictionary(const QString& dataPath, QString* error, QString* file) {
    Dictionary& dict = dictionary();
    const QString path = dictionaryFile(dataPath);
    if (file)
        *file = path;
    QString reason;
    bool ok = dict.open(path, &reason);
    // Without a single field pair every save would write an application without any field.
    // A kind without pairs alone starts: its editor refuses to save (kindWithoutFields).
    bool anyPair = false;
    for (int kind = 1; kind <= 7; ++kind)
        anyPair = anyPair || dict.textKeyMap(kind).count() > 0;
    if (ok && !anyPair) {
        dict.close();
        reason = QStringLiteral("TRANCODE 中没有任何一类申请的字段");
        ok = false;
    }
    if (!ok)
        return setError(error, QStringLiteral("数据词典 %1：%2").arg(path, reason));
    if (error)
        error->clear();
    return true;
}

QString kindName(int kind) {
    static const char* const names[] = {"", "采矿新立", "采矿变更", "采矿延续", "采矿注销",
                                        "划定矿区范围", "采矿转让", "采矿年检"};
    return kind >= 1 && kind <= 7 ? QString::fromUtf8(names[kind]) : QString();
}

QString kindWithoutFields(int kind) {
    if (kind < 1 || kind > 7 || dictionary().textKeyMap(kind).count() > 0)
        return {};
    return QStringLiteral("当前数据词典（%1）中没有【%2】申请的字段").arg(dictionary().path(), kindName(kind));
}

QString StripTrailingPoint(const QString& s) {
    return s.endsWith(QLatin1Char('.')) ? s.chopped(1) : s;
}

} // namespace mf
