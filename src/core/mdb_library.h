#pragma once
// mdbtools' libmdb, loaded when an Access dictionary is first imported. Linked to the
// program, it would be loaded and bound at every start-up for a file most users never open.
// mdbtools.h gives the types and constants only.
#include <QString>
#include <mdbtools.h>

namespace mf {

struct MdbLibrary {
    decltype(&::mdb_open_buffer) openBuffer;
    decltype(&::mdb_close) close;
    decltype(&::mdb_read_table) readTable;
    decltype(&::mdb_read_columns) readColumns;
    decltype(&::mdb_free_tabledef) freeTabledef;
    decltype(&::mdb_bind_column) bindColumn;
    decltype(&::mdb_rewind_table) rewindTable;
    decltype(&::mdb_fetch_row) fetchRow;
    decltype(&::mdb_get_byte) getByte;
    decltype(&::mdb_get_int16) getInt16;
    decltype(&::mdb_get_int32) getInt32;
    decltype(&::mdb_get_single) getSingle;
    decltype(&::mdb_get_double) getDouble;
    decltype(&::mdb_iconv_close) iconvClose;
};

// The library's functions, loaded on the first call; null with the reason in *error when the
// library or one of its functions cannot be found.
const MdbLibrary* mdbLibrary(QString* error = nullptr);

// Loads the library of that name into *lib; false with the reason in *error.
bool loadMdbLibrary(const char* soname, MdbLibrary* lib, QString* error);

} // namespace mf
