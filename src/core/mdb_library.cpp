#include "core/mdb_library.h"

#include "platform/loaded_library.h"

namespace mf {

bool loadMdbLibrary(const char* soname, MdbLibrary* m, QString* error) {
    void* h = openLibrary(soname, "无法加载 Access 数据库库", error);
    if (!h) return false;
    auto resolve = [&](const char* symbol, auto& fn) { resolveFunction(h, symbol, fn, "Access 数据库库缺少函数", error); };
    resolve("mdb_open_buffer", m->openBuffer);
    resolve("mdb_close", m->close);
    resolve("mdb_read_table", m->readTable);
    resolve("mdb_read_columns", m->readColumns);
    resolve("mdb_free_tabledef", m->freeTabledef);
    resolve("mdb_bind_column", m->bindColumn);
    resolve("mdb_rewind_table", m->rewindTable);
    resolve("mdb_fetch_row", m->fetchRow);
    resolve("mdb_get_byte", m->getByte);
    resolve("mdb_get_int16", m->getInt16);
    resolve("mdb_get_int32", m->getInt32);
    resolve("mdb_get_single", m->getSingle);
    resolve("mdb_get_double", m->getDouble);
    resolve("mdb_iconv_close", m->iconvClose);
    return error->isEmpty();
}

// The name the build found the library under.
const MdbLibrary* mdbLibrary(QString* error) { return loadOnce(&loadMdbLibrary, MF_LIBMDB_SONAME, error); }

} // namespace mf
