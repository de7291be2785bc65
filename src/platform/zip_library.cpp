#include "platform/zip_library.h"

#include <dlfcn.h>

namespace mf {

namespace {

template <class F>
void resolve(void* handle, const char* name, F& fn, QString* error) {
    fn = reinterpret_cast<F>(dlsym(handle, name));
    if (!fn && error->isEmpty()) *error = QStringLiteral("压缩库缺少函数 ") + QString::fromLatin1(name);
}

struct Loaded {
    ZipLibrary lib{};
    QString error;
    bool ok = false;
};

} // namespace

bool loadZipLibrary(const char* soname, ZipLibrary* z, QString* error) {
    // Once loaded, the library stays for the rest of the run.
    void* h = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!h) {
        *error = QStringLiteral("无法加载压缩库 %1：%2").arg(QString::fromLocal8Bit(soname), QString::fromLocal8Bit(dlerror()));
        return false;
    }
    error->clear();
    resolve(h, "zip_open", z->open, error);
    resolve(h, "zip_close", z->close, error);
    resolve(h, "zip_discard", z->discard, error);
    resolve(h, "zip_dir_add", z->dirAdd, error);
    resolve(h, "zip_file_add", z->fileAdd, error);
    resolve(h, "zip_source_file", z->sourceFile, error);
    resolve(h, "zip_source_free", z->sourceFree, error);
    resolve(h, "zip_set_file_compression", z->setFileCompression, error);
    resolve(h, "zip_file_extra_field_set", z->fileExtraFieldSet, error);
    resolve(h, "zip_file_set_external_attributes", z->fileSetExternalAttributes, error);
    resolve(h, "zip_file_set_mtime", z->fileSetMtime, error);
    resolve(h, "zip_get_error", z->getError, error);
    resolve(h, "zip_error_system_type", z->errorSystemType, error);
    resolve(h, "zip_error_code_system", z->errorCodeSystem, error);
    resolve(h, "zip_register_progress_callback_with_state", z->registerProgress, error);
    return error->isEmpty();
}

const ZipLibrary* zipLibrary(QString* error) {
    // The name the build found the library under.
    static const Loaded loaded = [] {
        Loaded l;
        l.ok = loadZipLibrary(MF_LIBZIP_SONAME, &l.lib, &l.error);
        return l;
    }();
    if (loaded.ok) return &loaded.lib;
    if (error) *error = loaded.error;
    return nullptr;
}

} // namespace mf
