#pragma once
// The authority's dictionary file (Access .mdb, read through mdbtools' libmdb): the tables
// and columns the program reads are copied into an SQLite database that holds the schema of
// the shipped dictionary, so that every query runs unchanged on it.
#include <QByteArray>
#include <QString>

#include <mdbtools.h>

struct sqlite3;

namespace mf {

// Copies the dictionary tables of an Access database, given as the bytes of its file, into
// target, whose tables exist and are empty. Text of an Access 97 file (Jet3) is read as code
// page 936, of later files as UTF-16. Codes stored as text become numbers where they are
// numbers; a value that is no number stays text, so that the load names it as the load of
// the shipped dictionary does. False, with the reason (table, column, row) in *reason, when
// the bytes are no readable Access database, a table or column is missing or of a type that
// holds no text or number, a table yields fewer rows than it counts, a text is not valid in
// its encoding, or TRANCODE is empty. With warnings given, what libmdb writes to standard
// error meanwhile is held back and *warnings gets the number of its lines.
bool importMdbDictionary(const QByteArray& file, sqlite3* target, QString* reason, int* warnings = nullptr);

// Sets the character sets libmdb decodes and encodes the text of the open file with, by the
// file's version. False when the system cannot convert them.
bool setMdbTextDecoding(MdbHandle* mdb);

} // namespace mf
