#include "platform/zip_library.h"

#include <dlfcn.h>

namespace mf {

namespace {

struct Loaded {
    ZipLibrary lib{};
    QString error;
};

template <class F>
bool resolve(void* handle, const char* name, F& fn, QString& error) {
    fn = reinterpret_cast<F>(dlsym(handle, name));
    if (!fn && error.isEmpty()) error = QStringLiteral("压缩库缺少函数 ") + QString::fromLatin1(name);
    return fn != nullptr;
}

Loaded load() {
    Loaded out;
    // The name the build found the library under; it stays loaded for the rest of the run.
    void* h = dlopen(MF_LIBZIP_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (!h) {
        out.error = QStringLiteral("无法加载压缩库 %1：%2")
                        .arg(QStringLiteral(MF_LIBZIP_SONAME), QString::fromLocal8Bit(dlerror()));
        return out;
    }
    ZipLibrary& z = out.lib;
    QString& e = out.error;
    resolve(h, "zip_open", z.open, e);
    resolve(h, "zip_close", z.close, e);
    resolve(h, "zip_discard", z.discard, e);
    resolve(h, "zip_dir_add", z.dirAdd, e);
    resolve(h, "zip_file_add", z.fileAdd, e);
    resolve(h, "zip_source_file", z.sourceFile, e);
    resolve(h, "zip_source_free", z.sourceFree, e);
    resolve(h, "zip_set_file_compression", z.setFileCompression, e);
    resolve(h, "zip_file_extra_field_set", z.fileExtraFieldSet, e);
    resolve(h, "zip_file_set_external_attributes", z.fileSetExternalAttributes, e);
    resolve(h, "zip_file_set_mtime", z.fileSetMtime, e);
    resolve(h, "zip_get_error", z.getError, e);
    resolve(h, "zip_error_system_type", z.errorSystemType, e);
    resolve(h, "zip_error_code_system", z.errorCodeSystem, e);
    return out;
}

} // namespace

const ZipLibrary* zipLibrary(QString* error) {
    static const Loaded loaded = load();
    if (loaded.error.isEmpty()) return &loaded.lib;
    if (error) *error = loaded.error;
    return nullptr;
}

} // namespace mf
