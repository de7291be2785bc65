#include "core/mdb_library.h"

#include <dlfcn.h>

namespace mf {

namespace {

template <class F>
void resolve(void* handle, const char* name, F& fn, QString* error) {
    fn = reinterpret_cast<F>(dlsym(handle, name));
    if (!fn && error->isEmpty()) *error = QStringLiteral("Access 数据库库缺少函数 ") + QString::fromLatin1(name);
}

struct Loaded {
    MdbLibrary lib{};
    QString error;
    bool ok = false;
};

} // namespace

bool loadMdbLibrary(const char* soname, MdbLibrary* m, QString* error) {
    // Once loaded, the library stays for the rest of the run.
    void* h = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!h) {
        *error = QStringLiteral("无法加载 Access 数据库库 %1：%2")
                     .arg(QString::fromLocal8Bit(soname), QString::fromLocal8Bit(dlerror()));
        return false;
    }
    error->clear();
    resolve(h, "mdb_open_buffer", m->openBuffer, error);
    resolve(h, "mdb_close", m->close, error);
    resolve(h, "mdb_read_table", m->readTable, error);
    resolve(h, "mdb_read_columns", m->readColumns, error);
    resolve(h, "mdb_free_tabledef", m->freeTabledef, error);
    resolve(h, "mdb_bind_column", m->bindColumn, error);
    resolve(h, "mdb_rewind_table", m->rewindTable, error);
    resolve(h, "mdb_fetch_row", m->fetchRow, error);
    resolve(h, "mdb_get_byte", m->getByte, error);
    resolve(h, "mdb_get_int16", m->getInt16, error);
    resolve(h, "mdb_get_int32", m->getInt32, error);
    resolve(h, "mdb_get_single", m->getSingle, error);
    resolve(h, "mdb_get_double", m->getDouble, error);
    resolve(h, "mdb_iconv_close", m->iconvClose, error);
    return error->isEmpty();
}

const MdbLibrary* mdbLibrary(QString* error) {
    // The name the build found the library under.
    static const Loaded loaded = [] {
        Loaded l;
        l.ok = loadMdbLibrary(MF_LIBMDB_SONAME, &l.lib, &l.error);
        return l;
    }();
    if (loaded.ok) return &loaded.lib;
    if (error) *error = loaded.error;
    return nullptr;
}

} // namespace mf
