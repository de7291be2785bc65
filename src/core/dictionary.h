#pragma once
// The read-only dictionary database: code lists, mineral lists, field maps and look-ups.
// Opened once at start-up; every query binds its values as parameters.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace mf {

struct CodeRow {
    qint16 Category = 0;
    qint32 Code = 0;
    QString Name;
};

struct MineralRow {
    qint32 ClassCode = 0;
    qint32 Code = 0;
    QString Name;
};

struct MineralClassRow {
    qint32 Code = 0;
    QString Name;
};

struct FieldPair {
    QString FieldName;
    QString Value;   // text-file key or XML element name
};

// The pairs of one kind, in TRANCODE order; at most 101.
struct KindFieldMap {
    int Kind = 0;
    QList<FieldPair> Pairs;
    int count() const { return int(Pairs.size()); }
    // The pair of a field name, or of a key / element name; null when there is none.
    const FieldPair* byFieldName(const QString& fieldName) const {
        for (const FieldPair& p : Pairs)
            if (p.FieldName == fieldName) return &p;
        return nullptr;
    }
    const FieldPair* byValue(const QString& value) const {
        for (const FieldPair& p : Pairs)
            if (p.Value == value) return &p;
        return nullptr;
    }
};

constexpr int kMaxCodeRows = 500;
constexpr int kMaxMineralRows = 500;
constexpr int kMaxMineralClassRows = 100;
constexpr int kMaxFieldPairs = 101;

class Dictionary {
public:
    Dictionary() = default;
    ~Dictionary();
    Dictionary(const Dictionary&) = delete;
    Dictionary& operator=(const Dictionary&) = delete;

    // Opens the database file read-only and loads the lists and both field maps. An Access
    // file (.mdb, .accdb) is copied into an in-memory database of the same schema first;
    // an SQLite file is checked for damaged pages. False (with a reason in *error) when the
    // file cannot be opened or read or is damaged, a table is missing or empty, a value is
    // not a number, a kind gets a 102nd field pair, or a field's text key or element name
    // could not be written and read back ("=", a line break, blanks at either end, no XML
    // name; the reason names the TRANCODE row), or two fields of one kind share a text key or
    // an element name (both rows named); the connection is then closed and the rows loaded
    // before the failure stay.
    bool open(const QString& path, QString* error = nullptr);
    bool isOpen() const { return db_ != nullptr; }
    // The file last opened (also when it failed), and the number of lines the Access library
    // wrote to standard error while reading it (held back, see importMdbDictionary).
    QString path() const { return path_; }
    int libraryWarnings() const { return libraryWarnings_; }
    void close();
    sqlite3* handle() const { return db_; }

    const QList<CodeRow>& codeList() const { return codeList_; }
    const QList<MineralRow>& mineralList() const { return mineralList_; }
    const QList<MineralClassRow>& mineralClassList() const { return mineralClassList_; }
    // The maps of kind 1 to 7; any other kind gets an empty map.
    const KindFieldMap& textKeyMap(int kind) const { return textKeyMap_[mapIndex(kind)]; }
    const KindFieldMap& xmlNameMap(int kind) const { return xmlNameMap_[mapIndex(kind)]; }

    // Items of a code-list combo: "code. name" (withCode) or the name alone.
    QStringList codeItems(int category, bool withCode) const;

    QString GetRegionName(const QString& code) const;
    QString GetRegionFullName(const QString& code) const;
    QString GetMineralName(const QString& code) const;        // "未知" when unknown
    QString GetMineralDesignScale(const QString& code) const; // "" when unknown
    QString GetReserveUnit(const QString& code) const;        // "" when unknown

    // Number of queries run on the connection since it was opened (the load included); a
    // query counts once it is stepped, so one left out for an invalid code does not.
    int queryCount() const { return queryCount_; }

private:
    friend class DictQuery;
    static int mapIndex(int kind) { return kind >= 1 && kind <= 7 ? kind : 0; }
    sqlite3* db_ = nullptr;
    QString path_;
    int libraryWarnings_ = 0;
    mutable int queryCount_ = 0;
    // Prepared queries kept for the next query of the same text (a picker runs one per
    // city); finalized when the dictionary closes.
    mutable QHash<QByteArray, sqlite3_stmt*> statements_;
    QList<CodeRow> codeList_;
    QList<MineralRow> mineralList_;
    QList<MineralClassRow> mineralClassList_;
    std::array<KindFieldMap, 8> textKeyMap_{};
    std::array<KindFieldMap, 8> xmlNameMap_{};
};

// One read-only query on the dictionary connection: prepared, its values bound as
// parameters, stepped forward and finalized when it goes out of scope. A query on a closed
// dictionary, or one that does not prepare, yields no rows and reports failed().
class DictQuery {
public:
    DictQuery(const Dictionary& dict, const char* sql);
    ~DictQuery();
    DictQuery(const DictQuery&) = delete;
    DictQuery& operator=(const DictQuery&) = delete;

    void bind(int index, qint64 value);
    void bind(int index, const QString& value);
    // Binds a code typed as text the way the dictionary compares codes, as a number
    // ("0101" is 101). False, and the query yields no rows, when the text is not a number.
    bool bindNumber(int index, const QString& code);

    // Moves to the next row; false at the end of the rows or on an error.
    bool next();
    bool failed() const { return failed_; }
    QString errorText() const { return error_; }

    bool isNull(int column) const;
    // The value as text; the empty text when it is NULL.
    QString text(int column) const;
    double real(int column) const;
    // The value as a whole number in [lo, hi]: an integer, a real rounded half to even, or a
    // numeric text. Empty when NULL, not a number or out of range.
    std::optional<qint64> whole(int column, qint64 lo, qint64 hi) const;

private:
    void fail(const char* what);
    // Gives the statement back to the dictionary for reuse, or finalizes it.
    void release();
    const Dictionary* dict_ = nullptr;
    QByteArray sql_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
    int* counter_ = nullptr;
    bool stepped_ = false;
    bool failed_ = false;
    QString error_;
};

// What is damaged in an open database, empty when nothing is: every page of every table and
// index is read and the bounds of its cells checked.
QString databaseDamage(sqlite3* db);

// The program's dictionary, opened by OpenDictionary at start-up.
Dictionary& dictionary();
// The dictionary file the program opens: the authority's 系统词典.mdb in the user's data
// folder ($XDG_DATA_HOME/mining-filer/DICT), else in the DICT folder of the program data
// folder, else the shipped DICT/系统词典.db there. A file that is there counts, usable or not.
QString dictionaryFile(const QString& dataPath);
// Opens dictionaryFile(dataPath) (named in *file). Fails also when TRANCODE gives no field
// pair to any kind; the reason names the file. An unusable .mdb is never replaced by
// the shipped dictionary: files saved with another field map would be wrong.
bool OpenDictionary(const QString& dataPath, QString* error = nullptr, QString* file = nullptr);

// The name of a kind as the messages give it ("采矿变更"); "" outside 1 to 7.
QString kindName(int kind);

// "当前数据词典（path）中没有【…】申请的字段" when the program's dictionary holds no field of the
// kind (its files can be neither read nor saved); "" when it holds some.
QString kindWithoutFields(int kind);

// Whether a text is an XML name (an element name a saved file can carry).
bool isXmlName(const QString& name);

QString StripTrailingPoint(const QString& s);

} // namespace mf
